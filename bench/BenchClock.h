// The clock the benchmark's launcher and the programs it starts share: the launcher passes
// its reading at fork time, and the started program measures against it.
#pragma once

#include <chrono>

inline long long monotonicMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

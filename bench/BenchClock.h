// The clock the benchmark's launcher and the programs it starts share: the launcher passes
// its reading at fork time, and the started program measures against it.
#pragma once

#include "platform/system/StartupTrace.h"

#include <chrono>
#include <cstdio>

inline long long monotonicMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

// What a started program reports: a line "phase<TAB>microseconds" a mark, then "end".
inline void printStartupMarks() {
    for (const platform::StartupMark& mark : platform::startupMarks())
        std::printf("%s\t%lld\n", mark.phase.c_str(), mark.micros);
    std::printf("end\n");
    std::fflush(stdout);
}

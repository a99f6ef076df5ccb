// The clock the benchmark's launcher and the programs it starts share: the launcher passes
// its reading at fork time, and the started program measures against it.
#pragma once

#include "platform/system/StartupTrace.h"

#include <chrono>
#include <cstdio>
#include <sched.h>

inline long long monotonicMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

inline int& startProcessor() {
    static int processor = -1;
    return processor;
}

// The first mark, and the processor the program's main thread starts on: on a virtual
// machine one processor can run slower than the other for a while, and the scheduler tends to
// place each program on the same one, so the launcher shows how the starts fell.
inline void markProcessStart() {
    platform::startupMark("process start and libraries");
    startProcessor() = sched_getcpu();
}

// What a started program reports: a line "phase<TAB>microseconds" a mark, its processor as
// "processor<TAB>n", then "end".
inline void printStartupMarks() {
    for (const platform::StartupMark& mark : platform::startupMarks())
        std::printf("%s\t%lld\n", mark.phase.c_str(), mark.micros);
    std::printf("processor\t%d\nend\n", startProcessor());
    std::fflush(stdout);
}

// The clock the benchmark's launcher and the programs it starts share: the launcher passes
// its reading at fork time, and the started program measures against it.
#pragma once

#include "platform/system/StartupTrace.h"

#include <chrono>
#include <cstdio>
#include <sched.h>
#include <unistd.h>

inline long long monotonicMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

inline int& startProcessor() {
    static int processor = -1;
    return processor;
}

// The first mark, and the processor the program's main thread started on; then the program
// may run wherever its launcher may. The launcher starts each program as often on each
// processor: on a virtual machine one processor can run slower than another for a while, and
// left to the scheduler, one program tends to land on the same processor start after start.
inline void markProcessStart() {
    platform::startupMark("process start and libraries");
    startProcessor() = sched_getcpu();
    cpu_set_t launchers;
    if (sched_getaffinity(getppid(), sizeof launchers, &launchers) == 0)
        sched_setaffinity(0, sizeof launchers, &launchers);
}

// What a started program reports: a line "phase<TAB>microseconds" a mark, its processor as
// "processor<TAB>n", then "end".
inline void printStartupMarks() {
    for (const platform::StartupMark& mark : platform::startupMarks())
        std::printf("%s\t%lld\n", mark.phase.c_str(), mark.micros);
    std::printf("processor\t%d\nend\n", startProcessor());
    std::fflush(stdout);
}

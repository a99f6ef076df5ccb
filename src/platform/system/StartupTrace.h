// Marks on the way to the first frame, for the benchmark's breakdown of the start-up: off
// unless the benchmark turns it on, and then each mark notes when a phase ended, on the clock
// the benchmark's launcher read as it started the process. A span adds its time to a named
// share inside the phases (the pictures, loaded by several of them).
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace platform {

struct StartupMark {
    std::string phase;
    long long micros; // since the launch
};

void enableStartupTrace(long long launchedAtMicros); // steady_clock, in microseconds
bool startupTraceEnabled();
void startupMark(const char* phase);
// The marks in order, then the shares, each as its whole duration.
std::vector<StartupMark> startupMarks();

class StartupSpan {
public:
    explicit StartupSpan(const char* share);
    ~StartupSpan();
    StartupSpan(const StartupSpan&) = delete;
    StartupSpan& operator=(const StartupSpan&) = delete;

private:
    const char* share_;
    std::chrono::steady_clock::time_point begun_;
};

} // namespace platform

#include "platform/system/StartupTrace.h"

#include <map>

namespace platform {

namespace {

struct Trace {
    bool on = false;
    long long launchedAt = 0;
    std::vector<StartupMark> marks;
    std::map<std::string, long long> shares;
};

Trace& trace() {
    static Trace t;
    return t;
}

long long nowMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

void enableStartupTrace(long long launchedAtMicros) {
    trace().on = true;
    trace().launchedAt = launchedAtMicros;
}

bool startupTraceEnabled() {
    return trace().on;
}

void startupMark(const char* phase) {
    if (trace().on) trace().marks.push_back({phase, nowMicros() - trace().launchedAt});
}

std::vector<StartupMark> startupMarks() {
    std::vector<StartupMark> all = trace().marks;
    for (const auto& [share, micros] : trace().shares)
        all.push_back({share, micros});
    return all;
}

StartupSpan::StartupSpan(const char* share)
    : share_(share) {
    if (trace().on) begun_ = std::chrono::steady_clock::now();
}

StartupSpan::~StartupSpan() {
    if (!trace().on) return;
    trace().shares[share_] += std::chrono::duration_cast<std::chrono::microseconds>(
                                  std::chrono::steady_clock::now() - begun_)
                                  .count();
}

} // namespace platform

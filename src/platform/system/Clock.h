// Time sources of the platform: the UTC time of day that seeds each game's generator,
// and a wrapping millisecond tick count for timing. Plain C++ so the rules engine can use it.
#pragma once

#include <cstdint>

namespace platform {

struct UtcTimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Reads the wall clock in UTC. An interface so tests can fix the time.
class UtcClock {
public:
    virtual ~UtcClock() = default;
    virtual UtcTimeOfDay now() const = 0;
};

class SystemUtcClock final : public UtcClock {
public:
    UtcTimeOfDay now() const override;
};

// The process-wide real clock, for callers that are not given one.
const UtcClock& systemUtcClock();

// Milliseconds of a steady clock, truncated to 32 bits: it wraps after about 49.7 days.
std::uint32_t tickCount();

} // namespace platform

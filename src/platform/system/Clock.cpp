#include "platform/system/Clock.h"

#include <chrono>

namespace platform {

UtcTimeOfDay SystemUtcClock::now() const {
    using namespace std::chrono;
    // system_clock counts UTC without leap seconds, so the time of day is its remainder per day.
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    const auto sinceMidnight = sinceEpoch - duration_cast<milliseconds>(floor<days>(sinceEpoch));
    const hh_mm_ss<milliseconds> t{sinceMidnight};
    return {static_cast<int>(t.hours().count()), static_cast<int>(t.minutes().count()),
            static_cast<int>(t.seconds().count()), static_cast<int>(t.subseconds().count())};
}

const UtcClock& systemUtcClock() {
    static const SystemUtcClock clock;
    return clock;
}

std::uint32_t tickCount() {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(ms);
}

} // namespace platform

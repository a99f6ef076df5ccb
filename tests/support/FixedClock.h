// A clock that shows whatever time a test sets, so every game's secret is known.
#pragma once

#include "platform/system/Clock.h"

namespace testing_support {

class FixedClock final : public platform::UtcClock {
public:
    explicit FixedClock(platform::UtcTimeOfDay t = {})
        : time(t) {}
    platform::UtcTimeOfDay now() const override { return time; }
    platform::UtcTimeOfDay time;
};

// 00:00:12.345 UTC seeds the generator with 12345 (a four-digit secret of 3205).
inline const platform::UtcTimeOfDay kSeed12345{0, 0, 12, 345};

} // namespace testing_support

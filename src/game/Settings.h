// The options and window state the game keeps between runs, with their first-run values.
#pragma once

#include <cstdint>

namespace game {

struct TSettings {
    std::int32_t Left = 300;
    std::int32_t Top = 132;
    std::int32_t Digit = 4; // digit count of new games: 4, 5 or 6
    bool Duplicate = false; // repeated digits allowed
    bool Music = true;
    bool Sound = true;
    bool Logs = true;    // tries-log panel shown
    bool Option = false; // options panel shown
};

} // namespace game

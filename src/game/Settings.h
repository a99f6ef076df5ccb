// The options and window state the game keeps between runs, with their first-run values, and
// the one table of them: each value's stored name, its field and the range the game plays
// with (a number read is brought into it), in the order they are stored. Loading, saving, the first
// run and the scripts that write a settings file all go by the table.
#pragma once

#include "game/GameState.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

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

// One stored value: a whole number (`integer`) or a yes/no (`flag`), the other null.
struct SettingField {
    const char* name;
    std::int32_t TSettings::*integer;
    bool TSettings::*flag;
    std::int32_t lowest; // what a game can use; a stored number outside it is brought in
    std::int32_t highest;

    std::int32_t playable(std::int32_t value) const { return std::clamp(value, lowest, highest); }
    std::int32_t stored(const TSettings& settings) const {
        return integer ? settings.*integer : (settings.*flag ? 1 : 0);
    }
};

constexpr std::int32_t kAnyNumberLow = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kAnyNumberHigh = std::numeric_limits<std::int32_t>::max();

inline constexpr std::array<SettingField, 8> kSettingFields{{
    {"Left", &TSettings::Left, nullptr, kAnyNumberLow, kAnyNumberHigh},
    {"Top", &TSettings::Top, nullptr, kAnyNumberLow, kAnyNumberHigh},
    {"Digit", &TSettings::Digit, nullptr, kMinDigits, kMaxDigits},
    {"Duplicate", nullptr, &TSettings::Duplicate, 0, 1},
    {"Music", nullptr, &TSettings::Music, 0, 1},
    {"Sound", nullptr, &TSettings::Sound, 0, 1},
    {"Logs", nullptr, &TSettings::Logs, 0, 1},
    {"Option", nullptr, &TSettings::Option, 0, 1},
}};

} // namespace game

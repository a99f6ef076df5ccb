// Where each control of the game panel stands in a four-digit game: the one table the window
// is built from and laid out by, and the one the scripts read (brainlock-facts.sh). A wider
// game moves a centred control by half its extra width and a right-hand one by all of it.
// Plain data; the window applies it.
#pragma once

#include "game/PanelLayout.h"

#include <array>
#include <string_view>

namespace game {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0; // 0 by 0: a label, as large as its caption
    int height = 0;
};

enum class Anchor { Left, Centred, Right };

struct ControlPlace {
    std::string_view name;
    Rect rect;
    Anchor anchor;
};

constexpr int kKeyWidth = 24;
constexpr int kKeyHeight = 23;

// The centred controls first, in the order the window moves them as it widens.
inline constexpr std::array<ControlPlace, 23> kGamePanelPlaces{{
    {"sbClear", {24, 192, kKeyWidth, kKeyHeight}, Anchor::Centred},
    {"sbBack", {72, 192, kKeyWidth, kKeyHeight}, Anchor::Centred},
    {"sb0", {48, 192, kKeyWidth + 1, kKeyHeight}, Anchor::Centred},
    {"sb1", {24, 168, kKeyWidth, kKeyHeight}, Anchor::Centred},
    {"sb2", {48, 168, kKeyWidth, kKeyHeight}, Anchor::Centred},
    {"sb3", {72, 168, kKeyWidth, kKeyHeight}, Anchor::Centred},
    {"sb4", {24, 144, kKeyWidth, kKeyHeight}, Anchor::Centred},
    {"sb5", {48, 144, kKeyWidth, kKeyHeight}, Anchor::Centred},
    {"sb6", {72, 144, kKeyWidth, kKeyHeight}, Anchor::Centred},
    {"sb7", {24, 120, kKeyWidth, kKeyHeight}, Anchor::Centred},
    {"sb8", {48, 120, kKeyWidth, kKeyHeight}, Anchor::Centred},
    {"sb9", {72, 120, kKeyWidth, kKeyHeight}, Anchor::Centred},
    {"pbGuess", {104, 120, 57, 49}, Anchor::Centred},
    {"lTitle", {40, 7, 105, 13}, Anchor::Centred},
    {"ssNumbers", {16, 224, 18, 26}, Anchor::Centred},
    {"ssPlace", {16, 256, 18, 26}, Anchor::Centred},
    {"lCorrect", {36, 230, 0, 0}, Anchor::Centred},
    {"lPlace", {36, 262, 0, 0}, Anchor::Centred},
    {"imgAbout", {127, 246, 32, 32}, Anchor::Centred},
    {"ssLeft", {112, 172, 41, 41}, Anchor::Centred},
    {"tbCloseMain", {kCloseMainLeft, 1, 17, 17}, Anchor::Right},
    {"imgMainLeft", {2, kSkinTop, 27, kSkinHeight}, Anchor::Left},
    {"imgMainRight", {kMainRightLeft, kSkinTop, 27, kSkinHeight}, Anchor::Right},
}};

// The tries log's grid in its panel: its left edge is the panel's offset for it.
constexpr Rect kLogGridRect{0, 34, 105, 242};

// The option groups in the options panel, in the order they stack: their left edges are the
// panel's offsets for them.
struct OptionGroupPlace {
    std::string_view name;
    OptionsPanelControl entry;
    Rect rect;
};
inline constexpr std::array<OptionGroupPlace, 4> kOptionGroupPlaces{{
    {"rgDigit", opDigit, {0, 27, 89, 73}},
    {"rgDuplicate", opDuplicate, {0, 103, 89, 57}},
    {"rgMusic", opMusic, {0, 165, 89, 57}},
    {"rgSound", opSound, {0, 224, 89, 57}},
}};
const OptionGroupPlace& optionGroupOf(std::string_view name);

// A control of the table by its name; a name not in it is a fault of the caller's.
const ControlPlace& placeOf(std::string_view name);

// The digit keys' names, 0 to 9.
std::string_view keyName(int digit);

// The entry displays and the "?" marks beneath them, slot 0 to 5, left to right.
Rect entryDisplayRect(int slot);
Rect entryMarkRect(int slot);

} // namespace game

// Where the window's panels go: the offsets of each side panel's controls, the place of
// each panel and the window width for the panels shown and the game's extra width, and the
// left edges of the game panel's centred controls. Plain arithmetic; the window applies it.
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace game {

// Offsets from a side panel's left edge, in the order the window fills them.
enum LogPanelControl { lpImgLeft, lpLabel, lpClose, lpGrid, lpImgBody, lpImgRight };
enum OptionsPanelControl {
    opImgLeft,
    opImgBody,
    opImgRight,
    opLabel,
    opClose,
    opDigit,
    opDuplicate,
    opMusic,
    opSound
};
using LogOffsets = std::array<int, 6>;
using OptionsOffsets = std::array<int, 9>;
constexpr LogOffsets kLogPanelOffsets{0, 45, 129, 18, 23, 122};
constexpr OptionsOffsets kOptionsPanelOffsets{0, 23, 122, 53, 129, 31, 31, 31, 31};

// The first side panel starts right after the game panel, the second after the first,
// both before ExtraWidth is added.
constexpr int kFirstSidePanelX = 181;
constexpr int kSecondSidePanelX = 327;

// The game panel of a four-digit game: the window's height, its skin pieces, the close
// button and the pitch of the entry displays; ExtraWidth widens the body and moves the rest.
constexpr int kWindowHeight = 304;
constexpr int kSkinTop = 2;
constexpr int kSkinHeight = 300;
constexpr int kMainBodyWidth = 127;
constexpr int kMainRightLeft = 153;
constexpr int kCloseMainLeft = 163;
constexpr int kSideStripWidth = 23;
constexpr int kSideBodyWidth = 99;
constexpr int kDigitStep = 32;

constexpr int kExtraWidthPerDigit = 32;
constexpr int extraWidthFor(int digitCount) {
    return (digitCount - 4) * kExtraWidthPerDigit;
}

// 474, 328 or 182 plus the extra width, for both, one or no side panels.
int windowWidth(bool logShown, bool optionsShown, int extraWidth);

// The game panel's controls that stay centred as it widens, in the order they are moved,
// with their left edges for an extra width.
struct CentredLeft {
    std::string_view control;
    int left;
};
std::vector<CentredLeft> centredLefts(int extraWidth);

} // namespace game

#include "game/PanelLayout.h"

namespace game {

namespace {
constexpr int kGamePanelOnly = 182;
constexpr int kOneSidePanel = 328;
constexpr int kBothSidePanels = 474;

// Base left edges of a four-digit game; every control is shifted by half the extra width.
constexpr CentredLeft kCentredBases[] = {
    {"sbClear", 24}, {"sbBack", 72},   {"sb0", 48},      {"sb1", 24},       {"sb2", 48},
    {"sb3", 72},     {"sb4", 24},      {"sb5", 48},      {"sb6", 72},       {"sb7", 24},
    {"sb8", 48},     {"sb9", 72},      {"pbGuess", 104}, {"lTitle", 40},    {"ssNumbers", 16},
    {"ssPlace", 16}, {"lCorrect", 36}, {"lPlace", 36},   {"imgAbout", 127}, {"ssLeft", 112},
};
} // namespace

int windowWidth(bool logShown, bool optionsShown, int extraWidth) {
    const int base = logShown && optionsShown   ? kBothSidePanels
                     : logShown || optionsShown ? kOneSidePanel
                                                : kGamePanelOnly;
    return base + extraWidth;
}

PanelPlaces panelPlaces(bool logShown, bool optionsShown, int extraWidth) {
    PanelPlaces places;
    if (logShown) places.logLeft = kFirstSidePanelX + extraWidth;
    if (optionsShown)
        places.optionsLeft = (logShown ? kSecondSidePanelX : kFirstSidePanelX) + extraWidth;
    places.windowWidth = windowWidth(logShown, optionsShown, extraWidth);
    return places;
}

std::vector<CentredLeft> centredLefts(int extraWidth) {
    const int shift = extraWidth / 2; // truncates toward zero
    std::vector<CentredLeft> lefts;
    for (const CentredLeft& base : kCentredBases)
        lefts.push_back({base.control, base.left + shift});
    return lefts;
}

} // namespace game

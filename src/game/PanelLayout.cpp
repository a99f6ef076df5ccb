#include "game/PanelLayout.h"

#include "game/MainLayout.h"

namespace game {

namespace {
constexpr int kGamePanelOnly = 182;
constexpr int kOneSidePanel = 328;
constexpr int kBothSidePanels = 474;

} // namespace

int windowWidth(bool logShown, bool optionsShown, int extraWidth) {
    const int base = logShown && optionsShown   ? kBothSidePanels
                     : logShown || optionsShown ? kOneSidePanel
                                                : kGamePanelOnly;
    return base + extraWidth;
}

std::vector<CentredLeft> centredLefts(int extraWidth) {
    const int shift = extraWidth / 2; // truncates toward zero
    std::vector<CentredLeft> lefts;
    for (const ControlPlace& place : kGamePanelPlaces)
        if (place.anchor == Anchor::Centred) lefts.push_back({place.name, place.rect.left + shift});
    return lefts;
}

} // namespace game

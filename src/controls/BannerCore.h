// The arithmetic of the scrolling banner, apart from any widget: one step of the scroll
// position (16-bit, wrapping), where the image and its repeats go for each direction, and
// the new position when the direction changes.
#pragma once

#include <cstdint>
#include <vector>

namespace controls {

enum TScrollDirection { sdRightToLeft, sdLeftToRight, sdTopToBottom, sdBottomToTop };

constexpr bool isHorizontal(TScrollDirection d) {
    return d == sdRightToLeft || d == sdLeftToRight;
}

struct BannerPoint {
    int x = 0, y = 0;
    bool operator==(const BannerPoint&) const = default;
};

struct StepOutcome {
    std::uint16_t position = 0;
    bool disable = false; // an OnlyOnce pass has ended
};

// extent: the image's size along the axis; span: the banner's.
StepOutcome bannerStep(std::uint16_t position, std::uint16_t pixels, int extent, int span,
                       bool noGap, bool onlyOnce);

// Where the image's top-left corner goes in a banner of w x h pixels (W x H below).
BannerPoint imageOrigin(TScrollDirection direction, std::uint16_t position, int bannerW,
                        int bannerH, int imageW, int imageH);

// That place and the further copies on the side the image moves towards, until the banner
// is covered along the axis.
std::vector<BannerPoint> tiledOrigins(TScrollDirection direction, std::uint16_t position,
                                      int bannerW, int bannerH, int imageW, int imageH);

// The position after a change of direction: reversing keeps the image where it is on the
// screen, switching axis places it just entered.
std::uint16_t positionAfterTurn(TScrollDirection from, TScrollDirection to, std::uint16_t position,
                                int bannerW, int bannerH, int imageW, int imageH);

} // namespace controls

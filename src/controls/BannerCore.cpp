#include "controls/BannerCore.h"

namespace controls {

namespace {
std::uint16_t wrap16(long long value) {
    return static_cast<std::uint16_t>(value & 0xFFFF);
}
} // namespace

StepOutcome bannerStep(std::uint16_t position, std::uint16_t pixels, int extent, int span,
                       bool noGap, bool onlyOnce) {
    StepOutcome outcome{wrap16(position + pixels), false};
    if (noGap) {
        // An image with no extent cannot tile: the position stays at 0 rather than looping.
        if (extent <= 0) {
            outcome.position = 0;
            return outcome;
        }
        while (extent < outcome.position)
            outcome.position = wrap16(outcome.position - extent);
        return outcome;
    }
    if (outcome.position > extent + span) {
        if (onlyOnce)
            outcome.disable = true; // the position stays where it is
        else
            outcome.position = 0;
    }
    return outcome;
}

BannerPoint imageOrigin(TScrollDirection direction, std::uint16_t position, int bannerW,
                        int bannerH, int imageW, int imageH) {
    const int p = position;
    switch (direction) {
    case sdRightToLeft:
        return {bannerW - p, 0};
    case sdLeftToRight:
        return {p - imageW, 0};
    case sdTopToBottom:
        return {0, p - imageH};
    case sdBottomToTop:
        break;
    }
    return {0, bannerH - p};
}

std::vector<BannerPoint> tiledOrigins(TScrollDirection direction, std::uint16_t position,
                                      int bannerW, int bannerH, int imageW, int imageH) {
    std::vector<BannerPoint> origins{
        imageOrigin(direction, position, bannerW, bannerH, imageW, imageH)};
    const int step = isHorizontal(direction) ? imageW : imageH;
    if (step <= 0) return origins;
    // The copies follow the first one in from the entry edge until the far edge is reached.
    for (BannerPoint at = origins.front();;) {
        switch (direction) {
        case sdRightToLeft:
            at.x -= step;
            if (at.x + imageW <= 0) return origins;
            break;
        case sdLeftToRight:
            at.x += step;
            if (at.x >= bannerW) return origins;
            break;
        case sdTopToBottom:
            at.y += step;
            if (at.y >= bannerH) return origins;
            break;
        case sdBottomToTop:
            at.y -= step;
            if (at.y + imageH <= 0) return origins;
            break;
        }
        origins.push_back(at);
    }
}

std::uint16_t positionAfterTurn(TScrollDirection from, TScrollDirection to, std::uint16_t position,
                                int bannerW, int bannerH, int imageW, int imageH) {
    if (from == to) return position;
    if (isHorizontal(from) && !isHorizontal(to)) return wrap16(imageH);
    if (!isHorizontal(from) && isHorizontal(to)) return wrap16(imageW);
    if (isHorizontal(from)) return wrap16(imageW + bannerW - position);
    return wrap16(imageH + bannerH - position);
}

} // namespace controls

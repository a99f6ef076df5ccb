#include "game/WindowPlacement.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace game {

namespace {

// In 64 bits: a stored position may be anywhere in the 32-bit range.
bool overlaps(std::int64_t left, std::int64_t top, int width, int height, const ScreenRect& s) {
    return left < std::int64_t{s.left} + s.width && s.left < left + width &&
           top < std::int64_t{s.top} + s.height && s.top < top + height;
}

// Squared distance from a point to a screen; 0 inside it.
std::int64_t distanceSquared(std::int64_t x, std::int64_t y, const ScreenRect& s) {
    const std::int64_t dx = std::max<std::int64_t>({s.left - x, 0, x - (s.left + s.width)});
    const std::int64_t dy = std::max<std::int64_t>({s.top - y, 0, y - (s.top + s.height)});
    return dx * dx + dy * dy;
}

int fitted(int start, int size, int screenStart, int screenSize) {
    return std::max(screenStart, std::min(start, screenStart + screenSize - size));
}

} // namespace

WindowPos placeOnScreens(int left, int top, int width, int height,
                         const std::vector<ScreenRect>& screens) {
    for (const ScreenRect& screen : screens)
        if (overlaps(left, top, width, kTitleStripHeight, screen)) return {left, top};
    if (screens.empty()) return {left, top};

    const std::int64_t cx = std::int64_t{left} + width / 2;
    const std::int64_t cy = std::int64_t{top} + height / 2;
    const ScreenRect* nearest = &screens.front();
    std::int64_t best = std::numeric_limits<std::int64_t>::max();
    for (const ScreenRect& screen : screens) {
        const std::int64_t d = distanceSquared(cx, cy, screen);
        if (d < best) {
            best = d;
            nearest = &screen;
        }
    }
    return {fitted(left, width, nearest->left, nearest->width),
            fitted(top, height, nearest->top, nearest->height)};
}

WindowPos managerShift(WindowPos asked, WindowPos got) {
    const std::int64_t dx = std::int64_t{got.left} - asked.left;
    const std::int64_t dy = std::int64_t{got.top} - asked.top;
    if (std::max(std::abs(dx), std::abs(dy)) > kMaxFrameShift) return {};
    return {static_cast<int>(dx), static_cast<int>(dy)};
}

} // namespace game

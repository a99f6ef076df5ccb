// Where the borderless main window opens: at its stored place while any of its title strip
// lies on a screen (it can only be dragged by its own skin); otherwise wholly on the nearest
// screen, so a window left on a monitor since unplugged is never lost.
#pragma once

#include <vector>

namespace game {

struct ScreenRect {
    int left = 0, top = 0, width = 0, height = 0;
};

struct WindowPos {
    int left = 0, top = 0;
    bool operator==(const WindowPos&) const = default;
};

// The strip along the window's top that drags it.
constexpr int kTitleStripHeight = 28;

WindowPos placeOnScreens(int left, int top, int width, int height,
                         const std::vector<ScreenRect>& screens);

} // namespace game

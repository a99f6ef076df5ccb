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

// Some window managers put a window asked for at a place a little off it, by a frame they
// keep around it (i3 puts a borderless window 2 pixels right of and 18 below the place
// asked): the window's own place is then not the place to ask for next time. The shift is
// what the window manager did to the first place asked, `got` being where the window came;
// a difference larger than a frame's is the manager placing windows where it likes, which
// tells nothing of the next place asked, and counts as none.
constexpr int kMaxFrameShift = 64;
WindowPos managerShift(WindowPos asked, WindowPos got);
// The place to store, and so to ask for at the next start, for a window now at `at`.
inline WindowPos placeToAskFor(WindowPos at, WindowPos shift) {
    return {at.left - shift.left, at.top - shift.top};
}

} // namespace game

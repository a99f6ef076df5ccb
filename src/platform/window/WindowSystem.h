// Which window system the game runs on, and what it lets a window know of its place.
#pragma once

#include <vector>

namespace platform {

// The program's arguments with the window system it should prefer: X11 (XWayland on a
// Wayland desktop) wherever there is an X display, since only there a window can be put back
// where the player left it; native Wayland otherwise. A choice the player made (the
// QT_QPA_PLATFORM variable or a -platform argument) stands. The strings live for the run.
std::vector<char*> argumentsWithWindowSystem(int argc, char* argv[]);

// False where the window system keeps the places of windows to itself (a native Wayland
// session): a window can be neither placed nor asked where it is.
bool windowPlacesAreKnown();

} // namespace platform

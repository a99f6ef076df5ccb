// Hands a window to an X11 window manager's move loop anchored at the press. Qt's
// QWindow::startSystemMove anchors the loop where the pointer was last seen, so a drag that
// begins once the pointer has gone the drag distance would leave the window that far behind
// the pointer; the window manager's protocol takes the press point instead, as a title bar's
// press gives it.
#pragma once

#include <QPoint>

class QWindow;

namespace platform {

enum class X11Move {
    NotX11,   // another window system: its own way to move windows stands
    Started,  // the window manager moves the window from here to the release
    Declined, // no window manager with a move loop runs (one that ended may leave its word)
};

// Asks the window manager to move the window, `wayFromPress` being the pointer's way since
// the press: its loop then moves the window by that way at once and on with the pointer.
X11Move startX11MoveFromPress(QWindow* window, QPoint wayFromPress);

} // namespace platform

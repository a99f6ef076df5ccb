// What every dialog window of the game is on a desktop: fixed in size, with a title and a
// close box but no minimize or maximize button, transient for the window it belongs to (so it
// stays above it), and, where asked, centred on the screen with its frame counted.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

class QWidget;

namespace platform {

// The window flags of such a dialog.
Qt::WindowFlags dialogWindowFlags();

// The window a new dialog belongs to: the modal dialog in front, else the active window,
// else the game's main window (the first visible plain window).
QWidget* dialogOwner();

// Where a window's frame goes so that the frame is centred on the screen.
QPoint centredFrameOrigin(QSize client, QMargins frame, QRect screen);

// Centres the window on the primary screen, frame included. The frame is known only once the
// window manager has framed a window: the place is worked out from the last dialog's frame and
// put right at the first paint when this one's differs.
void centreOnScreen(QWidget& window);

} // namespace platform

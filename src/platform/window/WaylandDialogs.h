// The game's dialogs on a native Wayland session: each with a title bar of the game's own
// (DialogTitleBar), and told to the compositor as a modal dialog of the window it belongs to.
// Qt makes a dialog a child toplevel of its owner, which KWin alone takes as a dialog; GNOME's
// mutter learns it from GTK's shell protocol, and then centres the dialog over the game and
// keeps it above it, as on X11. Elsewhere this does nothing.
#pragma once

class QGuiApplication;

namespace platform {

// From now on, every frameless dialog shown gets its title bar, and every dialog with an owner
// that comes on screen is marked modal where the compositor offers the protocol.
void markDialogsModalOnWayland(QGuiApplication& app);

} // namespace platform

// On a native Wayland session, the game's dialogs told to the compositor as modal dialogs of
// the window they belong to. Qt makes a dialog a child toplevel of its owner, which KWin alone
// takes as a dialog; GNOME's mutter learns it from GTK's shell protocol, and then centres the
// dialog over the game and keeps it above it, as on X11. Elsewhere this does nothing.
#pragma once

class QGuiApplication;

namespace platform {

// From now on, every dialog with an owner that comes on screen is marked modal, where the
// compositor offers the protocol.
void markDialogsModalOnWayland(QGuiApplication& app);

} // namespace platform

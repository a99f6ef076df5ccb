#include "platform/window/DialogWindow.h"

#include "platform/window/WindowSystem.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

// The frame the window manager gave the last dialog; every dialog gets the same kind.
QMargins& lastFrame() {
    static QMargins frame;
    return frame;
}

void placeCentred(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(centredFrameOrigin(window.size(), lastFrame(), screen->geometry()));
}

// Puts the window right when its real frame is not the one it was placed with. Window managers
// frame a window as it is mapped, some (KWin through XWayland) only after its first paint:
// the frame is looked at whenever the window moves or paints, until it has one, for a while.
// A window without a frame by then (a bare X server) keeps the place it was given.
class FrameCheck : public QObject {
public:
    explicit FrameCheck(QWidget& window)
        : QObject(&window) {
        window.installEventFilter(this);
        QTimer::singleShot(kWatchMs, this, [this, &window] {
            window.removeEventFilter(this);
            deleteLater();
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint && event->type() != QEvent::Move) return false;
        auto* window = static_cast<QWidget*>(watched);
        const QWindow* handle = window->windowHandle();
        if (!handle || !window->isVisible()) return false;
        // Not framed yet: the window stays where it was placed until the frame comes, so that
        // it moves at most once.
        const QMargins frame = handle->frameMargins();
        if (frame.isNull()) return false;
        if (frame != lastFrame()) {
            lastFrame() = frame;
            placeCentred(*window);
        }
        window->removeEventFilter(this);
        deleteLater();
        return false;
    }

private:
    static constexpr int kWatchMs = 2000;
};

} // namespace

Qt::WindowFlags dialogWindowFlags() {
    // Where no place can be known (a native Wayland session) the game draws the title bar
    // itself (DialogTitleBar): the ones Qt draws there offer minimize and maximize. (Qt draws
    // a frame after all where a frameless window also asks for title bar buttons.)
    if (!windowPlacesAreKnown())
        return Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::FramelessWindowHint;
    return Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
           Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
}

// A window just closed may still be the active one for a moment: only a visible one owns.
QWidget* dialogOwner() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible()) return modal;
    QWidget* active = QApplication::activeWindow();
    if (active && active->isVisible()) return active;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowType() == Qt::Window) return window;
    return nullptr;
}

QPoint centredFrameOrigin(QSize client, QMargins frame, QRect screen) {
    const QSize outer = client.grownBy(frame);
    return {screen.x() + (screen.width() - outer.width()) / 2,
            screen.y() + (screen.height() - outer.height()) / 2};
}

void centreOnScreen(QWidget& window) {
    placeCentred(window);
    new FrameCheck(window);
}

} // namespace platform

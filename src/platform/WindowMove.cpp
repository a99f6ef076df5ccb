#include "platform/WindowMove.h"

#include "platform/WindowSystem.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace platform {

WindowMover::WindowMover(QWidget* window, std::function<void(QPoint)> moved)
    : QObject(window)
    , window_(window)
    , moved_(std::move(moved)) {}

void WindowMover::begin(QPoint globalPress) {
    finish();
    stopWatchingSystemMove();
    QWindow* handle = window_->windowHandle();
    if (handle && handle->startSystemMove()) {
        systemMove_ = SystemMove::Running;
        window_->installEventFilter(this);
        qApp->installEventFilter(this);
        return;
    }
    ownMove_ = true;
    pressGlobal_ = globalPress;
    startPos_ = window_->pos();
    qApp->installEventFilter(this); // the pressed control, whichever it is, gets the moves
}

// Only a control's events are taken: the window system's own (on the QWindow) must still
// reach Qt, which ends the press's grab at the release.
bool WindowMover::eventFilter(QObject* watched, QEvent* event) {
    if (systemMove_ != SystemMove::None) return filterSystemMove(watched, event);
    if (!ownMove_ || !watched->isWidgetType()) return false;
    if (event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->buttons() & Qt::LeftButton) {
            window_->move(startPos_ + (mouse->globalPosition().toPoint() - pressGlobal_));
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        finish();
        return true;
    }
    return false;
}

bool WindowMover::filterSystemMove(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Move && watched == window_) {
        // Where the drag has taken the window: a window manager's last word may come after
        // the pointer is back, and Windows' move loop gives no other sign of its end.
        report();
    } else if (systemMove_ == SystemMove::Running) {
        const bool pointerBack = type == QEvent::MouseButtonPress ||
                                 type == QEvent::MouseButtonRelease || type == QEvent::Enter;
        if (pointerBack) {
            systemMove_ = SystemMove::Settling;
            report();
        }
    } else if (type == QEvent::MouseButtonPress) {
        stopWatchingSystemMove(); // the player has moved on to something else
    }
    return false;
}

void WindowMover::finish() {
    if (!ownMove_) return;
    ownMove_ = false;
    qApp->removeEventFilter(this);
    report();
}

void WindowMover::stopWatchingSystemMove() {
    if (systemMove_ == SystemMove::None) return;
    const bool running = systemMove_ == SystemMove::Running;
    systemMove_ = SystemMove::None;
    window_->removeEventFilter(this);
    qApp->removeEventFilter(this);
    if (running) report();
}

void WindowMover::report() {
    if (windowPlacesAreKnown()) moved_(window_->pos());
}

} // namespace platform

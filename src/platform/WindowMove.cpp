#include "platform/WindowMove.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace platform {

WindowMover::WindowMover(QWidget* window, std::function<void(QPoint)> moved)
    : QObject(window)
    , window_(window)
    , moved_(std::move(moved)) {}

void WindowMover::begin(QWidget* source, QPoint globalPress) {
    finish();
    endSystemMove();
    QWindow* handle = window_->windowHandle();
    if (handle && handle->startSystemMove()) {
        // The window system moves the window and keeps the release to itself: every move
        // it makes is recorded, and the move counts as ended at the next pointer event here.
        systemMove_ = true;
        window_->installEventFilter(this);
        qApp->installEventFilter(this);
        return;
    }
    source_ = source;
    pressGlobal_ = globalPress;
    startPos_ = window_->pos();
    source->installEventFilter(this);
}

bool WindowMover::eventFilter(QObject* watched, QEvent* event) {
    if (systemMove_) {
        if (watched == window_ && event->type() == QEvent::Move) moved_(window_->pos());
        const bool pointerBack = event->type() == QEvent::MouseButtonPress ||
                                 event->type() == QEvent::MouseButtonRelease ||
                                 event->type() == QEvent::Enter;
        if (pointerBack) endSystemMove();
        return false;
    }
    if (watched != source_) return false;
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

void WindowMover::finish() {
    if (!source_) return;
    source_->removeEventFilter(this);
    source_ = nullptr;
    moved_(window_->pos());
}

void WindowMover::endSystemMove() {
    if (!systemMove_) return;
    systemMove_ = false;
    window_->removeEventFilter(this);
    qApp->removeEventFilter(this);
    moved_(window_->pos());
}

} // namespace platform

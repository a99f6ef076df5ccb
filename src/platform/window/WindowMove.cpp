#include "platform/window/WindowMove.h"

#include "platform/system/Clock.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/X11Move.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace platform {

namespace {
MovePoint toMovePoint(QPoint p) {
    return {p.x(), p.y()};
}
QPoint toQPoint(MovePoint p) {
    return {p.x, p.y};
}
} // namespace

// Windows' move loop keeps the pointer's events to itself and sends the window
// WM_EXITSIZEMOVE as it ends: the pointer is back.
class WindowMover::SystemLoopEnd final : public QAbstractNativeEventFilter {
public:
    explicit SystemLoopEnd(WindowMover& mover)
        : mover_(mover) {}
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
#ifdef Q_OS_WIN
        const auto* msg = static_cast<const MSG*>(message);
        if (type == "windows_generic_MSG" && msg->message == WM_EXITSIZEMOVE &&
            msg->hwnd == reinterpret_cast<HWND>(mover_.window_->winId()))
            mover_.pointerBack();
#else
        (void)type;
        (void)message;
#endif
        return false;
    }

private:
    WindowMover& mover_;
};

WindowMover::WindowMover(QWidget* window, std::function<void(QPoint)> moved)
    : QObject(window)
    , window_(window)
    , moved_(std::move(moved))
    , tracker_(QApplication::startDragDistance())
    , settled_(new QTimer(this))
    , loopEnd_(std::make_unique<SystemLoopEnd>(*this)) {
    settled_->setSingleShot(true);
    settled_->setTimerType(Qt::PreciseTimer);
    connect(settled_, &QTimer::timeout, this, [this] { waitForTheSettling(); });
}

WindowMover::~WindowMover() {
    watch(false);
}

void WindowMover::begin(QPoint globalPress) {
    if (tracker_.phase() == MoveTracker::Phase::OwnMove) return; // already following
    tracker_.press(toMovePoint(globalPress));
    watch(true);
}

// The pressed point stays under the pointer. An X11 window manager's loop is given the press
// as its anchor and moves the window by the pointer's whole way from there; Windows' loop
// starts from wherever the pointer is when it runs, so the window is first put where the
// pointer's way since the press takes it; a Wayland compositor anchors the move itself. Where
// the system declines, the window follows the pointer itself from its place at the press.
void WindowMover::startDrag(QPoint global) {
    QWindow* handle = window_->windowHandle();
    const MovePoint way = tracker_.wayFromPress(toMovePoint(QCursor::pos()));
    const X11Move x11 = startX11MoveFromPress(handle, QPoint(way.x, way.y));
    if (x11 == X11Move::Started) {
        tracker_.systemMoveStarted();
        return;
    }
    const QPoint atPress = window_->pos();
#ifdef Q_OS_WIN
    window_->move(atPress + QPoint(way.x, way.y));
#endif
    if (x11 == X11Move::NotX11 && handle && handle->startSystemMove()) {
        tracker_.systemMoveStarted();
    } else {
        tracker_.ownMoveStarted(toMovePoint(atPress));
        window_->move(toQPoint(tracker_.ownMoveTarget(toMovePoint(global))));
    }
}

// Every object's events pass here once (an application filter): the pressed control gets the
// pointer's moves, the window its own moves. Only the own move's pointer events are taken.
bool WindowMover::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const std::uint32_t now = tickCount();
    if (type == QEvent::Move && watched == window_) {
        if (tracker_.windowMoved(now)) report();
        watchUnlessIdle();
        return false;
    }
    if (!watched->isWidgetType()) return false;
    const bool ownMove = tracker_.phase() == MoveTracker::Phase::OwnMove;
    switch (type) {
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint global = mouse->globalPosition().toPoint();
        if (ownMove) {
            window_->move(toQPoint(tracker_.ownMoveTarget(toMovePoint(global))));
            return true;
        }
        if (tracker_.pointerMoved(toMovePoint(global), mouse->buttons() & Qt::LeftButton))
            startDrag(global);
        watchUnlessIdle();
        return tracker_.phase() == MoveTracker::Phase::OwnMove;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
        if (tracker_.released(now)) report();
        watchUnlessIdle();
        waitForTheSettling();
        return ownMove;
    case QEvent::MouseButtonPress:
        if (tracker_.phase() == MoveTracker::Phase::SystemMove) {
            pointerBack();
        } else if (tracker_.phase() == MoveTracker::Phase::Settling) {
            tracker_.stop(); // the player has moved on; a press on the title begins anew
            watchUnlessIdle();
        }
        return false;
    case QEvent::Enter:
        if (tracker_.phase() == MoveTracker::Phase::SystemMove) pointerBack();
        return false;
    default:
        return false;
    }
}

void WindowMover::pointerBack() {
    if (!tracker_.pointerBack(tickCount())) return;
    report();
    waitForTheSettling();
}

// The filter stays while the window system's moves may still come, and goes once they may not:
// a timer that ends before the settling's time (as timers may by a few milliseconds) is set
// again for the rest.
void WindowMover::waitForTheSettling() {
    const std::uint32_t left = tracker_.settlingLeft(tickCount());
    if (left == 0) {
        watchUnlessIdle();
        return;
    }
    settled_->start(static_cast<int>(left));
}

// Windows' end of its move loop comes only as a native message.
void WindowMover::watch(bool on) {
    if (on == watching_) return;
    watching_ = on;
    if (on) {
        qApp->installEventFilter(this);
#ifdef Q_OS_WIN
        qApp->installNativeEventFilter(loopEnd_.get());
#endif
    } else {
        qApp->removeEventFilter(this);
#ifdef Q_OS_WIN
        qApp->removeNativeEventFilter(loopEnd_.get());
#endif
        settled_->stop();
    }
}

void WindowMover::watchUnlessIdle() {
    if (!tracker_.watching(tickCount())) watch(false);
}

void WindowMover::report() {
    if (windowPlacesAreKnown()) moved_(window_->pos());
}

} // namespace platform

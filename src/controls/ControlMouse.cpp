#include "controls/ControlMouse.h"

#include "platform/Application.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace controls {

void fireMouseButton(const MouseButtonNotify& notify, QObject* sender, const QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    if (notify) notify(sender, event.button(), event.modifiers(), at.x(), at.y());
}

void fireMouseMove(const MouseMoveNotify& notify, QObject* sender, const QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    if (notify) notify(sender, event.buttons(), event.modifiers(), at.x(), at.y());
}

void ClickRule::pressed(const QMouseEvent& event) {
    if (event.button() == Qt::LeftButton) leftDown_ = true;
}

bool ClickRule::released(const QMouseEvent& event, const QWidget& control) {
    if (event.button() != Qt::LeftButton) return false;
    const bool click = leftDown_ && control.rect().contains(event.position().toPoint());
    leftDown_ = false;
    return click;
}

// Every press, move and release is the control's own: none reaches the window beneath.
void PublishedMouseEvents::firePress(QWidget& control, QMouseEvent& event) {
    event.accept();
    clicks_.pressed(event);
    platform::guarded([&] { fireMouseButton(OnMouseDown, &control, event); });
}

void PublishedMouseEvents::fireDoubleClick(QWidget& control, QMouseEvent& event) {
    event.accept();
    clicks_.doubleClicked();
    platform::guarded([&] {
        if (event.button() == Qt::LeftButton && OnDblClick) OnDblClick(&control);
    });
}

void PublishedMouseEvents::fireMove(QWidget& control, QMouseEvent& event) {
    event.accept();
    platform::guarded([&] { fireMouseMove(OnMouseMove, &control, event); });
}

void PublishedMouseEvents::fireRelease(QWidget& control, QMouseEvent& event) {
    event.accept();
    const bool click = clicks_.released(event, control);
    // A click handler may delete the control, and these events with it.
    const QPointer<QWidget> alive(&control);
    platform::guarded([&] {
        if (click && OnClick) OnClick(&control);
        if (alive) fireMouseButton(OnMouseUp, &control, event);
    });
}

} // namespace controls

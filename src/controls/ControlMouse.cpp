#include "controls/ControlMouse.h"

#include <QMouseEvent>
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

} // namespace controls

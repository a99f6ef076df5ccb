// The mouse events the game's controls publish beside their own (OnMouseDown, OnMouseMove,
// OnMouseUp, OnClick, OnDblClick), with the arguments a desktop control's handlers take, and
// the click rule such a control follows.
#pragma once

#include <QPoint>
#include <Qt>
#include <functional>

class QMouseEvent;
class QObject;
class QWidget;

namespace controls {

// Sender, button, modifier keys held, x and y in the control's coordinates.
using MouseButtonNotify = std::function<void(QObject* sender, Qt::MouseButton button,
                                             Qt::KeyboardModifiers shift, int x, int y)>;
// Sender, the buttons held, modifier keys held, x and y in the control's coordinates.
using MouseMoveNotify = std::function<void(QObject* sender, Qt::MouseButtons buttons,
                                           Qt::KeyboardModifiers shift, int x, int y)>;

// Each fires its event, when assigned, with what the Qt event tells.
void fireMouseButton(const MouseButtonNotify& notify, QObject* sender, const QMouseEvent& event);
void fireMouseMove(const MouseMoveNotify& notify, QObject* sender, const QMouseEvent& event);

// A left press and a left release inside the control make a click. The second press of a
// double click makes a double click instead, and its release no second click.
class ClickRule {
public:
    void pressed(const QMouseEvent& event);
    void doubleClicked() { leftDown_ = false; }
    // True when this release completes a click on `control`.
    bool released(const QMouseEvent& event, const QWidget& control);

private:
    bool leftDown_ = false;
};

// The five events of a control that publishes them all (the effect label, the banner), fired
// from its mouse handlers behind the exception boundary. A release fires OnClick before
// OnMouseUp, as a desktop control does.
class PublishedMouseEvents {
public:
    std::function<void(QObject* sender)> OnClick;
    std::function<void(QObject* sender)> OnDblClick;
    MouseButtonNotify OnMouseDown;
    MouseMoveNotify OnMouseMove;
    MouseButtonNotify OnMouseUp;

protected:
    void firePress(QWidget& control, QMouseEvent& event);
    void fireDoubleClick(QWidget& control, QMouseEvent& event);
    void fireMove(QWidget& control, QMouseEvent& event);
    void fireRelease(QWidget& control, QMouseEvent& event);

private:
    ClickRule clicks_;
};

} // namespace controls

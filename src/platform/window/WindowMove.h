// Moving a borderless window with the pointer while the left button is held. A press starts
// nothing until the pointer has moved the platform's drag distance with the button held; then
// the window system's own move loop is asked first, and where it declines (an X server with no
// window manager, for one) the window follows the pointer itself until the release. Either way
// the pressed point stays under the pointer. The course of the drag is MoveTracker's; this
// wires the window's events to it.
#pragma once

#include "platform/window/MoveTracker.h"

#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>

class QWidget;
class QTimer;

namespace platform {

class WindowMover : public QObject {
    Q_OBJECT
public:
    // `moved` is given the window's position when a drag has moved it; never where window
    // places are not known.
    WindowMover(QWidget* window, std::function<void(QPoint)> moved);
    ~WindowMover() override;

    // A left press at the pointer's global position, whichever control took it, which becomes
    // a drag if the pointer moves on with the button held.
    void begin(QPoint globalPress);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class SystemLoopEnd;

    void startDrag(QPoint global);
    void pointerBack();
    void waitForTheSettling();
    void watch(bool on);
    void watchUnlessIdle();
    void report();

    QWidget* window_;
    std::function<void(QPoint)> moved_;
    MoveTracker tracker_;
    QTimer* settled_;                        // ends the settling once its time is up
    std::unique_ptr<SystemLoopEnd> loopEnd_; // Windows' word that its move loop has ended
    bool watching_ = false;
};

} // namespace platform

// Moving a borderless window with the pointer while the left button is held. The window
// system's own move loop is asked first; where it declines (an X server with no window
// manager, for one), the window follows the pointer's moves itself until the release.
#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

namespace platform {

class WindowMover : public QObject {
    Q_OBJECT
public:
    // `moved` is given the window's position when a move ends; never where window places
    // are not known.
    WindowMover(QWidget* window, std::function<void(QPoint)> moved);

    // Starts a move from a left press at the pointer's global position, whichever control
    // took the press.
    void begin(QPoint globalPress);
    bool moving() const { return ownMove_ || systemMove_ == SystemMove::Running; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A window manager's move loop keeps the pointer to itself and ends before its last move
    // of the window reaches us: the move is over when the pointer comes back, and the window
    // manager's moves that follow still belong to it, until the player's next press. Each
    // move of the window meanwhile is reported, as the pointer may never come back (Windows).
    enum class SystemMove { None, Running, Settling };

    bool filterSystemMove(QObject* watched, QEvent* event);
    void finish();
    void stopWatchingSystemMove();
    void report();

    QWidget* window_;
    std::function<void(QPoint)> moved_;
    bool ownMove_ = false; // the window follows the pointer itself
    QPoint pressGlobal_;
    QPoint startPos_;
    SystemMove systemMove_ = SystemMove::None;
};

} // namespace platform

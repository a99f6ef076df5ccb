// Moving a borderless window with the pointer while the left button is held. The window
// system's own move loop is asked first; where it declines (an X server with no window
// manager, for one), the window follows the pointer's moves itself until the release.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>

class QWidget;

namespace platform {

class WindowMover : public QObject {
    Q_OBJECT
public:
    // `moved` is given the window's position when a move ends.
    WindowMover(QWidget* window, std::function<void(QPoint)> moved);

    // Starts a move from a left press on `source` at the pointer's global position.
    void begin(QWidget* source, QPoint globalPress);
    bool moving() const { return !source_.isNull() || systemMove_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finish();
    void endSystemMove();

    QWidget* window_;
    std::function<void(QPoint)> moved_;
    QPointer<QWidget> source_; // the pressed control while the move is our own
    QPoint pressGlobal_;
    QPoint startPos_;
    bool systemMove_ = false;
};

} // namespace platform

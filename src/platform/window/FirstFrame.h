// Tells once that a window's first frame is on screen: when the widget that fills the window
// has painted (after the rest of that frame), or, should it never paint, a while after the
// window was first shown. What waits for the first frame (the sounds) runs from it.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace platform {

class FirstFrame : public QObject {
public:
    FirstFrame(QWidget* filler, std::function<void()> onScreen);
    void shownAtTheLatest(int milliseconds); // from the window's first show
    bool isOnScreen() const { return onScreen_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void arrive();

    std::function<void()> notify_;
    bool onScreen_ = false;
};

} // namespace platform

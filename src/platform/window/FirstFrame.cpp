#include "platform/window/FirstFrame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace platform {

FirstFrame::FirstFrame(QWidget* filler, std::function<void()> onScreen)
    : QObject(filler)
    , notify_(std::move(onScreen)) {
    filler->installEventFilter(this);
}

void FirstFrame::shownAtTheLatest(int milliseconds) {
    QTimer::singleShot(milliseconds, this, [this] { arrive(); });
}

bool FirstFrame::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint && !onScreen_)
        QTimer::singleShot(0, this, [this] { arrive(); }); // after the whole frame
    return false;
}

void FirstFrame::arrive() {
    if (std::exchange(onScreen_, true)) return;
    parent()->removeEventFilter(this);
    notify_();
}

} // namespace platform

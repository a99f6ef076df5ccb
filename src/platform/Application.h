// The application object's duties: its title, and the boundary that keeps exceptions out of
// Qt's frames. Qt is built without exception support, so every handler of ours runs inside
// guarded(); what escapes is shown in the application's error box from a queued call.
#pragma once

#include <QString>
#include <exception>
#include <utility>

namespace platform {

void setApplicationTitle(const QString& title);
QString applicationTitle();

// Shows `message` in the application's error box once control is back in the event loop,
// so it is never shown from inside a paint or another handler.
void postApplicationError(const QString& message);

// Runs an event handler; an exception it throws is reported, and the program goes on.
template <class Handler> void guarded(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& e) {
        postApplicationError(QString::fromUtf8(e.what()));
    } catch (...) {
        postApplicationError(QStringLiteral("Unknown error."));
    }
}

} // namespace platform

class QApplication;

namespace platform {
// Title, style, fonts: what the application object is given before any window is built.
void initApplication(QApplication& app, const QString& title);

// Qt scales the window icon for each window it makes and keeps the copies in its pixmap cache,
// whose clean-up timer then wakes the program 30 s later. Once the window is on screen the
// copies are of no more use: dropping them leaves an idle game nothing to wake for.
void dropWindowIconCopies();
} // namespace platform

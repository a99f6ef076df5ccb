#include "platform/ReaderBus.h"

#ifdef BRAINLOCK_ATSPI_VISIBILITY
#include <QCoreApplication>
#include <QDBusConnection>
#include <future>
#endif

namespace platform {

#ifdef BRAINLOCK_ATSPI_VISIBILITY

namespace {

std::future<void>& connecting() {
    static std::future<void> connection;
    return connection;
}

// Qt's bus connections end with the application object; the thread must not outlive it.
void waitForConnection() {
    if (connecting().valid()) connecting().get();
}

} // namespace

void startConnectingReaderBus() {
    if (!QCoreApplication::instance() || connecting().valid()) return;
    // Qt keeps the first connection to the session bus as its own and hands it to every later
    // caller, the bridge included; a caller that comes while it is being made waits for it.
    connecting() = std::async(std::launch::async, [] { QDBusConnection::sessionBus(); });
    qAddPostRoutine(waitForConnection);
}

#else

void startConnectingReaderBus() {}

#endif

} // namespace platform

#include "platform/Application.h"

#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Pictures.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace platform {

namespace {
QString& titleStore() {
    static QString title;
    return title;
}
} // namespace

// Kept apart from QGuiApplication::applicationDisplayName, which X11 window titles would
// append to every caption ("Confirm — ...").
void setApplicationTitle(const QString& title) {
    titleStore() = title;
}

QString applicationTitle() {
    return titleStore();
}

void postApplicationError(const QString& message) {
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(
            app, [message] { guarded([&] { messageDialogs().applicationError(message); }); },
            Qt::QueuedConnection);
}

} // namespace platform

#include "platform/Accessibility.h"
#include "platform/ReaderBus.h"
#include "platform/ReaderVisibility.h"
#include "platform/widgets/Cursors.h"
#include "platform/widgets/Fonts.h"
#include "platform/window/WaylandDialogs.h"

#include <QApplication>
#include <QIcon>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleFactory>

namespace platform {

void initApplication(QApplication& app, const QString& title) {
    startConnectingReaderBus(); // while the style, the pictures and the fonts are made
    setApplicationTitle(title);
    // One style everywhere, so the fixed pixel layout looks the same on every desktop.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) {
        app.setStyle(style);
        app.setPalette(style->standardPalette()); // not the desktop theme's colours
    }
    // The desktop matches the windows to the menu entry, and shows the game's icon for them.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.norvane.brainlock"));
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addPixmap(picturePixmap(QStringLiteral(":/icons/%1x%1/brainlock.bgra").arg(size)));
    QApplication::setWindowIcon(icon);
    installFontSubstitutes();
    installAccessibility();
    installReaderVisibility();
    app.setFont(uiFont());
    registerCursors(); // before any window is built
    markDialogsModalOnWayland(app);
}

void dropWindowIconCopies() {
    QPixmapCache::clear();
}

} // namespace platform

#include "platform/system/Shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace platform {

namespace {
Shell* current = nullptr;

DesktopShell& desktopShell() {
    static DesktopShell instance;
    return instance;
}
} // namespace

void DesktopShell::open(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

Shell& shell() {
    return current ? *current : desktopShell();
}

void setShell(Shell* replacement) {
    current = replacement;
}

QUrl documentUrl(const QString& path, const QString& section) {
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (!section.isEmpty()) url.setFragment(section);
    return url;
}

QString locateFile(const QString& name) {
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString candidates[] = {
        QDir::current().filePath(name),
        QDir(appDir).filePath(name),
        QDir(appDir).filePath(QStringLiteral("../share/brainlock/") + name),
    };
    for (const QString& path : candidates)
        if (QFileInfo(path).isFile()) return QDir::cleanPath(path);
    return QDir::current().filePath(name);
}

} // namespace platform

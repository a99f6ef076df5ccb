#include "platform/widgets/Dialogs.h"

#include "platform/Application.h"
#include "platform/window/DialogWindow.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

namespace platform {

namespace {

// The box takes its final size before it is placed, and keeps it.
void centreOnScreen(QMessageBox& box) {
    box.adjustSize();
    box.setFixedSize(box.size());
    platform::centreOnScreen(box);
}

QString iconName(QMessageBox::Icon icon) {
    switch (icon) {
    case QMessageBox::Question:
        return QStringLiteral("Question");
    case QMessageBox::Information:
        return QStringLiteral("Information");
    case QMessageBox::Warning:
        return QStringLiteral("Warning");
    case QMessageBox::Critical:
        return QStringLiteral("Error");
    case QMessageBox::NoIcon:
        break;
    }
    return {};
}

int runBox(QMessageBox::Icon icon, const QString& caption, const QString& text, bool question) {
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, dialogOwner(), dialogWindowFlags());
    box.setObjectName(QStringLiteral("messageDialog"));
    // The icon tells a screen reader what kind of box it is; unnamed it would read "image".
    if (auto* picture = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
        picture->setAccessibleName(iconName(icon));
    box.setWindowModality(Qt::ApplicationModal);
    // which gave the box a parent anew, with a plain dialog's flags: ours again.
    box.setWindowFlags(dialogWindowFlags());
    if (question) {
        QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        centreOnScreen(box);
        box.exec();
        return box.clickedButton() == yes ? 1 : 0;
    }
    box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
    centreOnScreen(box);
    box.exec();
    return 0;
}

StandardMessageDialogs& standardDialogs() {
    static StandardMessageDialogs dialogs;
    return dialogs;
}

MessageDialogs* current = nullptr;

} // namespace

bool StandardMessageDialogs::confirm(const QString& text) {
    return runBox(QMessageBox::Question, QStringLiteral("Confirm"), text, true) == 1;
}

void StandardMessageDialogs::information(const QString& text) {
    runBox(QMessageBox::Information, QStringLiteral("Information"), text, false);
}

void StandardMessageDialogs::error(const QString& text) {
    runBox(QMessageBox::Critical, QStringLiteral("Error"), text, false);
}

// Errors also go to standard error, for a player who started the game from a terminal and
// for bug reports.
void logError(const QString& text) {
    std::fprintf(stderr, "brainlock: error: %s\n", text.toLocal8Bit().constData());
}

void StandardMessageDialogs::applicationError(const QString& text) {
    logError(text);
    runBox(QMessageBox::Critical, applicationTitle(), text, false);
}

MessageDialogs& messageDialogs() {
    return current ? *current : standardDialogs();
}

void setMessageDialogs(MessageDialogs* dialogs) {
    current = dialogs;
}

void showStartupError(const QString& text) {
    logError(text);
    runBox(QMessageBox::Critical, QStringLiteral("Application Error"), text, false);
}

} // namespace platform

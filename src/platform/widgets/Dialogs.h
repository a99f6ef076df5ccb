// The standard message dialogs (confirmation, information, error) and the application's
// error box. Callers go through messageDialogs(); tests install their own answers.
#pragma once

#include <QString>

namespace platform {

class MessageDialogs {
public:
    virtual ~MessageDialogs() = default;
    // "Confirm", question icon, "&Yes" (default) and "&No"; Escape answers No.
    virtual bool confirm(const QString& text) = 0;
    // "Information", information icon, "OK".
    virtual void information(const QString& text) = 0;
    // "Error", error icon, "OK".
    virtual void error(const QString& text) = 0;
    // The application's error box: caption the application title, error icon, "OK".
    virtual void applicationError(const QString& text) = 0;
};

// Modal QMessageBox dialogs centred on the screen.
class StandardMessageDialogs final : public MessageDialogs {
public:
    bool confirm(const QString& text) override;
    void information(const QString& text) override;
    void error(const QString& text) override;
    void applicationError(const QString& text) override;
};

MessageDialogs& messageDialogs();
// Replaces the dialogs in use; nullptr restores the standard ones. Not owned.
void setMessageDialogs(MessageDialogs* dialogs);

// The box shown when the main window cannot be built: caption "Application Error".
void showStartupError(const QString& text);

} // namespace platform

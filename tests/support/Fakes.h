// Stand-ins for the message dialogs and the shell, so tests answer dialogs without a modal
// loop and see what would have been opened.
#pragma once

#include "platform/widgets/Dialogs.h"
#include "platform/system/Shell.h"
#include "support/FixedClock.h"

#include <QStringList>
#include <QUrl>
#include <deque>
#include <vector>

namespace testing_support {

class FakeDialogs final : public platform::MessageDialogs {
public:
    FakeDialogs() { platform::setMessageDialogs(this); }
    ~FakeDialogs() override { platform::setMessageDialogs(nullptr); }

    bool confirm(const QString& text) override {
        shown << QStringLiteral("confirm:") + text;
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void information(const QString& text) override { shown << QStringLiteral("info:") + text; }
    void error(const QString& text) override { shown << QStringLiteral("error:") + text; }
    void applicationError(const QString& text) override {
        shown << QStringLiteral("application:") + text;
    }

    QStringList shown;
    std::deque<bool> answers; // confirmations answered in order; No when none is left
};

class FakeShell final : public platform::Shell {
public:
    FakeShell() { platform::setShell(this); }
    ~FakeShell() override { platform::setShell(nullptr); }
    void open(const QUrl& url) override { opened.push_back(url); }
    std::vector<QUrl> opened;
};

} // namespace testing_support

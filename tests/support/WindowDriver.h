// The main window as the widget tests drive it: a TfMain whose win and loss are written down
// (with what the window showed at that moment) instead of opening the dialog, which has tests
// of its own, whose options panel is built, and the presses a player makes: a key or button by its name, digits typed on
// the keypad, a guess, an item of an option group.
#pragma once

#include "controls/Seven.h"
#include "game/uMain.h"
#include "platform/widgets/StdCtrls.h"

#include <QAbstractButton>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

class DrivenMain : public game::TfMain {
public:
    // With the options panel built at once (as showing it first does), hidden: the tests
    // choose its items without showing it.
    explicit DrivenMain(const platform::UtcClock& clock)
        : TfMain(clock) {
        buildOptionsPanel();
    }

    struct Seen {
        bool won = false;
        QString left, numbers, place;
        std::string secret;
        int visibleDigits = 0;
    };
    std::vector<Seen> announcements;

    void AnnounceWin() override { record(true); }
    void AnnounceLoss() override { record(false); }

    void press(const QString& name) { findChild<QAbstractButton*>(name)->click(); }
    void type(std::string_view digits) {
        for (char digit : digits)
            press(QStringLiteral("sb") + QChar::fromLatin1(digit));
    }
    void guess(std::string_view digits) {
        type(digits);
        press(QStringLiteral("pbGuess"));
    }
    void choose(const QString& group, int item) {
        findChild<platform::TRadioGroup*>(group)
            ->findChildren<QAbstractButton*>()
            .at(item)
            ->click();
    }
    QString displayed(const char* display) const {
        return findChild<controls::TSevenSegment*>(QString::fromLatin1(display))->value();
    }

private:
    void record(bool won) {
        Seen seen{won,
                  displayed("ssLeft"),
                  displayed("ssNumbers"),
                  displayed("ssPlace"),
                  gameState().secret(),
                  0};
        for (int i = 1; i <= 6; ++i)
            seen.visibleDigits +=
                findChild<controls::TSevenSegment*>(QStringLiteral("ssNum%1").arg(i))->isVisible();
        announcements.push_back(seen);
    }
};

} // namespace testing_support

// Plays the real main window with a seeded random generator, event after event, and checks
// after every one that what the window shows agrees with the game and the settings.
// BRAINLOCK_SOAK_EVENTS sets the number of events (10 000 by default), BRAINLOCK_SOAK_SEED
// replays a run exactly; the seed in use is printed.
#include "controls/Seven.h"
#include "game/PanelLayout.h"
#include "game/uMain.h"
#include "platform/widgets/StdCtrls.h"
#include "support/Fakes.h"
#include "support/ScratchConfig.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

#include "support/WindowDriver.h"
#include <random>

using game::TfMain;
using platform::TRadioGroup;
using namespace testing_support;

namespace {

unsigned long environmentNumber(const char* name, unsigned long fallback) {
    const QByteArray text = qgetenv(name);
    bool ok = false;
    const unsigned long value = text.toULong(&ok);
    return ok ? value : fallback;
}

class Soak {
public:
    explicit Soak(std::uint32_t seed)
        : random_(seed) {
        window_ = std::make_unique<DrivenMain>(clock_);
        window_->show();
        QApplication::processEvents();
    }

    void step() {
        clock_.time.millisecond = static_cast<int>(random_() % 1000); // new secrets vary
        clock_.time.second = static_cast<int>(random_() % 60);
        dialogs_.answers = {random_() % 2 == 0, random_() % 2 == 0};
        const unsigned choice = random_() % 100;
        if (choice < 55)
            click(QStringLiteral("sb%1").arg(random_() % 10));
        else if (choice < 60)
            click(random_() % 2 ? QStringLiteral("sbClear") : QStringLiteral("sbBack"));
        else if (choice < 80)
            click(QStringLiteral("pbGuess"));
        else if (choice < 82)
            choose("GiveUp1");
        else if (choice < 86)
            choose(random_() % 2 ? "mLogs" : "mOptions");
        else if (choice < 94)
            chooseOption();
        else
            drag();
    }

    // What the window shows agrees with the game and the settings.
    void check(unsigned long event) const {
        const game::GameState& game = window_->gameState();
        SCOPED_TRACE(testing::Message() << "after event " << event);
        int visible = 0;
        for (int i = 1; i <= 6; ++i)
            visible += find<QWidget>(QStringLiteral("ssNum%1").arg(i))->isVisible();
        ASSERT_EQ(visible, static_cast<int>(game.entry().size()));
        // Two digits with leading zeros, showing the guesses left.
        auto* left = find<controls::TSevenSegment>(QStringLiteral("ssLeft"));
        ASSERT_EQ(left->value(), QString::number(game.guessesLeft()));
        ASSERT_TRUE(left->leadingZeros() && left->numberOfDigit() == 2);
        auto* grid = find<platform::TStringGrid>(QStringLiteral("sgLogs"));
        int filled = 0;
        for (int row = 0; row < grid->rowCount(); ++row)
            filled += !grid->cell(0, row).isEmpty();
        ASSERT_EQ(filled, std::min(static_cast<int>(game.log().size()), grid->rowCount()));
        const game::TSettings& settings = window_->Settings;
        ASSERT_EQ(window_->width(), game::windowWidth(settings.Logs, settings.Option,
                                                      game::extraWidthFor(game.digitCount())));
        ASSERT_EQ(action("mLogs")->text(),
                  settings.Logs ? QStringLiteral("Hide &Logs") : QStringLiteral("Show &Logs"));
        ASSERT_EQ(action("mOptions")->text(), settings.Option ? QStringLiteral("Hide &Options")
                                                              : QStringLiteral("Show &Options"));
        ASSERT_EQ(group("rgDigit")->itemIndex(), settings.Digit - 4);
        ASSERT_EQ(group("rgDuplicate")->itemIndex(), settings.Duplicate ? 0 : 1);
        ASSERT_EQ(group("rgMusic")->itemIndex(), settings.Music ? 0 : 1);
        ASSERT_EQ(group("rgSound")->itemIndex(), settings.Sound ? 0 : 1);
        // A change waits greyed only in a game with guesses; a new game takes it.
        if (game.log().empty()) {
            ASSERT_TRUE(group("rgDigit")->isEnabled());
            ASSERT_TRUE(group("rgDuplicate")->isEnabled());
        }
    }

private:
    template <class T> T* find(const QString& name) const { return window_->findChild<T*>(name); }
    QAction* action(const char* name) const { return find<QAction>(QString::fromLatin1(name)); }
    // A menu item chosen: its handler runs once the menu has closed.
    void choose(const char* name) {
        action(name)->trigger();
        QApplication::processEvents();
    }
    TRadioGroup* group(const char* name) const {
        return find<TRadioGroup>(QString::fromLatin1(name));
    }
    void click(const QString& name) { window_->press(name); }

    // A click on an item of an option group, as the player makes it (a greyed group takes none).
    void chooseOption() {
        const char* names[] = {"rgDigit", "rgDuplicate", "rgMusic", "rgSound"};
        TRadioGroup* chosen = group(names[random_() % 4]);
        if (!chosen->isEnabled()) return;
        const QList<QAbstractButton*> items = chosen->findChildren<QAbstractButton*>();
        items.at(static_cast<qsizetype>(random_() % static_cast<unsigned>(items.size())))->click();
    }

    void drag() {
        QWidget* title = find<QWidget>(QStringLiteral("lTitle"));
        const QPoint to(static_cast<int>(random_() % 60), static_cast<int>(random_() % 40));
        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(title, to);
        QTest::mouseRelease(title, Qt::LeftButton, {}, to);
    }

    ScratchConfig config_;
    FixedClock clock_;
    FakeDialogs dialogs_;
    std::mt19937 random_;
    std::unique_ptr<DrivenMain> window_;
};

} // namespace

TEST(Soak, RandomPlayKeepsTheWindowTrueToTheGame) {
    const auto seed = static_cast<std::uint32_t>(
        environmentNumber("BRAINLOCK_SOAK_SEED", std::random_device{}()));
    const unsigned long events = environmentNumber("BRAINLOCK_SOAK_EVENTS", 10000);
    std::printf("soak: %lu events, seed %u (BRAINLOCK_SOAK_SEED=%u replays it)\n", events, seed,
                seed);
    Soak soak(seed);
    for (unsigned long event = 1; event <= events; ++event) {
        soak.step();
        soak.check(event);
        if (testing::Test::HasFatalFailure()) {
            std::printf("soak: failed at event %lu of seed %u\n", event, seed);
            return;
        }
    }
}

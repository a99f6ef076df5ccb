#include "game/uMain.h"
#include "platform/widgets/StdCtrls.h"
#include "support/Fakes.h"
#include "support/ScratchConfig.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

#include "support/WindowDriver.h"

using game::TfMain;
using platform::TRadioGroup;
using namespace testing_support;

namespace {

class Settings : public ::testing::Test {
protected:
    void start() {
        window = std::make_unique<DrivenMain>(clock);
        window->show();
        QApplication::processEvents(); // errors from the create handler arrive queued
    }
    void restart() {
        window.reset(); // saves, as a normal exit does
        start();
    }
    void writeConfig(const QByteArray& text) {
        QDir().mkpath(config.vendorFolder());
        QFile file(config.file());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QString stored(const char* name) {
        QSettings ini(config.file(), QSettings::IniFormat);
        return ini.value(QString::fromLatin1(name)).toString();
    }
    TRadioGroup* group(const char* name) {
        return window->findChild<TRadioGroup*>(QString::fromLatin1(name));
    }
    // Clicks an item of an option group as the player does.
    void choose(const char* name, int item) { window->choose(QString::fromLatin1(name), item); }
    void guess(const char* digits) { window->guess(digits); }

    ScratchConfig config;
    FixedClock clock{kSeed12345}; // secret 3205
    FakeDialogs dialogs;
    std::unique_ptr<DrivenMain> window;
};

} // namespace

TEST_F(Settings, AFirstRunWritesTheDefaultsAndOpensWithThem) {
    start();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    ASSERT_TRUE(QFileInfo(config.file()).isFile());
    const std::pair<const char*, const char*> defaults[] = {
        {"Left", "300"}, {"Top", "132"}, {"Digit", "4"}, {"Duplicate", "0"},
        {"Music", "1"},  {"Sound", "1"}, {"Logs", "1"},  {"Option", "0"}};
    for (const auto& [name, value] : defaults)
        EXPECT_EQ(stored(name), QString::fromLatin1(value)) << name;
    EXPECT_EQ(window->pos(), QPoint(300, 132));
    EXPECT_EQ(window->width(), 328);
    EXPECT_EQ(group("rgDigit")->itemIndex(), 0);
    EXPECT_EQ(group("rgDuplicate")->itemIndex(), 1);
    EXPECT_EQ(group("rgMusic")->itemIndex(), 0);
    EXPECT_EQ(group("rgSound")->itemIndex(), 0);
}

TEST_F(Settings, EverythingChangedInARunIsBackAfterARestart) {
    start();
    window->findChild<QAction*>(QStringLiteral("mOptions"))->trigger();
    QApplication::processEvents(); // the item runs once the menu has closed
    window->findChild<QAction*>(QStringLiteral("mLogs"))->trigger();
    QApplication::processEvents(); // the item runs once the menu has closed
    choose("rgDigit", 1);          // nothing logged yet: a new five-digit game at once
    choose("rgDuplicate", 0);
    choose("rgMusic", 1);
    choose("rgSound", 1);
    window->move(420, 200);
    window->Settings.Left = 420; // as a drag leaves them
    window->Settings.Top = 200;
    EXPECT_EQ(stored("Digit"), QStringLiteral("4")); // nothing is written before the exit
    restart();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(stored("Digit"), QStringLiteral("5"));
    EXPECT_EQ(window->pos(), QPoint(420, 200));
    EXPECT_EQ(window->gameState().digitCount(), 5);
    EXPECT_EQ(window->width(), 328 + 32); // the options panel alone, five digits
    EXPECT_FALSE(window->Settings.Logs);
    EXPECT_TRUE(window->Settings.Option);
    EXPECT_TRUE(window->Settings.Duplicate);
    EXPECT_FALSE(window->Settings.Music);
    EXPECT_FALSE(window->Settings.Sound);
    EXPECT_EQ(group("rgDuplicate")->itemIndex(), 0);
    EXPECT_EQ(group("rgSound")->itemIndex(), 1);
}

TEST_F(Settings, DamagedStoresAreReportedAndTheGamePlaysOn) {
    // A value of the wrong type: reported; what was read is applied and the window laid out.
    writeConfig("[General]\nLeft=50\nTop=60\nDigit=five\nDuplicate=1\n");
    start();
    EXPECT_EQ(dialogs.shown,
              QStringList{QStringLiteral("application:Invalid data type for 'Digit'")});
    EXPECT_EQ(window->pos(), QPoint(50, 60));
    EXPECT_EQ(window->gameState().digitCount(), 4);
    EXPECT_EQ(group("rgDigit")->itemIndex(), 0);
    EXPECT_FALSE(window->Settings.Duplicate); // not read: the first-run value
    restart();                                // the exit wrote every field, mending the file
    EXPECT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(stored("Digit"), QStringLiteral("4"));

    dialogs.shown.clear();
    window.reset();
    writeConfig("[General]\nLeft=50\n");
    start();
    EXPECT_EQ(dialogs.shown,
              QStringList{QStringLiteral("application:Failed to get data for 'Top'")});

    // A file that cannot be written at exit: reported, and the program still ends.
    dialogs.shown.clear();
    QFile::remove(config.file());
    QDir().mkpath(config.file());
    window.reset();
    EXPECT_EQ(dialogs.shown,
              QStringList{QStringLiteral("application:Failed to set data for 'Left'")});
}

TEST_F(Settings, UnusableLevelsAndUnreadableFilesKeepTheDefaults) {
    QDir().mkpath(config.path());
    QFile plain(config.vendorFolder());
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    start();
    EXPECT_EQ(dialogs.shown,
              QStringList{QStringLiteral("application:Failed to create key Norvane")});
    EXPECT_EQ(window->pos(), QPoint(300, 132));
    EXPECT_EQ(window->gameState().digitCount(), 4);
    dialogs.shown.clear();
    window.reset(); // nothing to save into, and nothing more to say
    EXPECT_TRUE(dialogs.shown.isEmpty());
    QFile::remove(config.vendorFolder());

    writeConfig(""); // an empty key: a first run
    start();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(stored("Top"), QStringLiteral("132"));
    window.reset();

    writeConfig(QByteArray("\x01\xff[Gen\x00\xfe\nLeft\n=\n", 16));
    start();
    EXPECT_EQ(dialogs.shown,
              QStringList{QStringLiteral("application:Invalid data type for 'Left'")});
    window.reset();
    EXPECT_TRUE(QFileInfo(config.file() + QStringLiteral(".damaged")).isFile());
    EXPECT_EQ(stored("Left"), QStringLiteral("300"));
}

TEST_F(Settings, StoredNumbersAreBroughtIntoThePlayableRange) {
    writeConfig("[General]\nLeft=300\nTop=132\nDigit=7\nDuplicate=0\nMusic=1\nSound=1\nLogs=1\n"
                "Option=0\n");
    start();
    EXPECT_EQ(window->Settings.Digit, 6); // "6" is selected, and its handler agrees
    EXPECT_EQ(group("rgDigit")->itemIndex(), 2);
    EXPECT_EQ(window->gameState().digitCount(), 6);
    window.reset();

    writeConfig("[General]\nLeft=300\nTop=132\nDigit=2\nDuplicate=0\nMusic=1\nSound=1\nLogs=1\n"
                "Option=0\n");
    start();
    EXPECT_EQ(window->Settings.Digit, 4);
    EXPECT_EQ(group("rgDigit")->itemIndex(), 0);
}

TEST_F(Settings, AWindowLeftOffEveryScreenComesBackOnOne) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    writeConfig("[General]\nLeft=-5000\nTop=-5000\nDigit=4\nDuplicate=0\nMusic=1\nSound=1\n"
                "Logs=1\nOption=0\n");
    start();
    EXPECT_EQ(window->pos(), screen.topLeft());
    EXPECT_EQ(window->Settings.Left, screen.left());
    window.reset();
    // Partly off, with some of the title strip on the screen: applied as stored.
    writeConfig("[General]\nLeft=-100\nTop=10\nDigit=4\nDuplicate=0\nMusic=1\nSound=1\n"
                "Logs=1\nOption=0\n");
    start();
    EXPECT_EQ(window->pos(), QPoint(-100, 10));
}

// The option policy is tested without the window; here, what the window shows of it.
TEST_F(Settings, AnOptionThatWaitsIsGreyedShowingItsChoiceUntilTheNextGame) {
    start();
    choose("rgDigit", 1); // nothing logged: a new game at once, no question
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(window->width(), 360);

    guess("12345");
    dialogs.answers = {false};
    choose("rgDigit", 2);
    EXPECT_EQ(dialogs.shown,
              (QStringList{"confirm:Option has been changed.\r\nDo you want to regenerate new "
                           "numbers ?",
                           "info:The Option will work in the next game"}));
    EXPECT_FALSE(group("rgDigit")->isEnabled());
    EXPECT_EQ(group("rgDigit")->itemIndex(), 2); // greyed, showing the new choice
    dialogs.answers = {false};
    choose("rgDuplicate", 0);
    EXPECT_FALSE(group("rgDuplicate")->isEnabled());

    window->findChild<QAction*>(QStringLiteral("GiveUp1"))->trigger();
    QApplication::processEvents(); // the item runs once the menu has closed
    EXPECT_EQ(window->width(), 328 + 64);
    EXPECT_TRUE(group("rgDigit")->isEnabled());
    EXPECT_TRUE(group("rgDuplicate")->isEnabled());
}

// The options panel is built as it is first shown, and then shows what the settings hold; with
// the panel stored as shown, it is built at once.
TEST_F(Settings, TheOptionsPanelIsBuiltWhenFirstShownWithTheStoredChoices) {
    writeConfig("[General]\nLeft=300\nTop=132\nDigit=5\nDuplicate=1\nMusic=0\nSound=1\nLogs=1\n"
                "Option=0\n");
    auto main = std::make_unique<TfMain>(clock);
    main->show();
    EXPECT_EQ(main->findChild<TRadioGroup*>(QStringLiteral("rgDigit")), nullptr);
    main->findChild<QAction*>(QStringLiteral("mOptions"))->trigger();
    QApplication::processEvents(); // the item runs once the menu has closed
    const auto groupOf = [&](const char* name) {
        return main->findChild<TRadioGroup*>(QString::fromLatin1(name));
    };
    ASSERT_NE(groupOf("rgDigit"), nullptr);
    EXPECT_TRUE(groupOf("rgDigit")->isVisible());
    EXPECT_EQ(groupOf("rgDigit")->itemIndex(), 1);
    EXPECT_EQ(groupOf("rgDuplicate")->itemIndex(), 0);
    EXPECT_EQ(groupOf("rgMusic")->itemIndex(), 1);
    EXPECT_EQ(groupOf("rgSound")->itemIndex(), 0);
    EXPECT_EQ(main->width(), 474 + 32);
    EXPECT_EQ(main->findChild<QWidget*>(QStringLiteral("imgOptLeft"))->x(), 327 + 32);
    EXPECT_TRUE(dialogs.shown.isEmpty()); // showing the stored choices ran no handler
    groupOf("rgDigit")->findChildren<QAbstractButton*>().at(2)->click();
    EXPECT_EQ(main->gameState().digitCount(), 6); // and a choice now runs its handler
    main.reset();

    writeConfig("[General]\nLeft=300\nTop=132\nDigit=4\nDuplicate=0\nMusic=1\nSound=1\nLogs=0\n"
                "Option=1\n");
    main = std::make_unique<TfMain>(clock);
    ASSERT_NE(groupOf("rgDigit"), nullptr);
    EXPECT_EQ(groupOf("rgMusic")->itemIndex(), 0);
    EXPECT_EQ(main->findChild<QWidget*>(QStringLiteral("imgOptLeft"))->x(), 181);
}

// To the keyboard and to a screen reader the options are radio groups: an arrow key moves the
// choice and runs the click handler, Toggle runs it too, a greyed group does nothing, and one
// item at most is checked. Tab passes through the tries log.
TEST_F(Settings, OptionGroupsAreRadioGroupsToTheKeyboardAndToReaders) {
    start();
    window->findChild<QAction*>(QStringLiteral("mOptions"))->trigger();
    QApplication::processEvents();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const auto items = [this](const char* name) {
        return group(name)->findChildren<QRadioButton*>();
    };
    const auto checked = [&](const char* name) {
        int count = 0;
        for (QRadioButton* item : items(name))
            count += item->isChecked();
        return count;
    };
    items("rgDigit").at(0)->setFocus();
    QTest::keyClick(items("rgDigit").at(0), Qt::Key_Down);
    EXPECT_TRUE(items("rgDigit").at(1)->isChecked());
    EXPECT_EQ(checked("rgDigit"), 1);
    EXPECT_EQ(window->gameState().digitCount(), 5); // the handler ran: a new game at once

    guess("12345");
    dialogs.answers = {false};
    const auto toggle = [](QRadioButton* item) {
        QAccessible::queryAccessibleInterface(item)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
        QApplication::processEvents();
    };
    toggle(items("rgDigit").at(2)); // asked, answered No: greyed with the new choice
    EXPECT_FALSE(group("rgDigit")->isEnabled());
    toggle(items("rgDigit").at(0)); // greyed: nothing
    EXPECT_EQ(group("rgDigit")->itemIndex(), 2);
    EXPECT_EQ(checked("rgDigit"), 1);
    EXPECT_EQ(dialogs.shown.size(), 2);
    // Behind a modal box an enabled group does nothing either, as a click could not reach it.
    QDialog box(window.get());
    box.setModal(true);
    box.show();
    const int music = group("rgMusic")->itemIndex();
    toggle(items("rgMusic").at(1 - music));
    EXPECT_EQ(group("rgMusic")->itemIndex(), music);
    box.hide();

    QWidget* log = window->findChild<QWidget*>(QStringLiteral("sgLogs"));
    log->setFocus();
    QTest::keyClick(log, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), log);
}

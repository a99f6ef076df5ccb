#include "about/uAbout.h"
#include "controls/ProCtrls.h"
#include "controls/ProDlgs.h"
#include "controls/Seven.h"
#include "game/uMain.h"
#include "platform/widgets/StdCtrls.h"
#include "support/Fakes.h"
#include "support/ScratchConfig.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "support/WindowDriver.h"

using controls::TSevenSegment;
using game::TfMain;
using namespace testing_support;

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<DrivenMain>(clock);
        window->setTerminateHandler([this] { ++terminated; });
        window->show(); // the first show starts the first game: secret 3205
        ASSERT_EQ(window->gameState().secret(), "3205");
    }

    template <class T = QWidget> T* child(const QString& name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    TSevenSegment* display(const QString& name) const { return child<TSevenSegment>(name); }
    QString value(const QString& name) const { return display(name)->value(); }
    platform::TStringGrid* logs() const { return child<platform::TStringGrid>("sgLogs"); }
    QAction* action(const QString& name) const { return child<QAction>(name); }
    // A menu item chosen: its handler runs once the menu has closed.
    void choose(const QString& name) {
        action(name)->trigger();
        QApplication::processEvents();
    }

    void press(const QString& key) { window->press(key); }
    // The "X" buttons are drawn on the skin and click on a release inside.
    void clickX(const QString& name) { QTest::mouseClick(child(name), Qt::LeftButton, {}, {8, 8}); }
    void type(const std::string& digits) { window->type(digits); }
    void guess(const std::string& digits) { window->guess(digits); }
    // Which entry displays are visible, slot 1 first.
    std::vector<bool> visibleSlots() const {
        std::vector<bool> shown;
        for (int i = 1; i <= 6; ++i)
            shown.push_back(display(QStringLiteral("ssNum%1").arg(i))->isVisible());
        return shown;
    }

    ScratchConfig config;
    FixedClock clock{kSeed12345};
    FakeDialogs dialogs;
    FakeShell shell;
    std::unique_ptr<DrivenMain> window;
    int terminated = 0;
};

const std::vector<bool> kNoneVisible(6, false);

} // namespace

TEST_F(MainWindow, OpensBorderlessAtItsPlaceWithTheGamePanel) {
    EXPECT_EQ(window->pos(), QPoint(300, 132));
    EXPECT_EQ(window->size(), QSize(328, 304)); // the tries log is shown on a first run
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Brainlock Game"));
    EXPECT_EQ(display("ssLeft")->geometry(), QRect(112, 172, 41, 41));
    EXPECT_EQ(display("ssNumbers")->geometry(), QRect(16, 224, 18, 26));
    EXPECT_EQ(display("ssNum6")->geometry(), QRect(192, 40, 25, 41));
    EXPECT_EQ(child("sb0")->geometry(), QRect(48, 192, 25, 23));
    EXPECT_EQ(child("sb9")->geometry(), QRect(72, 120, 24, 23));
    EXPECT_EQ(child("pbGuess")->geometry(), QRect(104, 120, 57, 49));
    EXPECT_EQ(child("tbCloseMain")->geometry(), QRect(163, 1, 17, 17));
    EXPECT_EQ(value("ssLeft"), QStringLiteral("11"));
    EXPECT_EQ(kNoneVisible, visibleSlots());
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(child(QStringLiteral("lQM%1").arg(i))->isVisible(), i <= 4) << i;
    EXPECT_EQ(QFontInfo(child("lTitle")->font()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(child("lQM1")->font()).family(), QStringLiteral("Liberation Serif"));
    // Keypad buttons never take the focus; the Guess button has it.
    EXPECT_EQ(child("sb5")->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(child("sbBack")->focusPolicy(), Qt::NoFocus);
    EXPECT_NE(child("pbGuess")->focusPolicy(), Qt::NoFocus);
}

TEST_F(MainWindow, TypingShowsDigitsInTheirSlotsAndAFullEntryIsAnError) {
    type("32");
    EXPECT_EQ(visibleSlots(), (std::vector<bool>{true, true, false, false, false, false}));
    EXPECT_EQ(value("ssNum1"), QStringLiteral("3"));
    EXPECT_EQ(value("ssNum2"), QStringLiteral("2"));
    type("32"); // repeats are refused without a word
    EXPECT_EQ(window->gameState().entry(), "32");
    EXPECT_TRUE(dialogs.shown.isEmpty());
    type("10");
    type("9");
    EXPECT_EQ(dialogs.shown, (QStringList{"error:Sorry, you cannot add more number"}));
    EXPECT_EQ(window->gameState().entry(), "3210");
    type("9");
    EXPECT_EQ(dialogs.shown.size(), 2); // every further press asks again
}

TEST_F(MainWindow, RepeatsFollowTheOptionAtTheTimeOfTyping) {
    window->Settings.Duplicate = true;
    type("77");
    EXPECT_EQ(window->gameState().entry(), "77");
    window->Settings.Duplicate = false;
    type("7");
    EXPECT_EQ(window->gameState().entry(), "77");
}

TEST_F(MainWindow, ClearAndBackEmptySlots) {
    press("sbBack"); // nothing typed: nothing changes
    EXPECT_EQ(kNoneVisible, visibleSlots());
    type("123");
    press("sbBack");
    EXPECT_EQ(visibleSlots(), (std::vector<bool>{true, true, false, false, false, false}));
    EXPECT_EQ(window->gameState().entry(), "12");
    press("sbClear");
    EXPECT_EQ(kNoneVisible, visibleSlots());
    EXPECT_EQ(window->gameState().entry(), "");
}

TEST_F(MainWindow, AnIncompleteGuessIsIgnored) {
    guess("123");
    EXPECT_EQ(value("ssLeft"), QStringLiteral("11"));
    EXPECT_EQ(value("ssNumbers"), QStringLiteral("0"));
    EXPECT_EQ(logs()->cell(0, 0), QString());
    EXPECT_EQ(window->gameState().entry(), "123");
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(MainWindow, ElevenWrongGuessesLoseAndTheNextGameStartsEmpty) {
    EXPECT_EQ(logs()->rowCount(), 10);
    EXPECT_EQ(logs()->columnCount(), 2);
    for (int i = 1; i <= 10; ++i) {
        guess("1234"); // against 3205: 2 in common, 1 in place
        EXPECT_EQ(value("ssLeft").toInt(), 11 - i);
        EXPECT_EQ(value("ssNumbers"), QStringLiteral("2"));
        EXPECT_EQ(value("ssPlace"), QStringLiteral("1"));
        EXPECT_EQ(logs()->cell(0, i - 1), QStringLiteral("1234"));
        EXPECT_EQ(logs()->cell(1, i - 1), QStringLiteral("2/1"));
        EXPECT_EQ(kNoneVisible, visibleSlots());
    }
    EXPECT_EQ(window->gameState().guessesLeft(), 1);
    EXPECT_TRUE(window->announcements.empty());
    guess("5678"); // the eleventh: lost, a new game with the same secret follows
    ASSERT_EQ(window->announcements.size(), 1u);
    const DrivenMain::Seen& loss = window->announcements[0];
    EXPECT_FALSE(loss.won);
    EXPECT_EQ(loss.left.toInt(), 0); // shown as 00 while the loss is announced
    EXPECT_EQ(loss.numbers, QStringLiteral("1"));
    EXPECT_EQ(loss.secret, "3205");
    EXPECT_EQ(value("ssLeft"), QStringLiteral("11"));
    EXPECT_EQ(value("ssNumbers"), QStringLiteral("0"));
    EXPECT_EQ(logs()->rowCount(), 10);
    for (int row = 0; row < 10; ++row) {
        EXPECT_EQ(logs()->cell(0, row), QString()) << row;
        EXPECT_EQ(logs()->cell(1, row), QString()) << row;
    }
    EXPECT_TRUE(window->gameState().log().empty());
    EXPECT_EQ(kNoneVisible, visibleSlots());
}

TEST_F(MainWindow, GuessesLeftShowsTwoDigitsWithALeadingZero) {
    for (int i = 0; i < 10; ++i)
        guess("1234");
    const std::optional<QImage> image = display("ssLeft")->renderImage();
    ASSERT_TRUE(image);
    // "1" lights neither the top of the left cell; "0" lights its top segment.
    const QColor red = platform::toQColor(platform::clRed);
    EXPECT_EQ(image->pixelColor(10, 4), red);  // top of the left cell: a 0
    EXPECT_NE(image->pixelColor(30, 4), red);  // top of the right cell: a 1
    EXPECT_EQ(image->pixelColor(36, 11), red); // its upper right
}

TEST_F(MainWindow, AWinStartsTheNextGame) {
    guess("1234");
    guess("3205");
    ASSERT_EQ(window->announcements.size(), 1u);
    const DrivenMain::Seen& win = window->announcements[0];
    EXPECT_TRUE(win.won);
    // The typed digits and both full scores stay on display while the win is announced.
    EXPECT_EQ(win.numbers, QStringLiteral("4"));
    EXPECT_EQ(win.place, QStringLiteral("4"));
    EXPECT_EQ(win.visibleDigits, 4);
    EXPECT_EQ(win.left, QStringLiteral("10"));
    EXPECT_EQ(value("ssLeft"), QStringLiteral("11"));
    EXPECT_EQ(value("ssNumbers"), QStringLiteral("0"));
    EXPECT_EQ(value("ssPlace"), QStringLiteral("0"));
    EXPECT_EQ(logs()->cell(0, 0), QString());
    EXPECT_EQ(window->gameState().entry(), "");
}

TEST_F(MainWindow, GiveUpStartsANewGameAtAnyMoment) {
    choose("GiveUp1"); // before the first guess
    ASSERT_EQ(window->announcements.size(), 1u);
    EXPECT_FALSE(window->announcements[0].won);
    EXPECT_EQ(window->announcements[0].secret, "3205");
    EXPECT_EQ(value("ssLeft"), QStringLiteral("11"));
    guess("1234");
    type("56");
    clock.time.millisecond = 346;
    choose("GiveUp1");
    EXPECT_NE(window->gameState().secret(), "3205");
    EXPECT_EQ(window->gameState().entry(), "");
    EXPECT_EQ(logs()->cell(0, 0), QString());
    EXPECT_EQ(value("ssLeft"), QStringLiteral("11"));
    EXPECT_EQ(kNoneVisible, visibleSlots());
}

TEST_F(MainWindow, ExitAsksFirst) {
    dialogs.answers = {false, true, true};
    clickX("tbCloseMain");
    EXPECT_EQ(dialogs.shown, (QStringList{"confirm:Are you sure want to exit Brainlock Game ?"}));
    EXPECT_EQ(terminated, 0);
    clickX("tbCloseMain");
    EXPECT_EQ(terminated, 1);
    choose("mExit");
    EXPECT_EQ(terminated, 2);
}

TEST_F(MainWindow, PopupMenuHasItsSevenItemsInOrder) {
    auto* menu = child<QMenu>("puMain");
    QStringList texts;
    for (QAction* item : menu->actions()) {
        texts << (item->isSeparator() ? QStringLiteral("-") : item->text());
        if (!item->isSeparator()) {
            EXPECT_FALSE(item->icon().isNull()) << item->text().toStdString();
        }
    }
    EXPECT_EQ(texts, (QStringList{"Give &Up", "&Help Contents", "-", "Hide &Logs", "Show &Options",
                                  "-", "E&xit"}));
    for (const char* name :
         {"lTitle", "lCorrect", "lPlace", "ssLeft", "ssNum1", "imgAbout", "imgMainLeft",
          "imgLogBody", "imgOptRight", "lLog", "lOptions", "rgDigit", "rgSound"})
        EXPECT_EQ(child(name)->contextMenuPolicy(), Qt::CustomContextMenu) << name;
    // The keypad, the grid, the "?" marks and the panel's own bevel open nothing.
    EXPECT_EQ(child("sb1")->contextMenuPolicy(), Qt::PreventContextMenu);
    EXPECT_EQ(child("sgLogs")->contextMenuPolicy(), Qt::PreventContextMenu);
    for (const char* name : {"lQM1", "Panel1"})
        EXPECT_NE(child(name)->contextMenuPolicy(), Qt::CustomContextMenu) << name;
}

TEST_F(MainWindow, HelpOpensTheDocumentAtTheControlsSection) {
    choose("HelpContents1");
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_TRUE(shell.opened[0].toLocalFile().endsWith(QStringLiteral("/brainlock.html")));
    EXPECT_EQ(shell.opened[0].fragment(), QString());

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QCursor::setPos(0, 0); // away from the window: the focused control decides
    child("pbGuess")->setFocus();
    QTest::keyClick(window.get(), Qt::Key_F1);
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[1].fragment(), QStringLiteral("guess"));
}

// Enter on the focused Guess button submits; Alt+G does wherever the focus is, with the
// options panel shown too, whose digit group "# Di&git" shares the G.
TEST_F(MainWindow, EnterOnGuessAndAltGSubmit) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    type("1234");
    child("pbGuess")->setFocus();
    QTest::keyClick(child("pbGuess"), Qt::Key_Return);
    EXPECT_EQ(logs()->cell(0, 0), QStringLiteral("1234"));

    const auto altG = [&](const std::string& digits, int row) {
        type(digits);
        logs()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return logs()->cell(0, row) == digits.c_str(); }))
            << digits << " not submitted by Alt+G";
    };
    altG("5678", 1);
    choose("mOptions");
    ASSERT_TRUE(child("rgDigit")->isVisible());
    altG("1278", 2);
    EXPECT_EQ(child("rgDigit")->findChildren<QRadioButton*>()[0]->hasFocus(), false);
}

TEST_F(MainWindow, TheDigitOptionSizesTheNextGame) {
    window->Settings.Digit = 6;
    guess("1234"); // the running game keeps its four digits
    EXPECT_EQ(window->gameState().digitCount(), 4);
    choose("GiveUp1");
    EXPECT_EQ(window->gameState().digitCount(), 6);
    EXPECT_EQ(value("ssLeft"), QStringLiteral("21"));
    EXPECT_EQ(logs()->rowCount(), 20);
    EXPECT_EQ(logs()->cell(0, 0), QString()); // the last game's row is emptied
    EXPECT_EQ(window->extraWidth(), 64);
    EXPECT_EQ(window->width(), 392);
    EXPECT_EQ(child("tbCloseMain")->x(), 227);
    EXPECT_TRUE(child("lQM5")->isVisible());
    EXPECT_TRUE(child("lQM6")->isVisible());
    type("012345");
    EXPECT_EQ(visibleSlots(), std::vector<bool>(6, true));

    window->Settings.Digit = 5;
    window->StartNewGame();
    EXPECT_EQ(value("ssLeft"), QStringLiteral("16"));
    EXPECT_TRUE(child("lQM5")->isVisible());
    EXPECT_FALSE(child("lQM6")->isVisible());
    EXPECT_EQ(window->width(), 360);
    EXPECT_EQ(kNoneVisible, visibleSlots());

    // A digit count out of range plays the nearest size the game has.
    window->Settings.Digit = 9;
    window->StartNewGame();
    EXPECT_EQ(window->gameState().digitCount(), 6);
    EXPECT_EQ(logs()->rowCount(), 20);
    EXPECT_EQ(window->width(), 392);
    window->Settings.Digit = -1;
    window->StartNewGame();
    EXPECT_EQ(logs()->rowCount(), 10);
    EXPECT_EQ(value("ssLeft"), QStringLiteral("11"));
}

TEST_F(MainWindow, ThePictureOpensTheAboutWindowModally) {
    TfAbout about;
    window->setAboutWindow(&about);
    QString seenTitle;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_EQ(modal, &about);
        seenTitle = modal->windowTitle();
        about.findChild<QAbstractButton*>("bbClose")->click();
    });
    QTest::mouseClick(child("imgAbout"), Qt::LeftButton);
    EXPECT_EQ(seenTitle, QStringLiteral("About Brainlock Game"));
    EXPECT_FALSE(about.isVisible());
}

TEST_F(MainWindow, FirstRunShowsTheTriesLogBesideTheSkinnedGamePanel) {
    EXPECT_EQ(child("imgMainLeft")->geometry(), QRect(2, 2, 27, 300));
    EXPECT_EQ(child("imgMainBody")->geometry(), QRect(26, 2, 127, 300));
    EXPECT_EQ(child("imgMainRight")->geometry(), QRect(153, 2, 27, 300));
    EXPECT_EQ(child("imgLogLeft")->geometry(), QRect(181, 2, 23, 300));
    EXPECT_EQ(child("imgLogBody")->geometry(), QRect(204, 2, 99, 300));
    EXPECT_EQ(child("imgLogRight")->geometry(), QRect(303, 2, 23, 300));
    EXPECT_EQ(child("sgLogs")->geometry(), QRect(199, 34, 105, 242));
    EXPECT_EQ(child("lLog")->pos(), QPoint(226, 3));
    EXPECT_EQ(child("tbCloseLog")->geometry(), QRect(310, 1, 17, 17));
    EXPECT_EQ(child("Panel1")->geometry(), QRect(0, 0, 328, 304));
    EXPECT_TRUE(child("sgLogs")->isVisible());
    EXPECT_FALSE(child("imgOptLeft")->isVisible());
    EXPECT_FALSE(child("rgDigit")->isVisible());
    EXPECT_EQ(action("mLogs")->text(), QStringLiteral("Hide &Logs"));
    EXPECT_EQ(action("mOptions")->text(), QStringLiteral("Show &Options"));
    EXPECT_EQ(child<platform::TRadioGroup>("rgDigit")->itemIndex(), 0);
    EXPECT_EQ(child<platform::TRadioGroup>("rgDuplicate")->itemIndex(), 1);

    // Every skin piece lies beneath every other control.
    const QObjectList stack = child("Panel1")->children();
    qsizetype lastSkin = -1;
    qsizetype firstOther = stack.size();
    for (qsizetype i = 0; i < stack.size(); ++i) {
        if (stack[i]->objectName().startsWith(QStringLiteral("img")) &&
            stack[i]->objectName() != QStringLiteral("imgAbout"))
            lastSkin = i;
        else if (stack[i]->isWidgetType())
            firstOther = std::min(firstOther, i);
    }
    EXPECT_LT(lastSkin, firstOther);
}

TEST_F(MainWindow, SidePanelsFollowTheMenuAndTheirXButtons) {
    guess("1234");
    choose("mLogs");
    EXPECT_EQ(window->width(), 182);
    EXPECT_FALSE(child("sgLogs")->isVisible());
    EXPECT_EQ(action("mLogs")->text(), QStringLiteral("Show &Logs"));

    choose("mOptions");
    EXPECT_EQ(window->width(), 328);
    EXPECT_EQ(child("imgOptLeft")->x(), 181);
    EXPECT_EQ(child("rgDigit")->geometry(), QRect(212, 27, 89, 73));
    EXPECT_EQ(child("rgSound")->geometry(), QRect(212, 224, 89, 57));
    EXPECT_EQ(child("tbCloseOptions")->geometry(), QRect(310, 1, 16, 17));
    EXPECT_EQ(action("mOptions")->text(), QStringLiteral("Hide &Options"));

    choose("mLogs"); // the log comes first and pushes the options right
    EXPECT_EQ(window->width(), 474);
    EXPECT_EQ(child("imgLogLeft")->x(), 181);
    EXPECT_EQ(child("imgOptLeft")->x(), 327);
    EXPECT_EQ(logs()->cell(0, 0), QStringLiteral("1234")); // hiding kept the rows

    clickX("tbCloseLog"); // the same as the menu item, caption included
    EXPECT_EQ(window->width(), 328);
    EXPECT_EQ(child("imgOptLeft")->x(), 181);
    EXPECT_EQ(action("mLogs")->text(), QStringLiteral("Show &Logs"));
    clickX("tbCloseOptions");
    EXPECT_EQ(window->width(), 182);
    EXPECT_EQ(action("mOptions")->text(), QStringLiteral("Show &Options"));
    EXPECT_EQ(window->pos(), QPoint(300, 132)); // the left edge stays
}

TEST_F(MainWindow, PanelsAndCentredControlsMoveWithTheDigitCount) {
    choose("mOptions");
    window->Settings.Digit = 6;
    window->StartNewGame();
    EXPECT_EQ(window->width(), 538);
    EXPECT_EQ(child("imgLogLeft")->x(), 245);
    EXPECT_EQ(child("imgOptLeft")->x(), 391);
    EXPECT_EQ(child("sb1")->x(), 56);
    EXPECT_EQ(child("pbGuess")->x(), 136);
    EXPECT_EQ(child("ssPlace")->x(), 48);
    EXPECT_EQ(child("imgMainRight")->x(), 217);
    EXPECT_EQ(child("imgMainBody")->width(), 191);
    EXPECT_EQ(child("tbCloseMain")->x(), 227);
    EXPECT_EQ(child("ssNum6")->x(), 192); // the digit slots never move

    choose("mLogs");
    choose("mOptions");
    window->Settings.Digit = 5;
    window->StartNewGame();
    EXPECT_EQ(window->width(), 214);
    EXPECT_EQ(child("sb1")->x(), 40);

    // With five digits the options panel moves into the log's place and back.
    choose("mOptions");
    EXPECT_EQ(child("imgOptLeft")->x(), 213);
    choose("mLogs");
    EXPECT_EQ(child("imgOptLeft")->x(), 359);
    EXPECT_EQ(window->width(), 506);
    choose("mLogs");
    EXPECT_EQ(child("imgOptLeft")->x(), 213);
    EXPECT_EQ(window->width(), 360);
}

TEST_F(MainWindow, ALeftPressOnTheSkinDragsTheWindowAndOthersDoNot) {
    // The drag starts once the pointer has gone the drag distance (12 pixels here), and the
    // window then moves by the pointer's whole way from the press: 52, 20.
    // The pointer's places are the screen's: the control moves with the window.
    auto drag = [&](const char* name, Qt::MouseButton button) {
        QWidget* from = child(name);
        const QPoint press = from->mapToGlobal(QPoint(5, 5));
        const auto at = [&](QPoint way) { return from->mapFromGlobal(press + way); };
        QTest::mousePress(from, button, {}, at({0, 0}));
        QTest::mouseMove(from, at({12, 0}));
        QTest::mouseMove(from, at({52, 20}));
        QTest::mouseRelease(from, button, {}, at({52, 20}));
    };
    drag("lTitle", Qt::LeftButton);
    EXPECT_EQ(window->pos(), QPoint(352, 152));
    EXPECT_EQ(window->Settings.Left, 352);
    EXPECT_EQ(window->Settings.Top, 152);
    drag("imgLogBody", Qt::LeftButton);
    drag("ssLeft", Qt::LeftButton);
    EXPECT_EQ(window->pos(), QPoint(456, 192));

    for (const char* name : {"lQM1", "sb5", "imgAbout", "sgLogs", "tbCloseLog"}) {
        drag(name, Qt::LeftButton);
        EXPECT_EQ(window->pos(), QPoint(456, 192)) << name;
    }
    dialogs.answers = {false};
    QTimer::singleShot(0, [] {
        if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
    });
    drag("imgMainBody", Qt::RightButton); // opens the menu, never moves the window
    EXPECT_EQ(window->pos(), QPoint(456, 192));
    EXPECT_EQ(window->Settings.Left, 456);

    // A sender that is not a control moves the window all the same, from the pointer.
    QObject notAControl;
    const QPoint pointer = QCursor::pos();
    window->lTitleMouseDown(&notAControl, Qt::LeftButton, {}, 0, 0);
    const auto send = [&](QEvent::Type type, QPoint by) {
        const bool move = type == QEvent::MouseMove;
        QMouseEvent event(type, QPointF(1, 1), QPointF(pointer + by),
                          move ? Qt::NoButton : Qt::LeftButton,
                          move ? Qt::LeftButton : Qt::NoButton, {});
        QApplication::sendEvent(child("lTitle"), &event);
    };
    send(QEvent::MouseMove, {0, 12});
    send(QEvent::MouseMove, {10, 32});
    send(QEvent::MouseButtonRelease, {10, 32});
    EXPECT_EQ(window->pos(), QPoint(466, 224));
    EXPECT_EQ(window->Settings.Top, 224);

    // A click, or a tap whose release came before any move, is no drag: moves after it, with
    // or without the button, leave the window where it is.
    QTest::mouseClick(child("lTitle"), Qt::LeftButton, {}, QPoint(5, 5));
    send(QEvent::MouseMove, {60, 50});
    QTest::mousePress(child("lTitle"), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(child("lTitle"), QPoint(9, 7)); // under the drag distance
    QTest::mouseRelease(child("lTitle"), Qt::LeftButton, {}, QPoint(9, 7));
    EXPECT_EQ(window->pos(), QPoint(466, 224));
}

namespace {

// The real announcements: each test answers the game's own dialog as a player would.
class Announcements : public ::testing::Test {
protected:
    void start(platform::UtcTimeOfDay time) {
        clock.time = time;
        window = std::make_unique<TfMain>(clock);
        window->show();
    }
    // Looks at the next info window, then presses Enter on it.
    void answerNext(QString& caption, QString& message, std::function<void()> meanwhile = {}) {
        auto* timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, [&, timer, meanwhile] {
            auto* form = qobject_cast<controls::TInfoForm*>(QApplication::activeModalWidget());
            if (!form) return;
            timer->stop();
            timer->deleteLater();
            caption = form->windowTitle();
            message = form->InfoLabel->caption();
            if (meanwhile) meanwhile();
            QTest::keyClick(form, Qt::Key_Return);
        });
        timer->start(5);
    }
    void click(const QString& name) { window->findChild<QAbstractButton*>(name)->click(); }
    QString value(const char* name) const {
        return window->findChild<TSevenSegment*>(QString::fromLatin1(name))->value();
    }

    ScratchConfig config;
    FixedClock clock;
    FakeDialogs dialogs;
    std::unique_ptr<TfMain> window;
};

} // namespace

TEST_F(Announcements, AWinShowsTheSecretThenTheNextGameStarts) {
    start({0, 0, 0, 894}); // secret 0712
    ASSERT_EQ(window->gameState().secret(), "0712");
    QString caption, message;
    int visibleDigits = 0;
    answerNext(caption, message, [&] {
        for (int i = 1; i <= 4; ++i)
            visibleDigits +=
                window->findChild<TSevenSegment*>(QStringLiteral("ssNum%1").arg(i))->isVisible();
        EXPECT_EQ(value("ssNumbers"), QStringLiteral("4"));
        EXPECT_EQ(value("ssPlace"), QStringLiteral("4"));
    });
    for (const char* key : {"sb0", "sb7", "sb1", "sb2", "pbGuess"})
        click(QString::fromLatin1(key));
    EXPECT_EQ(caption, QStringLiteral("You Win !!"));
    EXPECT_EQ(message, QStringLiteral("Congratulation !!! You Win.\r\nYou have a pretty good "
                                      "logical thinking\r\n0712 is the Correct Number"));
    EXPECT_EQ(visibleDigits, 4);
    EXPECT_EQ(value("ssLeft"), QStringLiteral("11"));
    EXPECT_TRUE(window->gameState().log().empty());
    EXPECT_EQ(window->gameState().entry(), "");
}

TEST_F(Announcements, GivingUpRevealsTheSecretAndTheWinCaptionComesBack) {
    start({0, 0, 4, 176}); // secret 0719, and again for the next game
    QString caption, message;
    answerNext(caption, message);
    window->findChild<QAction*>(QStringLiteral("GiveUp1"))->trigger();
    QApplication::processEvents();
    EXPECT_EQ(caption, QStringLiteral("You Lose !!"));
    EXPECT_EQ(message, QStringLiteral("The misterious digits are 0719.\r\nYou still can prove your "
                                      "mind later.\r\nGAME OVER !!!"));
    ASSERT_EQ(window->gameState().secret(), "0719");
    answerNext(caption, message);
    for (const char* key : {"sb0", "sb7", "sb1", "sb9", "pbGuess"})
        click(QString::fromLatin1(key));
    EXPECT_EQ(caption, QStringLiteral("You Win !!"));
}

TEST_F(MainWindow, ScreenReadersMeetNamedValuesAndActionsThatAnswerAtOnce) {
    const auto face = [this](const char* control) {
        return QAccessible::queryAccessibleInterface(child(control));
    };
    const auto name = [&](const char* control) { return face(control)->text(QAccessible::Name); };
    const auto value = [&](const char* control) {
        return face(control)->valueInterface()->currentValue().toInt();
    };
    const auto press = [&](const char* control) {
        face(control)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window.get())->role(), QAccessible::Window);
    EXPECT_EQ(name("sb7"), QStringLiteral("Digit 7"));
    EXPECT_EQ(name("sbBack"), QStringLiteral("Delete last digit"));
    EXPECT_EQ(name("ssLeft"), QStringLiteral("Number of guesses left: 11"));
    EXPECT_EQ(value("ssLeft"), 11);

    // The panel's children: no unnamed skin piece, no score caption read a second time.
    QAccessibleInterface* panel = face("Panel1");
    QStringList names;
    for (int i = 0; i < panel->childCount(); ++i)
        names << panel->child(i)->text(QAccessible::Name);
    EXPECT_FALSE(names.contains(QString()));
    EXPECT_EQ(names.filter(QStringLiteral("Correct Number")).size(), 1);

    // A press answers first and acts just after; a covered "?" leaves the tree.
    press("sb1");
    EXPECT_EQ(window->gameState().entry(), "");
    QApplication::processEvents();
    EXPECT_EQ(window->gameState().entry(), "1");
    EXPECT_EQ(panel->indexOfChild(face("lQM1")), -1);
    EXPECT_EQ(name("ssNum1"), QStringLiteral("Guess digit 1: 1")); // read as it shows
    // What a reader is told comes as a notification of the window, shown once with each text:
    // readers speak a notification as it is shown.
    struct Shown final : QObject {
        QStringList texts;
        bool eventFilter(QObject* object, QEvent* event) override {
            if (event->type() == QEvent::Show)
                if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
                    face && face->role() == QAccessible::Notification)
                    texts << face->text(QAccessible::Name);
            return false;
        }
    } shown;
    qApp->installEventFilter(&shown);
    press("sb1");     // refused: said, not shown
    press("pbGuess"); // too short: said, and it costs nothing
    QApplication::processEvents();
    EXPECT_EQ(value("ssLeft"), 11);
    type("234");
    press("pbGuess");
    QApplication::processEvents();
    qApp->removeEventFilter(&shown);
    EXPECT_EQ(value("ssNumbers"), 2);
    EXPECT_EQ(value("ssPlace"), 1);
    EXPECT_EQ(name("ssNumbers"), QStringLiteral("Correct Number: 2"));
    EXPECT_EQ(name("ssPlace"), QStringLiteral("Correct Place: 1"));
    EXPECT_EQ(name("ssLeft"), QStringLiteral("Number of guesses left: 10"));
    EXPECT_EQ(shown.texts, QStringList({QStringLiteral("1 is already in your guess"),
                                        QStringLiteral("Your guess needs 4 digits"),
                                        QStringLiteral("1234: 2 correct numbers, 1 in place. 10 "
                                                       "guesses left")}));
    EXPECT_NE(panel->indexOfChild(face("lQM1")), -1); // uncovered again

    // The log: the rows played, in words.
    QAccessibleInterface* log = face("sgLogs");
    EXPECT_EQ(log->role(), QAccessible::List);
    ASSERT_EQ(log->childCount(), 1);
    EXPECT_EQ(log->child(0)->text(QAccessible::Name),
              QStringLiteral("1234: 2 correct numbers, 1 in place"));

    press("tbCloseLog");
    EXPECT_TRUE(child("sgLogs")->isVisible());
    QApplication::processEvents();
    EXPECT_FALSE(child("sgLogs")->isVisible()); // pressed as by the mouse

    // Behind a modal box an action does nothing, as a click there would not reach the control;
    // it is checked again as it runs, as the box may open between the reader's call and then.
    QDialog box(window.get());
    box.setModal(true);
    box.show();
    press("sb5");
    press("tbCloseMain");
    QApplication::processEvents();
    box.hide();
    press("sb6");
    box.show();
    QApplication::processEvents();
    EXPECT_EQ(window->gameState().entry(), "");
    EXPECT_TRUE(dialogs.shown.isEmpty()); // no exit question over the box
    box.hide();
    press("sb7");
    QApplication::processEvents();
    EXPECT_EQ(window->gameState().entry(), "7");
}

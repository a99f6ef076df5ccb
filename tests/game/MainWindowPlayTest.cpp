// The main window plays: what its displays and log show of the play flow (whose rules are
// tested without widgets), the menu, help, the keys that submit, and the wider game.
#include "support/MainWindowFixture.h"

using controls::TSevenSegment;
using game::TfMain;
using namespace testing_support;

namespace {
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

TEST_F(MainWindow, TheDisplaysAndTheLogShowWhatIsTypedAndScored) {
    type("12");
    EXPECT_EQ(visibleSlots(), (std::vector<bool>{true, true, false, false, false, false}));
    EXPECT_EQ(value("ssNum2"), QStringLiteral("2"));
    press("sbBack");
    EXPECT_FALSE(display("ssNum2")->isVisible());
    type("234");
    press("pbGuess"); // against 3205: 2 in common, 1 in place
    EXPECT_EQ(value("ssNumbers"), QStringLiteral("2"));
    EXPECT_EQ(value("ssPlace"), QStringLiteral("1"));
    EXPECT_EQ(value("ssLeft"), QStringLiteral("10"));
    EXPECT_EQ(logs()->cell(0, 0), QStringLiteral("1234"));
    EXPECT_EQ(logs()->cell(1, 0), QStringLiteral("2/1"));
    EXPECT_EQ(kNoneVisible, visibleSlots());
    type("1234");
    type("5");
    EXPECT_EQ(dialogs.shown, (QStringList{"error:Sorry, you cannot add more number"}));
    choose("GiveUp1");
    EXPECT_EQ(value("ssNumbers"), QStringLiteral("0"));
    EXPECT_EQ(value("ssLeft"), QStringLiteral("11"));
    EXPECT_EQ(logs()->cell(0, 0), QString());
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
        EXPECT_TRUE(item->icon().isNull()); // the pictures come as it first opens
    }
    emit menu->aboutToShow();
    for (QAction* item : menu->actions())
        EXPECT_EQ(item->icon().isNull(), item->isSeparator()) << item->text().toStdString();
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

// The flow of a change of digit count is tested without the window; here, what it shows.
TEST_F(MainWindow, TheDigitCountWidensTheWindowForTheNextGame) {
    window->Settings.Digit = 6;
    guess("1234"); // the running game keeps its four digits
    EXPECT_EQ(window->width(), 328);
    choose("GiveUp1");
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
    EXPECT_EQ(value("ssNum6"), QStringLiteral("5"));

    window->Settings.Digit = 5;
    window->StartNewGame();
    EXPECT_EQ(value("ssLeft"), QStringLiteral("16"));
    EXPECT_TRUE(child("lQM5")->isVisible());
    EXPECT_FALSE(child("lQM6")->isVisible());
    EXPECT_EQ(window->width(), 360);
    EXPECT_EQ(kNoneVisible, visibleSlots());
    EXPECT_EQ(value("ssNum1"), QStringLiteral("0"));
}

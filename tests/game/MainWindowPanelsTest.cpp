// The main window's panels, skin, about box and dragging.
#include "support/MainWindowFixture.h"

using controls::TSevenSegment;
using game::TfMain;
using namespace testing_support;

TEST_F(MainWindow, ThePictureOpensTheAboutWindowModally) {
    EXPECT_FALSE(child<QLabel>("imgAbout")->pixmap().isNull());
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

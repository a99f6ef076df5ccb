// The main window as a screen reader meets it.
#include "support/MainWindowFixture.h"

using controls::TSevenSegment;
using game::TfMain;
using namespace testing_support;

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

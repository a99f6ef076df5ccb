#include "controls/ProUrl.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

using controls::TProUrlLabel;
using platform::rgbColor;

namespace {

class UrlLabel : public ::testing::Test {
protected:
    void SetUp() override {
        label.setCaption(QStringLiteral("https://brainlock.example/"));
        label.setAutoSize(false);
        label.setGeometry(0, 0, 100, 20);
        label.show();
    }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(&label, button, {}, at); // QTest keeps count of the buttons held
    }
    void enter() {
        QEnterEvent in(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(&label, &in);
    }
    void leave() {
        QEvent out(QEvent::Leave);
        QApplication::sendEvent(&label, &out);
    }

    testing_support::FakeShell shell;
    TProUrlLabel label;
};

} // namespace

TEST_F(UrlLabel, AReleaseOutsideOpensNothing) {
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.fontColor(), rgbColor(0, 0, 255));
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(label.fontColor(), rgbColor(255, 0, 0)); // activated while held
    release(QPoint(150, 5));
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_FALSE(label.visited());
    EXPECT_EQ(label.fontColor(), rgbColor(0, 0, 255));
}

TEST_F(UrlLabel, APressAndAReleaseInsideOpensWithAnyButton) {
    QTest::mousePress(&label, Qt::RightButton, {}, QPoint(5, 5));
    leave();
    EXPECT_EQ(label.fontColor(), rgbColor(0, 0, 255)); // resting colour while away
    enter();
    EXPECT_EQ(label.fontColor(), rgbColor(255, 0, 0)); // activated again
    release(QPoint(100, 20), Qt::RightButton);         // the edges count as inside
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], QUrl(QStringLiteral("https://brainlock.example/")));
    EXPECT_TRUE(label.visited());
    EXPECT_EQ(label.fontColor(), rgbColor(0, 0, 128));

    label.setUrl(QStringLiteral("mailto:team@brainlock.example"));
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(shell.opened.back(), QUrl(QStringLiteral("mailto:team@brainlock.example")));

    // The name of a file in the current folder opens that file, not a web site of that name.
    QTemporaryDir folder;
    QFile(folder.filePath(QStringLiteral("readme.txt"))).open(QIODevice::WriteOnly);
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    label.setUrl(QStringLiteral("readme.txt"));
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QDir::setCurrent(before);
    EXPECT_EQ(shell.opened.back(),
              QUrl::fromLocalFile(folder.filePath(QStringLiteral("readme.txt"))));
}

TEST_F(UrlLabel, AColourFromOutsideBecomesTheRestingColourUnlessItHovers) {
    label.setFontColor(rgbColor(0, 128, 0));
    EXPECT_EQ(label.unvisitedColor(), rgbColor(0, 128, 0));

    label.setCanHover(true);
    EXPECT_FALSE(label.font().underline());
    label.setFontColor(rgbColor(200, 0, 200)); // only the font, for now
    EXPECT_EQ(label.unvisitedColor(), rgbColor(0, 128, 0));
    enter();
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.fontColor(), rgbColor(255, 255, 255)); // hovered
    leave();
    EXPECT_EQ(label.fontColor(), rgbColor(0, 128, 0));
    label.setCanHover(false);
    label.setCanHover(false); // every call sets the underline
    EXPECT_TRUE(label.font().underline());
}

// In a test window, through the window's own event path: while a button is held Qt gives the
// label no leave or enter, yet the colours follow the pointer; the press stays the label's.
TEST(UrlLabelInAWindow, ColoursFollowThePointerWhileAMouseButtonIsHeld) {
    testing_support::FakeShell shell;
    QWidget window;
    window.resize(200, 60);
    int windowPresses = 0;
    struct PressCounter : QObject {
        int* presses;
        explicit PressCounter(int* p)
            : presses(p) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::MouseButtonPress) ++*presses;
            return false;
        }
    } counter(&windowPresses);
    window.installEventFilter(&counter);
    auto* label = new TProUrlLabel(&window);
    label->setCaption(QStringLiteral("https://brainlock.example/"));
    label->setAutoSize(false);
    label->setGeometry(20, 20, 100, 20);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QWindow* handle = window.windowHandle();

    QTest::mouseMove(handle, QPoint(30, 30));
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(label->fontColor(), rgbColor(255, 0, 0));
    QTest::mouseMove(handle, QPoint(170, 50));
    EXPECT_EQ(label->fontColor(), rgbColor(0, 0, 255)); // resting colour while away
    QTest::mouseMove(handle, QPoint(40, 30));
    EXPECT_EQ(label->fontColor(), rgbColor(255, 0, 0)); // activated again
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(40, 30));
    EXPECT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(label->fontColor(), rgbColor(0, 0, 128));
    EXPECT_EQ(windowPresses, 0); // a draggable window beneath would not have moved
}

#include "controls/TransBtn.h"
#include "controls/TransBtnBitmaps.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <stdexcept>

using controls::TTransparentButton;
using platform::toQColor;

namespace {

// A button on a black parent, counting its paints and its clicks.
class CountingButton : public TTransparentButton {
public:
    using TTransparentButton::TTransparentButton;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        TTransparentButton::paintEvent(event);
    }
};

class TransBtn : public ::testing::Test {
protected:
    void SetUp() override {
        parent.setAutoFillBackground(true);
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, Qt::black);
        parent.setPalette(palette);
        parent.resize(60, 60);
        button = new CountingButton(&parent);
        button->setGeometry(10, 10, 17, 17);
        button->setCaption(QStringLiteral("X"));
        button->setFontColor(platform::clWhite);
        button->OnClick = [this](QObject*) { ++clicks; };
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }

    void enter() {
        QEnterEvent event(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
        QApplication::sendEvent(button, &event);
    }
    QImage shot() { return parent.grab().toImage().copy(10, 10, 17, 17); }
    // The box of the pixels the caption lit (anything not black, away from the frame rings).
    static QRect captionBox(const QImage& image) {
        QRect box;
        for (int y = 1; y < image.height() - 1; ++y)
            for (int x = 1; x < image.width() - 1; ++x)
                if (image.pixelColor(x, y) != QColor(Qt::black)) box |= QRect(x, y, 1, 1);
        return box;
    }

    QWidget parent;
    CountingButton* button = nullptr;
    int clicks = 0;
};

// A palette colour as an 8-bit-per-channel picture holds it.
QColor system(platform::TColor role) {
    return QColor::fromRgb(toQColor(role).rgb());
}

QImage filled(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST_F(TransBtn, PressAndReleaseInsideClicksOnceAndOtherGesturesDoNot) {
    QStringList mouse; // the events a press, a move and a release are told by
    button->OnMouseDown = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        mouse << QStringLiteral("down");
    };
    button->OnMouseMove = [&](QObject*, Qt::MouseButtons, Qt::KeyboardModifiers, int, int) {
        mouse << QStringLiteral("move");
    };
    button->OnMouseUp = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        mouse << QStringLiteral("up");
    };
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(button->pressed());
    QTest::mouseMove(button, QPoint(40, 40)); // out: the look comes up
    EXPECT_FALSE(button->pressed());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(mouse.join(QLatin1Char('|')), QStringLiteral("down|move|up"));

    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button->pressed());

    QTest::mousePress(button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(button->pressed()); // any button gives the pressed look
    QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(button->pressed());
    EXPECT_EQ(clicks, 1);

    // A double click arrives as press, release, press, double click, release: two clicks.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(15, 15), Qt::LeftButton,
                       Qt::LeftButton, {});
    QApplication::sendEvent(button, &second);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 3);

    button->setDown(true);
    EXPECT_TRUE(button->pressed());
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(button->pressed()); // Down holds the look through mouse up
    button->setDown(false);

    button->setEnabled(false);
    mouse.clear();
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(button->pressed());
    EXPECT_TRUE(mouse.isEmpty()); // a disabled button tells nothing
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(TransBtn, FrameRingsShowOnHoverAndSwapWhenPressed) {
    const QColor light = system(platform::clBtnHighlight);
    const QColor dark = system(platform::clBtnShadow);
    QImage up = shot();
    EXPECT_EQ(up.pixelColor(0, 0), QColor(Qt::black)); // flat: no frame while away

    enter();
    QImage hover = shot();
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(hover.pixelColor(i, 0), light) << i; // top row
        EXPECT_EQ(hover.pixelColor(0, i), light) << i; // left column
        EXPECT_EQ(hover.pixelColor(16, i), dark) << i; // right column
        EXPECT_EQ(hover.pixelColor(i, 16), dark) << i; // bottom row
    }
    EXPECT_EQ(hover.pixelColor(16, 0), dark); // corners of the right column are bottom colour

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QImage pressed = shot();
    EXPECT_EQ(pressed.pixelColor(3, 0), dark);
    EXPECT_EQ(pressed.pixelColor(16, 3), light);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(TransBtn, CaptionIsCentredAndMovesByTheOffsetWhilePressed) {
    const QRect upBox = captionBox(shot());
    ASSERT_FALSE(upBox.isEmpty());
    EXPECT_NEAR(upBox.center().x(), 8, 1);
    EXPECT_NEAR(upBox.center().y(), 8, 2);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5)); // pointer not inside: no frame
    EXPECT_EQ(captionBox(shot()), upBox.translated(1, 1));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(captionBox(shot()), upBox);
}

TEST_F(TransBtn, SettingAValueInForceRepaintsNothingButAGlyphAlwaysRepaints) {
    QApplication::processEvents();
    button->paints = 0;
    button->setCaption(QStringLiteral("X"));
    button->setFlat(true);
    button->setFrameStyle(controls::fsExplorer);
    button->setTransparent(true);
    button->setSpacing(2);
    button->setNumGlyphs(1);
    button->setOffset(3); // a plain field
    QApplication::processEvents();
    EXPECT_EQ(button->paints, 0);
    button->setGlyph(QImage());
    QApplication::processEvents();
    EXPECT_GT(button->paints, 0);
}

TEST_F(TransBtn, GlyphStripsAreSplitIntoCellsWithGreyAndDisabledVersions) {
    button->setGlyph(filled(64, 16, Qt::red));
    EXPECT_EQ(button->numGlyphs(), 4);
    EXPECT_EQ(button->glyphCellSize(), QSize(16, 16));
    EXPECT_EQ(button->glyphListCount(), 6);
    button->setGlyph(filled(32, 16, Qt::red));
    EXPECT_EQ(button->numGlyphs(), 2);
    button->setGlyph(filled(80, 16, Qt::red));
    EXPECT_EQ(button->numGlyphs(), 1);
    EXPECT_EQ(button->glyphCellSize(), QSize(80, 16));
    button->setNumGlyphs(3);
    button->setGlyph(filled(50, 16, Qt::red));
    EXPECT_EQ(button->numGlyphs(), 3);
    EXPECT_EQ(button->glyphCellSize(), QSize(16, 16)); // the remainder column is not used

    // A red square on white: white, the bottom-left colour, is see-through in every cell.
    QImage art = filled(8, 8, Qt::white);
    for (int y = 2; y < 6; ++y)
        for (int x = 2; x < 6; ++x)
            art.setPixelColor(x, y, QColor(200, 100, 50));
    button->setGlyph(art);
    const QImage& grey = button->glyphListImage(button->glyphListCount() - 2);
    EXPECT_EQ(qAlpha(grey.pixel(0, 7)), 0);
    EXPECT_EQ(grey.pixelColor(3, 3), QColor(96, 96, 96)); // (11*200 + 59*100 + 30*50) / 100
    EXPECT_EQ(button->glyphListImage(0).pixelColor(3, 3), QColor(200, 100, 50));
}

TEST(TransBtnImages, DisabledGlyphIsEngravedAndTheCheckerAlternates) {
    const QColor face = system(platform::clBtnFace);
    QImage image = filled(4, 4, QColor(255, 0, 255)); // the reference colour at (0, 0)
    image.setPixelColor(1, 1, Qt::black);
    image.setPixelColor(2, 2, Qt::white);
    image.setPixelColor(3, 3, Qt::red);
    controls::DisabledBitmap(image);
    const QColor shadow = system(platform::clBtnShadow);
    EXPECT_EQ(image.pixelColor(1, 1), shadow); // the shape
    EXPECT_EQ(image.pixelColor(3, 3), shadow);
    EXPECT_EQ(image.pixelColor(2, 2), system(platform::clBtnHighlight)); // its edge
    EXPECT_EQ(image.pixelColor(0, 0), face);
    EXPECT_EQ(image.pixelColor(3, 0), face);

    const QImage checker = controls::CreateCheckerBitmap();
    EXPECT_EQ(checker.size(), QSize(8, 8));
    EXPECT_EQ(checker.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(checker.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(checker.pixelColor(1, 0), face);
}

TEST_F(TransBtn, AFailingClickHandlerLeavesTheButtonUpAndReportsTheError) {
    testing_support::FakeDialogs dialogs;
    button->OnClick = [](QObject*) { throw std::runtime_error("the handler failed"); };
    enter();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(button->pressed());
    EXPECT_FALSE(button->mouseInside());
    QApplication::processEvents();
    EXPECT_EQ(dialogs.shown, QStringList{QStringLiteral("application:the handler failed")});
}

// Through the window's own event path, as the window system delivers them: Qt sends the pressed
// button no leave or enter while the button is held, yet the hover frame follows the pointer,
// and the notifications Qt sends late at the release do not repeat it.
TEST_F(TransBtn, HoverFollowsThePointerWhileAMouseButtonIsHeld) {
    int enters = 0;
    int exits = 0;
    button->OnMouseEnter = [&](QObject*) { ++enters; };
    button->OnMouseExit = [&](QObject*) { ++exits; };
    QWindow* window = parent.windowHandle();
    const QColor light = system(platform::clBtnHighlight);

    QTest::mouseMove(window, QPoint(45, 45));
    QTest::mouseMove(window, QPoint(15, 15));
    ASSERT_TRUE(button->mouseInside());
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(15, 15));
    QTest::mouseMove(window, QPoint(45, 45));
    EXPECT_FALSE(button->mouseInside());
    EXPECT_FALSE(button->pressed());
    EXPECT_EQ(shot().pixelColor(5, 0), QColor(Qt::black)); // no hover frame while away
    QTest::mouseMove(window, QPoint(16, 16));
    EXPECT_TRUE(button->mouseInside());
    EXPECT_EQ(shot().pixelColor(5, 0), light); // the up frame: the pressed look stays gone
    QTest::mouseMove(window, QPoint(50, 50));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_FALSE(button->mouseInside());
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(enters, 2);
    EXPECT_EQ(exits, 2);
}

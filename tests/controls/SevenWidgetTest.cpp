#include "controls/Seven.h"
#include "support/Fakes.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using controls::TSevenSegment;
using platform::rgbColor;
using platform::toQColor;

namespace {

constexpr platform::TColor kOff = rgbColor(64, 64, 64);

// A guess-digit display, its unlit segments in grey so lit and unlit can be told apart.
std::unique_ptr<TSevenSegment> guessDigit(const QString& value) {
    auto display = std::make_unique<TSevenSegment>();
    display->resize(25, 41);
    display->setNumberOfDigit(1);
    display->setThickness(4);
    display->setValue(value);
    return display;
}

QColor pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// Points well inside each segment of the guess-digit cell (4, 2)-(21, 39).
const QPoint kTop{12, 4}, kUpperRight{19, 11}, kMiddle{12, 20}, kLowerLeft{6, 29};

} // namespace

TEST(SevenWidget, PaintsLitSegmentsInOnColorAndUnlitInOffColor) {
    auto display = guessDigit(QStringLiteral("7"));
    const std::optional<QImage> image = display->renderImage();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), QSize(25, 41));
    EXPECT_EQ(pixel(*image, kTop.x(), kTop.y()), toQColor(platform::clRed));
    EXPECT_EQ(pixel(*image, kUpperRight.x(), kUpperRight.y()), toQColor(platform::clRed));
    EXPECT_EQ(pixel(*image, kMiddle.x(), kMiddle.y()), toQColor(kOff));
    EXPECT_EQ(pixel(*image, kLowerLeft.x(), kLowerLeft.y()), toQColor(kOff));
    EXPECT_EQ(pixel(*image, 0, 0), toQColor(platform::clBlack)); // background in Color

    display->setOnColor(rgbColor(0, 255, 0));
    display->setValue(QStringLiteral("8"));
    const std::optional<QImage> eight = display->renderImage();
    ASSERT_TRUE(eight);
    for (const QPoint& p : {kTop, kUpperRight, kMiddle, kLowerLeft})
        EXPECT_EQ(pixel(*eight, p.x(), p.y()), QColor(0, 255, 0)) << p.x() << "," << p.y();
}

TEST(SevenWidget, ConstructorDefaultsAndSetterRules) {
    TSevenSegment display;
    EXPECT_EQ(display.size(), QSize(150, 50));
    EXPECT_EQ(display.value(), QStringLiteral("0"));
    EXPECT_EQ(display.thickness(), 5);
    EXPECT_EQ(display.numberOfDigit(), 5);
    EXPECT_EQ(display.offColor(), kOff);
    EXPECT_TRUE(display.showDecimalPoint());
    EXPECT_TRUE(display.testAttribute(Qt::WA_OpaquePaintEvent));

    display.setNumberOfDigit(0);
    EXPECT_EQ(display.numberOfDigit(), 1);
    display.setNumberOfDigit(25);
    EXPECT_EQ(display.numberOfDigit(), 20);
    display.setValue(QString(30, QLatin1Char('1')));
    EXPECT_EQ(display.value().size(), 25);

    display.setValueType(controls::ssTime);
    EXPECT_EQ(display.value(), QStringLiteral("00:00:00"));
    display.setValue(QStringLiteral("12:34:567"));
    EXPECT_EQ(display.value(), QStringLiteral("12:34:56"));
    ASSERT_TRUE(display.renderImage());
    EXPECT_EQ(display.numberOfDigit(), 6); // a time paint forces six cells
    display.setValueType(controls::ssNumber);
    EXPECT_EQ(display.value(), QStringLiteral("0"));
    EXPECT_EQ(display.numberOfDigit(), 6); // and they stay until set again
    display.setValue(QStringLiteral("42"));
    display.setValueType(controls::ssNumber); // even the same type discards the value
    EXPECT_EQ(display.value(), QStringLiteral("0"));
}

TEST(SevenWidget, AValueThatIsNoNumberKeepsTheLookAndIsReportedOncePerAssignment) {
    testing_support::FakeDialogs dialogs;
    auto display = guessDigit(QStringLiteral("5"));
    display->show();
    const QImage before = display->grab().toImage();

    display->setValue(QStringLiteral("abc"));
    EXPECT_FALSE(display->renderImage());
    display->repaint();
    display->repaint();
    EXPECT_EQ(display->grab().toImage(), before); // the previous look stays
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0],
              QStringLiteral("application:'abc' is not a valid floating point value"));

    display->setValue(QStringLiteral("x1"));
    display->repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.shown.size(), 2);
    display->hide();
}

#include "controls/Banner.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace controls;

namespace {

QImage solid(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

struct Events {
    QStringList seen;
    void watch(TBanner& banner) {
        banner.OnEnable = [this](QObject*) { seen << QStringLiteral("enable"); };
        banner.OnDisable = [this](QObject*) { seen << QStringLiteral("disable"); };
        banner.OnScroll = [this](QObject*) { seen << QStringLiteral("scroll"); };
    }
};

} // namespace

TEST(Banner, EnablingFiresEveryTimeAndNeedsContent) {
    TBanner banner;
    Events events;
    events.watch(banner);
    EXPECT_THROW(banner.setEnabled(true), EBannerError); // nothing to scroll
    EXPECT_FALSE(banner.enabled());
    EXPECT_TRUE(events.seen.isEmpty());

    banner.setBitmap(solid(10, 10, Qt::red)); // AutoEnable starts it
    banner.setEnabled(true);                  // and again: OnEnable once more
    EXPECT_EQ(events.seen, (QStringList{"enable", "enable"}));
    banner.setScrollInterval(0); // an enabled banner standing still
    EXPECT_EQ(banner.scrollInterval(), 0);

    // Text is rendered once; disabled, it holds no image.
    banner.setScrollText(QStringLiteral("Hello"));
    ASSERT_TRUE(banner.bitmap());
    EXPECT_GT(banner.bitmap()->width(), 10);
    banner.setEnabled(false);
    EXPECT_FALSE(banner.bitmap());
    banner.setEnabled(true); // rendered again
    EXPECT_TRUE(banner.bitmap());
}

TEST(Banner, AnOnlyOncePassDisablesBeforeItsScrollEvent) {
    TBanner banner;
    banner.resize(20, 20);
    banner.setScrollDirection(sdBottomToTop);
    banner.setOnlyOnce(true);
    banner.setBitmap(solid(20, 8, Qt::red));
    Events events;
    events.watch(banner);
    for (int i = 0; i < 7; ++i) // 28 is not yet past 8 + 20
        banner.ScrollStep();
    EXPECT_TRUE(banner.enabled());
    banner.ScrollStep(); // 32 is
    EXPECT_FALSE(banner.enabled());
    EXPECT_EQ(events.seen.mid(events.seen.size() - 2), (QStringList{"disable", "scroll"}));
    EXPECT_EQ(banner.scrollPosition(), 32); // not reset
}

TEST(Banner, ATiledStepCoversTheBannerWithCopies) {
    TBanner banner;
    banner.resize(30, 10);
    banner.setColor(platform::clBlack);
    QImage stripe = solid(10, 10, Qt::white);
    for (int y = 0; y < 10; ++y)
        stripe.setPixelColor(0, y, Qt::red); // the image's left column
    banner.setNoGap(true);
    banner.setBitmap(stripe);
    banner.ScrollStep(); // 4 pixels in from the right: copies at 26, 16, 6, -4
    const QImage frame = banner.composeFrame();
    for (const int x : {26, 16, 6})
        EXPECT_EQ(frame.pixelColor(x, 5), QColor(Qt::red)) << x;
    EXPECT_EQ(frame.pixelColor(0, 5), QColor(Qt::white));
    EXPECT_EQ(frame.pixelColor(29, 5), QColor(Qt::white));

    banner.setNoGap(false); // one copy: the rest shows Color
    const QImage single = banner.composeFrame();
    EXPECT_EQ(single.pixelColor(26, 5), QColor(Qt::red));
    EXPECT_EQ(single.pixelColor(10, 5), QColor(Qt::black));
}

// Hidden, the banner's timer sleeps; shown again, it makes up every step it missed, with
// their events, and paints once. Clicks and the mouse events reach its handlers.
TEST(Banner, ShownAgainItCatchesUpWithOnePaintAndTellsItsMouseEvents) {
    struct CountingBanner : TBanner {
        int paints = 0;
        void paintEvent(QPaintEvent* event) override {
            ++paints;
            TBanner::paintEvent(event);
        }
    };
    QWidget window;
    auto* banner = new CountingBanner;
    banner->setParent(&window);
    banner->resize(40, 40);
    banner->setScrollInterval(5);
    banner->setNoGap(true); // the position stays within the image: no OnlyOnce end
    banner->setBitmap(solid(40, 10, Qt::red));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    banner->hide();
    QTest::qWait(300); // about 60 steps missed
    int scrolls = 0;
    banner->OnScroll = [&](QObject*) { ++scrolls; };
    banner->paints = 0;
    banner->show();
    EXPECT_GE(scrolls, 40);
    QApplication::processEvents();
    EXPECT_LE(banner->paints, 2); // the show's paint and the one asked for by the catch-up

    QStringList seen;
    banner->OnClick = [&](QObject*) { seen << QStringLiteral("click"); };
    banner->OnDblClick = [&](QObject*) { seen << QStringLiteral("dblclick"); };
    banner->OnMouseDown = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        seen << QStringLiteral("down");
    };
    banner->OnMouseMove = [&](QObject*, Qt::MouseButtons, Qt::KeyboardModifiers, int, int) {
        seen << QStringLiteral("move");
    };
    banner->OnMouseUp = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        seen << QStringLiteral("up");
    };
    QTest::mousePress(banner, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(banner, QPoint(6, 6));
    QTest::mouseRelease(banner, Qt::LeftButton, {}, QPoint(6, 6));
    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(5, 5),
                      banner->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(banner, &twice);
    EXPECT_EQ(seen.join(QLatin1Char('|')), QStringLiteral("down|move|click|up|dblclick"));
}

#include "controls/BannerCore.h"

#include <gtest/gtest.h>

using namespace controls;

TEST(BannerGeometry, TheImageEntersFromItsEdgeInEachDirection) {
    // A 100 x 40 image in a 200 x 80 banner, 30 pixels in.
    EXPECT_EQ(imageOrigin(sdRightToLeft, 30, 200, 80, 100, 40), (BannerPoint{170, 0}));
    EXPECT_EQ(imageOrigin(sdLeftToRight, 30, 200, 80, 100, 40), (BannerPoint{-70, 0}));
    EXPECT_EQ(imageOrigin(sdTopToBottom, 30, 200, 80, 100, 40), (BannerPoint{0, -10}));
    EXPECT_EQ(imageOrigin(sdBottomToTop, 30, 200, 80, 100, 40), (BannerPoint{0, 50}));
    EXPECT_EQ(imageOrigin(sdBottomToTop, 0, 200, 80, 100, 40), (BannerPoint{0, 80})); // outside

    // Tiled, the copies follow the first in from the entry edge until the banner is covered.
    EXPECT_EQ(tiledOrigins(sdRightToLeft, 30, 200, 80, 100, 40),
              (std::vector<BannerPoint>{{170, 0}, {70, 0}, {-30, 0}}));
    EXPECT_EQ(tiledOrigins(sdBottomToTop, 30, 200, 80, 100, 40),
              (std::vector<BannerPoint>{{0, 50}, {0, 10}, {0, -30}}));
    EXPECT_EQ(tiledOrigins(sdLeftToRight, 30, 200, 80, 100, 40),
              (std::vector<BannerPoint>{{-70, 0}, {30, 0}, {130, 0}}));
}

// The credits: a 338-pixel image in a 193-pixel banner, 4 pixels a step. The position passes
// 531 at the 133rd step and starts again: the empty step between passes.
TEST(BannerGeometry, APassOfTheCreditsLasts133Steps) {
    std::uint16_t position = 0;
    int steps = 0;
    do {
        position = bannerStep(position, 4, 338, 193, false, false).position;
        ++steps;
    } while (position != 0);
    EXPECT_EQ(steps, 133);
    EXPECT_EQ(bannerStep(528, 4, 338, 193, false, true).disable, true); // OnlyOnce
    EXPECT_EQ(bannerStep(528, 4, 338, 193, false, true).position, 532); // left where it is
    // Without a gap the image repeats end to end: the position stays within 1 to the extent.
    EXPECT_EQ(bannerStep(98, 4, 100, 200, true, false).position, 2);
    EXPECT_EQ(bannerStep(65534, 4, 100, 200, true, false).position, 2); // wraps at 65536
    EXPECT_EQ(bannerStep(10, 4, 0, 200, true, false).position, 0);      // no extent: no loop
}

TEST(BannerGeometry, TurningKeepsOrPlacesTheImage) {
    // Reversed at P 30 with w 100 and W 200: 270, and the left edge stays at 170.
    const std::uint16_t reversed =
        positionAfterTurn(sdRightToLeft, sdLeftToRight, 30, 200, 80, 100, 40);
    EXPECT_EQ(reversed, 270);
    EXPECT_EQ(imageOrigin(sdLeftToRight, reversed, 200, 80, 100, 40).x, 170);
    EXPECT_EQ(positionAfterTurn(sdBottomToTop, sdTopToBottom, 30, 200, 80, 100, 40), 90);
    EXPECT_EQ(positionAfterTurn(sdRightToLeft, sdBottomToTop, 30, 200, 80, 100, 40), 40);
    EXPECT_EQ(positionAfterTurn(sdTopToBottom, sdLeftToRight, 30, 200, 80, 100, 40), 100);
    EXPECT_EQ(positionAfterTurn(sdTopToBottom, sdTopToBottom, 30, 200, 80, 100, 40), 30);
}

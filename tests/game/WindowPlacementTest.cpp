#include "game/WindowPlacement.h"

#include <gtest/gtest.h>
#include <limits>

using namespace game;

TEST(WindowPlacement, StoredPlaceHoldsWhileTheTitleStripTouchesAScreen) {
    const std::vector<ScreenRect> two{{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}};
    EXPECT_EQ(placeOnScreens(300, 132, 328, 304, two), (WindowPos{300, 132}));
    EXPECT_EQ(placeOnScreens(2000, 900, 328, 304, two), (WindowPos{2000, 900})); // second screen
    EXPECT_EQ(placeOnScreens(-300, 10, 328, 304, two), (WindowPos{-300, 10}));   // 28 pixels on
    EXPECT_EQ(placeOnScreens(100, 1000, 328, 304, two), (WindowPos{100, 1000}));
}

TEST(WindowPlacement, AWindowOffEveryScreenMovesWhollyOntoTheNearest) {
    const std::vector<ScreenRect> two{{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}};
    EXPECT_EQ(placeOnScreens(-5000, -5000, 328, 304, two), (WindowPos{0, 0}));
    EXPECT_EQ(placeOnScreens(4000, 500, 328, 304, two), (WindowPos{3200 - 328, 500}));
    EXPECT_EQ(placeOnScreens(100, -200, 328, 304, two), (WindowPos{100, 0})); // title above
    const int most = std::numeric_limits<int>::max();
    EXPECT_EQ(placeOnScreens(most, most, 538, 304, two), (WindowPos{3200 - 538, 1080 - 304}));
    EXPECT_EQ(placeOnScreens(-most - 1, 0, 182, 304, two), (WindowPos{0, 0}));
    EXPECT_EQ(placeOnScreens(-5000, 0, 182, 304, {}), (WindowPos{-5000, 0})); // no screens known
}

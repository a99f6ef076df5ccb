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

// A window manager that keeps a frame around the window puts it off the place asked; the place
// stored is the one that brings the window back where it was. A manager that places windows
// where it likes shifts nothing, and a place far out never overflows.
TEST(WindowPlacement, TheManagersShiftIsTakenOffThePlaceStored) {
    const WindowPos i3 = managerShift({300, 132}, {302, 150});
    EXPECT_EQ(i3, (WindowPos{2, 18}));
    EXPECT_EQ(placeToAskFor({439, 240}, i3), (WindowPos{437, 222}));
    EXPECT_EQ(managerShift({300, 132}, {300, 132}), (WindowPos{}));
    EXPECT_EQ(managerShift({200, 150}, {476, 360}), (WindowPos{})); // centred by the manager
    EXPECT_EQ(managerShift({0, 0}, {-kMaxFrameShift, kMaxFrameShift}),
              (WindowPos{-kMaxFrameShift, kMaxFrameShift}));
    const int most = std::numeric_limits<int>::max();
    EXPECT_EQ(managerShift({-most - 1, 0}, {most, 0}), (WindowPos{}));
}

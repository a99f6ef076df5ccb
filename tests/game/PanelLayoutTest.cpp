#include "game/PanelLayout.h"

#include <gtest/gtest.h>

using namespace game;

namespace {
int leftOf(const std::vector<CentredLeft>& lefts, std::string_view control) {
    for (const CentredLeft& placed : lefts)
        if (placed.control == control) return placed.left;
    ADD_FAILURE() << "no " << control;
    return -1;
}
} // namespace

// Every row of the window-width table, for four, five and six digits.
TEST(PanelLayout, WindowWidthFollowsTheTable) {
    for (const int e : {0, 32, 64}) {
        SCOPED_TRACE(e);
        EXPECT_EQ(windowWidth(true, true, e), 474 + e);
        EXPECT_EQ(windowWidth(true, false, e), 328 + e);
        EXPECT_EQ(windowWidth(false, true, e), 328 + e);
        EXPECT_EQ(windowWidth(false, false, e), 182 + e);
    }
    EXPECT_EQ(extraWidthFor(4), 0);
    EXPECT_EQ(extraWidthFor(6), 64);
    EXPECT_EQ(windowWidth(false, false, extraWidthFor(5)), 214);
}

// A side panel covers 145 pixels and the next starts one pixel after it ends.
TEST(PanelLayout, SidePanelsMeetWithoutGapOrOverlap) {
    EXPECT_EQ(kLogPanelOffsets[lpImgRight] + 23, 145);
    EXPECT_EQ(kOptionsPanelOffsets[opImgRight] + 23, 145);
    EXPECT_EQ(kSecondSidePanelX - kFirstSidePanelX, 146);
    EXPECT_EQ(windowWidth(true, true, 0) - kSecondSidePanelX, 147); // 145 and the 2-pixel bevel
}

TEST(PanelLayout, CentredControlsShiftByHalfTheExtraWidthInOrder) {
    const std::vector<CentredLeft> six = centredLefts(64);
    EXPECT_EQ(leftOf(six, "sb1"), 56);
    EXPECT_EQ(leftOf(six, "pbGuess"), 136);
    EXPECT_EQ(leftOf(six, "ssPlace"), leftOf(six, "ssNumbers"));
    EXPECT_EQ(leftOf(six, "ssLeft"), 144);
    const std::vector<CentredLeft> five = centredLefts(32);
    EXPECT_EQ(leftOf(five, "imgAbout"), 143);
    EXPECT_EQ(leftOf(five, "lTitle"), 56);
    const std::vector<CentredLeft> four = centredLefts(0);
    ASSERT_EQ(four.size(), 20u);
    EXPECT_EQ(four[0].control, "sbClear");
    EXPECT_EQ(four[1].control, "sbBack");
    EXPECT_EQ(four[2].control, "sb0");
    EXPECT_EQ(four[11].control, "sb9");
    EXPECT_EQ(four.back().control, "ssLeft");
}

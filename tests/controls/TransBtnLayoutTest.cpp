#include "controls/TransBtnLayout.h"

#include <gtest/gtest.h>

using namespace controls;

// The "X" close button: no glyph, so the 40 x 40 cell of construction stays.
TEST(TransBtnLayout, CloseButtonKeepsTheConstructionCellAndCentresItsCaption) {
    const BtnRect g = glyphRect(ttaCenter, 17, 17, 40, 40, 2);
    EXPECT_EQ(g, (BtnRect{-11, -11, 29, 29}));
    EXPECT_EQ(captionOrigin(ttaCenter, 17, 17, 7, 13, g, 2), (BtnPoint{8 - 3, 8 - 6}));
}

TEST(TransBtnLayout, GlyphGoesOppositeTheText) {
    // A 16 x 16 cell on a 60 x 40 button, spacing 2.
    EXPECT_EQ(glyphRect(ttaTopLeft, 60, 40, 16, 16, 2), (BtnRect{22, 22, 38, 38}));
    EXPECT_EQ(glyphRect(ttaTop, 60, 40, 16, 16, 2), (BtnRect{22, 22, 38, 38}));
    EXPECT_EQ(glyphRect(ttaRight, 60, 40, 16, 16, 2), (BtnRect{2, 12, 18, 28}));
    EXPECT_EQ(glyphRect(ttaBottom, 60, 40, 16, 16, 2), (BtnRect{22, 2, 38, 18}));
    EXPECT_EQ(glyphRect(ttaLeft, 60, 40, 16, 16, 2), (BtnRect{42, 12, 58, 28}));
    EXPECT_EQ(glyphRect(ttaCenter, 60, 40, 16, 16, 2), (BtnRect{22, 12, 38, 28}));
}

TEST(TransBtnLayout, CaptionSitsBesideTheGlyph) {
    const BtnRect g{22, 22, 38, 38};
    // Text 20 x 10.
    EXPECT_EQ(captionOrigin(ttaTopLeft, 60, 40, 20, 10, g, 2), (BtnPoint{2, 10}));
    EXPECT_EQ(captionOrigin(ttaTop, 60, 40, 20, 10, g, 2), (BtnPoint{20, 10}));
    EXPECT_EQ(captionOrigin(ttaTopRight, 60, 40, 20, 10, g, 2), (BtnPoint{38, 10}));
    EXPECT_EQ(captionOrigin(ttaRight, 60, 40, 20, 10, g, 2), (BtnPoint{38, 15}));
    EXPECT_EQ(captionOrigin(ttaBottomRight, 60, 40, 20, 10, g, 2), (BtnPoint{38, 40}));
    EXPECT_EQ(captionOrigin(ttaBottom, 60, 40, 20, 10, g, 2), (BtnPoint{20, 40}));
    EXPECT_EQ(captionOrigin(ttaBottomLeft, 60, 40, 20, 10, g, 2), (BtnPoint{2, 40}));
    EXPECT_EQ(captionOrigin(ttaLeft, 60, 40, 20, 10, g, 2), (BtnPoint{2, 15}));
}

TEST(TransBtnLayout, GlyphStripsSplitIntoWholeCells) {
    EXPECT_EQ(numGlyphsFor(64, 16, 1), 4);
    EXPECT_EQ(numGlyphsFor(32, 16, 1), 2);
    EXPECT_EQ(numGlyphsFor(80, 16, 3), 1); // five cells is more than a strip holds
    EXPECT_EQ(numGlyphsFor(50, 16, 3), 3); // not a whole multiple: unchanged
    EXPECT_EQ(numGlyphsFor(0, 0, 2), 2);

    EXPECT_EQ(glyphCellIndex(1, false, true), 0);
    EXPECT_EQ(glyphCellIndex(2, false, false), 1);
    EXPECT_EQ(glyphCellIndex(2, true, true), 0);
    EXPECT_EQ(glyphCellIndex(4, true, true), 2); // a fourth cell is never chosen
    EXPECT_EQ(glyphCellIndex(3, false, true), 1);
    EXPECT_EQ(glyphCellIndex(3, true, false), 0);
}

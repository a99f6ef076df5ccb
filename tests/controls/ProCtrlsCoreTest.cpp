#include "controls/ProCtrlsCore.h"
#include "controls/ProConst.h"

#include <gtest/gtest.h>

using namespace controls;

TEST(ProLabelGeometry, AnglesAreBroughtIntoOneTurn) {
    EXPECT_EQ(reduceAngle(-1), 359);
    EXPECT_EQ(reduceAngle(360), 0);
    EXPECT_EQ(reduceAngle(450), 90);
    EXPECT_EQ(reduceAngle(-90), 270);
    EXPECT_EQ(reduceAngle(-720), 0);
}

// A 100 x 20 caption at 45 degrees in each quadrant: a = b = 70, c = d = 14 (signs by
// quadrant), an 84 x 84 box, and the text origin where the rotated text's corner lands.
TEST(ProLabelGeometry, RotatedBoxAndOriginPerQuadrant) {
    EXPECT_EQ(placeRotated(45, 100, 20, 200, 200, taLeftJustify, vaTop),
              (RotatedPlacement{0, 0, 84, 84, 0, 70}));
    EXPECT_EQ(placeRotated(135, 100, 20, 200, 200, taLeftJustify, vaTop),
              (RotatedPlacement{0, 0, 84, 84, 70, 84}));
    EXPECT_EQ(placeRotated(225, 100, 20, 200, 200, taLeftJustify, vaTop),
              (RotatedPlacement{0, 0, 84, 84, 84, 14}));
    EXPECT_EQ(placeRotated(315, 100, 20, 200, 200, taLeftJustify, vaTop),
              (RotatedPlacement{0, 0, 84, 84, 14, 0}));
    // Aligned in the label, and clamped to it.
    EXPECT_EQ(placeRotated(45, 100, 20, 200, 100, taCenter, vaCenter),
              (RotatedPlacement{58, 8, 84, 84, 58, 78}));
    EXPECT_EQ(placeRotated(45, 100, 20, 200, 100, taRightJustify, vaBottom),
              (RotatedPlacement{116, 16, 84, 84, 116, 86}));
    EXPECT_EQ(placeRotated(45, 100, 20, 50, 40, taLeftJustify, vaTop),
              (RotatedPlacement{0, 0, 50, 40, 0, 70}));
}

TEST(ProLabelGeometry, WrappedTextIsPlacedVerticallyAndOverflowsEvenly) {
    EXPECT_EQ(placeVertically(0, 86, 39, vaCenter), (Band{23, 62}));
    EXPECT_EQ(placeVertically(0, 86, 39, vaBottom), (Band{47, 86}));
    EXPECT_EQ(placeVertically(0, 86, 100, vaCenter), (Band{-7, 93})); // -14 / 2 toward zero
    EXPECT_EQ(placeVertically(0, 86, 100, vaBottom), (Band{-14, 86}));
    EXPECT_EQ(placeVertically(0, 86, 39, vaTop), (Band{0, 86}));
    EXPECT_EQ(DirectionOffset(drUpRight), (Step{1, -1}));
    EXPECT_EQ(DirectionOffset(drDownLeft), (Step{-1, 1}));
}

// Every kind: its value, caption, modal result and flags, in all twelve languages.
TEST(ProButtonKinds, EveryKindHasItsCaptionResultAndFlags) {
    struct Group {
        int modalResult;
        bool isDefault, cancel;
        const char* english;
    };
    const Group groups[] = {
        {2, false, true, "Cancel"},  {0, false, false, "&Help"},   {6, true, false, "&Yes"},
        {7, false, true, "&No"},     {0, false, false, "&Close"},  {3, false, false, "Abort"},
        {4, false, false, "&Retry"}, {5, false, false, "&Ignore"}, {8, false, false, "&All"},
        {9, true, false, "&Done"},   {0, false, false, "< &Back"}, {0, true, false, "&Next >"},
        {10, true, false, "&Finish"}};
    const KindInfo ok = kindInfo(pbkOk);
    EXPECT_EQ(LoadStr(ok.captionId), "OK");
    EXPECT_EQ(ok.modalResult, 1);
    EXPECT_TRUE(ok.isDefault);
    for (int g = 0; g < kButtonGroupCount; ++g) {
        for (int l = 0; l < kLanguageCount; ++l) {
            const auto kind = static_cast<TProButtonKind>(2 + 12 * g + l);
            const KindInfo info = kindInfo(kind);
            SCOPED_TRACE(testing::Message() << "group " << g << " language " << l);
            EXPECT_EQ(info.captionId, 30101 + g + 20 * l);
            EXPECT_FALSE(LoadStr(info.captionId).empty());
            EXPECT_EQ(info.modalResult, groups[g].modalResult);
            EXPECT_EQ(info.isDefault, groups[g].isDefault);
            EXPECT_EQ(info.cancel, groups[g].cancel);
            if (l == 0) {
                EXPECT_EQ(LoadStr(info.captionId), groups[g].english);
            }
        }
    }
    EXPECT_EQ(pbkFinishPol, 157);
    EXPECT_TRUE(isHelpKind(pbkHelpDut));
    EXPECT_FALSE(isHelpKind(pbkYes));
    EXPECT_TRUE(isCloseKind(pbkClosePol));
    EXPECT_EQ(helpKindFor(dlGerman), pbkHelpGer);
}

// Western European captions are held as the letters their languages write.
TEST(ProButtonKinds, CaptionsAreUnicodeText) {
    EXPECT_EQ(LoadStr(kindInfo(pbkCancelSwe).captionId), "&Återgå");
    EXPECT_EQ(LoadStr(kindInfo(pbkHelpDan).captionId), "&Hjælp");
    EXPECT_EQ(LoadStr(kindInfo(pbkNoPor).captionId), "&Não");
    EXPECT_EQ(LoadStr(kindInfo(pbkCloseGer).captionId), "&Schließen");
    EXPECT_EQ(LoadStr(kindInfo(pbkPrevSwe).captionId), "&< Föregående");
    EXPECT_EQ(LoadStr(kindInfo(pbkCancelRus).captionId), "Отмена");
    EXPECT_EQ(LoadStr(kindInfo(pbkFinishPol).captionId), "&Zakończ");
    EXPECT_EQ(LoadStr(infoCaptionId(dlEnglish)), "Information");
    EXPECT_EQ(LoadStr(infoCaptionId(dlPortuguese)), "Informação");
    EXPECT_EQ(LoadStr(infoCaptionId(dlSpanish)), "Información");
    EXPECT_EQ(LoadStr(infoCaptionId(dlPolish)), "Informacja");
    EXPECT_EQ(LoadStr(30510), "");
}

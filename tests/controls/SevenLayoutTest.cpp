#include "controls/SevenLayout.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

SevenProps guessDigit() {
    SevenProps p;
    p.width = 25;
    p.height = 41;
    p.thickness = 4;
    p.numberOfDigit = 1;
    return p;
}

SevenProps guessesLeft(const std::string& value) {
    SevenProps p;
    p.width = 41;
    p.height = 41;
    p.thickness = 4;
    p.horzSpace = 5;
    p.numberOfDigit = 2;
    p.leadingZeros = true;
    p.showDecimalPoint = false;
    p.value = value;
    return p;
}

SevenPlan planOf(const SevenProps& p) {
    SevenPlanResult result = planSevenSegment(p);
    EXPECT_TRUE(result.plan.has_value()) << result.error;
    return result.plan.value_or(SevenPlan{});
}

std::vector<Rect> boxes(const SevenPlan& plan, Shape::Role role, bool lit) {
    std::vector<Rect> found;
    for (const Shape& s : plan.shapes)
        if (s.kind == Shape::Box && s.role == role && s.lit == lit) found.push_back(s.box);
    return found;
}

std::vector<int> lefts(const SevenPlan& plan) {
    std::vector<int> xs;
    for (const Rect& r : plan.cells)
        xs.push_back(r.left);
    return xs;
}

using Quad = std::array<Pt, 4>;

} // namespace

TEST(SevenGeometry, GuessDigitCellAndSegments) {
    const SevenPlan plan = planOf(guessDigit());
    ASSERT_EQ(plan.cells.size(), 1u);
    EXPECT_EQ(plan.cells[0], (Rect{4, 2, 21, 39}));
    const CellGeometry g = cellGeometry(plan.cells[0], 4, 2);
    EXPECT_EQ(g.outer[segTop], (Quad{{{6, 2}, {10, 6}, {15, 6}, {19, 2}}}));
    EXPECT_EQ(g.outer[segLowerRight], (Quad{{{21, 37}, {17, 33}, {17, 25}, {21, 21}}}));
    EXPECT_EQ(g.outer[segUpperRight], (Quad{{{21, 19}, {17, 15}, {17, 8}, {21, 4}}}));
    EXPECT_EQ(g.outer[segBottom], (Quad{{{6, 39}, {10, 35}, {15, 35}, {19, 39}}}));
    EXPECT_EQ(g.outer[segUpperLeft], (Quad{{{4, 4}, {8, 8}, {8, 15}, {4, 19}}}));
    EXPECT_EQ(g.outer[segLowerLeft], (Quad{{{4, 21}, {8, 25}, {8, 33}, {4, 37}}}));
    EXPECT_EQ(g.middle,
              (std::array<Pt, 6>{{{6, 20}, {8, 18}, {17, 18}, {19, 20}, {17, 22}, {8, 22}}}));
}

TEST(SevenGeometry, ScoreDisplay) {
    SevenProps p;
    p.width = 18;
    p.height = 26;
    p.thickness = 2;
    p.numberOfDigit = 1;
    p.showDecimalPoint = false;
    const SevenPlan plan = planOf(p);
    EXPECT_EQ(plan.cells.at(0), (Rect{4, 2, 14, 24}));
    EXPECT_EQ(cellGeometry(plan.cells[0], 2, 2).middle,
              (std::array<Pt, 6>{{{6, 13}, {7, 12}, {11, 12}, {12, 13}, {11, 14}, {7, 14}}}));
}

TEST(SevenGeometry, GuessesLeftDisplayRoundsHalfToEvenAndPadsWithZeros) {
    EXPECT_EQ(roundHalfEven(20.5), 20);
    EXPECT_EQ(roundHalfEven(21.5), 22);
    EXPECT_EQ(roundHalfEven(20.4), 20);
    SevenPlan plan = planOf(guessesLeft("7"));
    EXPECT_EQ(plan.cells, (std::vector<Rect>{{2, 2, 18, 39}, {22, 2, 38, 39}}));
    EXPECT_EQ(plan.codes, (std::vector<int>{0, 7}));
    EXPECT_EQ(planOf(guessesLeft("10")).codes, (std::vector<int>{1, 0}));
    EXPECT_EQ(planOf(guessesLeft("123")).codes, (std::vector<int>{2, 3}));
    EXPECT_EQ(planOf(guessesLeft("0")).codes, (std::vector<int>{0, 0}));
}

TEST(SevenGeometry, DefaultControlCellsAndDecimalPoints) {
    const SevenPlan plan = planOf(SevenProps{});
    EXPECT_EQ(lefts(plan), (std::vector<int>{4, 34, 64, 94, 124}));
    EXPECT_EQ(plan.codes, (std::vector<int>{10, 10, 10, 10, 0}));
    EXPECT_EQ(boxes(plan, Shape::DecimalPoint, false),
              (std::vector<Rect>{
                  {27, 43, 32, 48}, {57, 43, 62, 48}, {87, 43, 92, 48}, {117, 43, 122, 48}}));
    EXPECT_TRUE(boxes(plan, Shape::DecimalPoint, true).empty());

    SevenProps pi;
    pi.value = "3.14";
    const SevenPlan piPlan = planOf(pi);
    EXPECT_EQ(piPlan.codes, (std::vector<int>{10, 10, 3, 1, 4}));
    EXPECT_EQ(boxes(piPlan, Shape::DecimalPoint, true), (std::vector<Rect>{{87, 43, 92, 48}}));
    // The lit point is drawn after the unlit one on the same spot, so it covers it.
    std::size_t unlitAt = 0, litAt = 0;
    for (std::size_t i = 0; i < piPlan.shapes.size(); ++i) {
        const Shape& s = piPlan.shapes[i];
        if (s.kind == Shape::Box && s.box == Rect{87, 43, 92, 48}) (s.lit ? litAt : unlitAt) = i;
    }
    EXPECT_LT(unlitAt, litAt);

    SevenProps noGap;
    noGap.thickness = 8; // equal to HorzSpace: no points at all
    noGap.value = "3.14";
    const SevenPlan noPoints = planOf(noGap);
    EXPECT_TRUE(boxes(noPoints, Shape::DecimalPoint, false).empty());
    EXPECT_TRUE(boxes(noPoints, Shape::DecimalPoint, true).empty());
}

TEST(SevenGeometry, SegmentsLightAsTheTableSays) {
    SevenProps p = guessDigit();
    p.value = "7";
    const SevenPlan plan = planOf(p);
    std::vector<bool> lit;
    for (const Shape& s : plan.shapes)
        if (s.role == Shape::SegmentPart) lit.push_back(s.lit);
    // top, lower right, upper right lit; no upper left on a 7.
    EXPECT_EQ(lit, (std::vector<bool>{true, true, true, false, false, false, false}));
    EXPECT_TRUE(kSegmentTable[6][segTop]);
    EXPECT_TRUE(kSegmentTable[9][segBottom]);
    EXPECT_EQ(kSegmentTable[kMinusCode], (std::array<bool, 7>{0, 0, 0, 0, 0, 0, 1}));
}

TEST(SevenGeometry, NegativeNumbersAndTheSignCell) {
    SevenProps p;
    p.numberOfDigit = 3;
    p.value = "-5";
    EXPECT_EQ(planOf(p).codes, (std::vector<int>{10, kMinusCode, 5}));

    p.numberOfDigit = 2;
    p.leadingZeros = true; // "-05": the leftmost character has no cell
    EXPECT_EQ(planOf(p).codes, (std::vector<int>{0, 5}));

    SevenProps half;
    half.leadingZeros = true;
    half.value = "2.5";
    EXPECT_EQ(planOf(half).codes, (std::vector<int>{10, 10, 10, 2, 5}));

    SevenProps sign;
    sign.numberOfDigit = 2;
    sign.showPlusMinus = true;
    sign.value = "-5";
    SevenPlan plan = planOf(sign);
    const int cellW = roundHalfEven(150.0 / 3); // the sign takes a cell of its own
    EXPECT_EQ(plan.cells.at(0).left, 4 + cellW);
    EXPECT_EQ(plan.codes, (std::vector<int>{10, 5}));
    EXPECT_EQ(boxes(plan, Shape::SignBar, false).size(), 2u); // the plus is dark
    EXPECT_EQ(boxes(plan, Shape::SignBar, true).size(), 1u);  // the lower bar is lit
    sign.value = "0";
    EXPECT_EQ(boxes(planOf(sign), Shape::SignBar, true).size(), 2u);
}

TEST(SevenGeometry, TimeModeCellsAndColon) {
    SevenProps p;
    p.valueType = ssTime;
    p.value = "12:34:56";
    const SevenPlan plan = planOf(p);
    EXPECT_EQ(plan.numberOfDigit, 6);
    EXPECT_EQ(lefts(plan), (std::vector<int>{4, 27, 57, 80, 110, 133}));
    std::vector<int> rights;
    for (const Rect& r : plan.cells)
        rights.push_back(r.right);
    EXPECT_EQ(rights, (std::vector<int>{19, 42, 72, 95, 125, 148}));
    EXPECT_EQ(plan.codes, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(cellGeometry(plan.cells[0], 5, 2).middleLine, 25);
    EXPECT_EQ(boxes(plan, Shape::ColonDot, true),
              (std::vector<Rect>{
                  {47, 16, 52, 21}, {47, 29, 52, 34}, {100, 16, 105, 21}, {100, 29, 105, 34}}));
    p.value = "12:34:57";
    EXPECT_EQ(boxes(planOf(p), Shape::ColonDot, false).size(), 4u);
    EXPECT_TRUE(boxes(planOf(p), Shape::ColonDot, true).empty());
    EXPECT_TRUE(boxes(planOf(p), Shape::DecimalPoint, false).empty());

    p.value = "7";
    p.numberOfDigit = 2; // time mode always lays out six cells
    EXPECT_EQ(planOf(p).codes, (std::vector<int>{0, 7, 0, 0, 0, 0}));
}

TEST(SevenGeometry, ValuesThatDoNotConvertFailOnlyInNumberMode) {
    for (const char* bad : {"", "abc", "12:34", "1.2.3", "--1", "1e", "."}) {
        SevenProps p;
        p.value = bad;
        const SevenPlanResult result = planSevenSegment(p);
        EXPECT_FALSE(result.plan) << bad;
        EXPECT_NE(result.error.find("is not a valid floating point value"), std::string::npos);
        p.valueType = ssTime;
        EXPECT_TRUE(planSevenSegment(p).plan) << bad;
    }
}

TEST(SevenGeometry, SetterRulesCutAndClamp) {
    EXPECT_EQ(clampNumberOfDigit(0), 1);
    EXPECT_EQ(clampNumberOfDigit(25), 20);
    EXPECT_EQ(clampNumberOfDigit(7), 7);
    EXPECT_EQ(cutValue(std::string(30, '1'), ssNumber), std::string(25, '1'));
    EXPECT_EQ(cutValue("12:34:567", ssTime), "12:34:56");
    EXPECT_EQ(cutValue("12", ssTime), "12");
    // Characters, not bytes: "é" is two bytes of UTF-8 and stays whole.
    EXPECT_EQ(cutValue("\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9", ssTime),
              "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9");
}

TEST(SevenGeometry, CharactersWithoutAPatternShowBlank) {
    SevenProps p;
    p.value = "1E20"; // general form 1E20: the exponent letter has no pattern
    EXPECT_EQ(planOf(p).codes, (std::vector<int>{10, 1, 10, 2, 0}));
}

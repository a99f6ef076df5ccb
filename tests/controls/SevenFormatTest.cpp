#include "controls/SevenFormat.h"

#include <gtest/gtest.h>

using namespace controls;

TEST(SevenFormat, ParsesDecimalNumbersOnly) {
    EXPECT_EQ(parseDecimal("3.14"), 3.14);
    EXPECT_EQ(parseDecimal(" -5 "), -5.0);
    EXPECT_EQ(parseDecimal("+2"), 2.0);
    EXPECT_EQ(parseDecimal("1E3"), 1000.0);
    EXPECT_EQ(parseDecimal(".5"), 0.5);
    EXPECT_EQ(parseDecimal("5."), 5.0);
    for (const char* bad : {"", " ", "abc", "1,5", "0x10", "inf", "nan", "1e999", "12:00"})
        EXPECT_FALSE(parseDecimal(bad)) << bad;
}

TEST(SevenFormat, GeneralFormIsShortestWithFifteenDigits) {
    EXPECT_EQ(formatGeneral(0), "0");
    EXPECT_EQ(formatGeneral(7), "7");
    EXPECT_EQ(formatGeneral(-5), "-5");
    EXPECT_EQ(formatGeneral(3.14), "3.14");
    EXPECT_EQ(formatGeneral(2.50), "2.5");
    EXPECT_EQ(formatGeneral(0.1), "0.1");
    EXPECT_EQ(formatGeneral(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(formatGeneral(123456789012345.0), "123456789012345");
    EXPECT_EQ(formatGeneral(0.00001), "0.00001");
    EXPECT_EQ(formatGeneral(0.000123), "0.000123");
}

TEST(SevenFormat, ExponentFormAtTheEdges) {
    EXPECT_EQ(formatGeneral(1e15), "1E15");
    EXPECT_EQ(formatGeneral(-1e15), "-1E15");
    EXPECT_EQ(formatGeneral(1.5e20), "1.5E20");
    EXPECT_EQ(formatGeneral(999999999999999.9), "1E15"); // rounds up across the edge
    EXPECT_EQ(formatGeneral(0.0000015), "1.5E-6");
    EXPECT_EQ(formatGeneral(0.000009), "9E-6");
}

TEST(SevenFormat, WholeNumberForm) {
    EXPECT_EQ(formatWhole(7, 2), "07");
    EXPECT_EQ(formatWhole(-5, 2), "-05");
    EXPECT_EQ(formatWhole(123, 2), "123");
    EXPECT_EQ(formatWhole(0, 1), "0");
    EXPECT_EQ(formatWhole(1e15, 2), "1000000000000000");
}

TEST(SevenFormat, TimeFields) {
    const auto fields = [](const std::string& v) {
        const TimeFields f = parseTimeFields(v);
        return std::array<int, 3>{f.hours, f.minutes, f.seconds};
    };
    EXPECT_EQ(fields("12:34:56"), (std::array<int, 3>{12, 34, 56}));
    EXPECT_EQ(fields("12 34 56"), (std::array<int, 3>{12, 34, 56}));
    EXPECT_EQ(fields("12:34:56:"), (std::array<int, 3>{12, 34, 56}));
    EXPECT_EQ(fields("12:34"), (std::array<int, 3>{12, 34, 0}));
    EXPECT_EQ(fields("::"), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(fields(""), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(fields("ab:5:x"), (std::array<int, 3>{0, 5, 0}));
    EXPECT_EQ(fields("1:2:3:4"), (std::array<int, 3>{1, 2, 3}));
    EXPECT_EQ(fields("300:-1:128"), (std::array<int, 3>{44, -1, -128})); // low 8 bits, signed
    EXPECT_EQ(timeText({12, 34, 56}), "123456");
    EXPECT_EQ(timeText({1, 2, 3}), "010203");
    EXPECT_EQ(timeText({-5, 0, 0}), "-050000");
}

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calendar/colour.h"
#include "calendar/date.h"
#include "calendar/text.h"

namespace calendar {
namespace {

using namespace std::chrono;

struct Parse {
    const char* text;
    const char* formatted;  // "" when the text is not a date
};

class ParseDateTest : public ::testing::TestWithParam<Parse> {};

TEST_P(ParseDateTest, ReadsOnlyWholeDatesThatExist) {
    const auto d = ParseDate(GetParam().text);
    EXPECT_EQ(d ? FormatDate(*d) : std::string{}, GetParam().formatted);
}

INSTANTIATE_TEST_SUITE_P(
    ParseDate, ParseDateTest,
    ::testing::Values(Parse{"2024-02-29", "2024-02-29"}, Parse{"2024-2-9", "2024-02-09"},
                      Parse{"1601-01-01", "1601-01-01"}, Parse{"9999-12-31", "9999-12-31"},
                      Parse{"2023-02-29", ""}, Parse{"2100-02-29", ""}, Parse{"2024-04-31", ""},
                      Parse{"2024-00-10", ""}, Parse{"2024-13-01", ""}, Parse{"2024-01-00", ""},
                      Parse{"2024-01-01 ", ""}, Parse{" 2024-01-01", ""}, Parse{"2024-001-01", ""},
                      Parse{"24-01-01", ""}, Parse{"20240-1-01", ""}, Parse{"2024/01/01", ""},
                      Parse{"2024-01-", ""}, Parse{"", ""}, Parse{"+024-01-01", ""}));

TEST(FormatDate, WritesBothDateForms) {
    const sys_days d = sys_days{2024y / 3 / 5};
    EXPECT_EQ(FormatDate(d), "2024-03-05");
    EXPECT_EQ(FormatDateShort(d), "2024-3-5");
    EXPECT_EQ(FormatDateShort(sys_days{2024y / 12 / 25}), "2024-12-25");
    EXPECT_EQ(FormatDate(sys_days{999y / 1 / 1}), "0999-01-01");
    EXPECT_EQ(DateSerialOf(sys_days{1899y / 12 / 30}), 0);
    EXPECT_EQ(DateSerialOf(sys_days{2024y / 1 / 1}), 45292);
    EXPECT_EQ(DayOfSerial(45292), sys_days{2024y / 1 / 1});
}

struct Number {
    const char* text;
    double value;
};

class NumberValueTest : public ::testing::TestWithParam<Number> {};

TEST_P(NumberValueTest, TakesTheLongestLeadingNumber) {
    EXPECT_EQ(NumberValue(GetParam().text), GetParam().value) << GetParam().text;
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    NumberValue, NumberValueTest,
    ::testing::Values(Number{"42", 42}, Number{"-3.5abc", -3.5}, Number{"+7", 7}, Number{".5", 0.5},
                      Number{"5.", 5}, Number{"1e3", 1000}, Number{"1E+2x", 100}, Number{"2e", 2},
                      Number{"2e-", 2}, Number{"2e+x", 2},
                      Number{"0.4513888888888889", 0.4513888888888889}, Number{"", 0},
                      Number{"abc", 0}, Number{" 5", 0}, Number{"-", 0}, Number{".", 0},
                      Number{"-.e5", 0}, Number{"inf", 0}, Number{"nan", 0}, Number{"0x10", 0},
                      Number{"1e999", kInf}, Number{"-1e999", -kInf}, Number{"1e-999", 0},
                      Number{"9e308", kInf}, Number{"0.01e-323", 0}, Number{"12,5", 12}));

TEST(ShiftColour, MovesEachByteTowardTheMiddle) {
    EXPECT_EQ(ShiftColour(0x80FF00u, 50), 0x4ECD32u);
    EXPECT_EQ(ShiftColour(0x000000u, 50), 0x323232u);
    EXPECT_EQ(ShiftColour(0xAB7F8080u, 1), 0xAB807F7Fu);  // the high byte stays
    // A byte never spills into its neighbour, whatever the amount.
    EXPECT_EQ(ShiftColour(0x00FF00u, 300), 0xFF00FFu);
    EXPECT_EQ(ShiftColour(0x00FF00u, -300), 0x00FF00u);
}

TEST(CodePoints, CountAndCutWholeCharacters) {
    EXPECT_EQ(CodePointCount("2023-闰02-01"), 11u);
    EXPECT_EQ(CodePointCount("甲jiǎ"), 4u);
    EXPECT_EQ(CodePointPrefix("甲jiǎ子zǐ", 4), "甲jiǎ");
    EXPECT_EQ(CodePointPrefix("阴历", 9), "阴历");
    EXPECT_EQ(CodePointPrefix("阴历", 0), "");
    EXPECT_EQ(CodePointPrefix("", 3), "");
}

}  // namespace
}  // namespace calendar

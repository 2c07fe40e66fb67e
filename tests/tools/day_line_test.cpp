#include "tools/day_line.h"

#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "test_dates.h"

namespace {

using tools::DayDirection;
using tools::DayLineText;
using tools::LunarDayLine;
using tools_test::At;
using tools_test::Day;

struct LineCase {
    const char* name;
    const char* target;
    bool wide;
    const char* expected;
};

class LunarDayLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(LunarDayLineTest, ComposesEveryPieceWithItsBlanks) {
    const LineCase& c = GetParam();
    EXPECT_EQ(LunarDayLine(Day(c.target), c.wide), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    LunarDayLine, LunarDayLineTest,
    testing::Values(
        // Leap months carry " 闰" whichever way the line was recomputed.
        LineCase{"LeapMonthDay", "2023-04-19", false,
                 " 阴历2023年[闰2月]  闰(花朝)二月[小]廿九   "},
        LineCase{"LeapMonthDayWide", "2023-04-19", true,
                 " 阴历2023年[闰2月]  闰(花朝)二月[小]廿九   "},
        LineCase{"SpringFestival", "2024-02-10", false,
                 " 阴历2024年[无闰月]  (孟春)正月[小]初一   春节"},
        LineCase{"SpringFestivalWide", "2024-02-10", true,
                 " 阴历2024年[无闰月]   (孟春)正月[小]初一   春节"},
        LineCase{"SolarTermDay", "2024-02-04", false,
                 " 阴历2023年[闰2月]  (暮岁)腊月[大]廿五  立春 "},
        // January counts its nines from the previous December's solstice (2023-12-22).
        LineCase{"ThirdNineInJanuary", "2024-01-09", false,
                 " 阴历2023年[闰2月]  (隆冬)冬月[小]廿八 三九  "},
        LineCase{"EightyDaysAfterSolstice", "2024-03-11", false,
                 " 阴历2024年[无闰月]  (花朝)二月[大]初二 出九  龙头"},
        LineCase{"EightyOneDaysAfterSolstice", "2024-03-12", false,
                 " 阴历2024年[无闰月]  (花朝)二月[大]初三   植树"},
        LineCase{"SolsticeItself", "2023-12-22", false,
                 " 阴历2023年[闰2月]  (隆冬)冬月[小]初十 入九 冬至 "},
        LineCase{"FirstLunarDay", "1901-02-19", false,
                 " 阴历1901年[无闰月]  (孟春)正月[小]初一  雨水 春节"},
        LineCase{"LastLunarDay", "2100-02-08", false,
                 " 阴历2099年[闰2月]  (暮岁)腊月[大]三十   除夕"},
        LineCase{"BeforeLunarTable", "1901-02-18", false, ""},
        LineCase{"AfterLunarTable", "2100-02-09", false, ""}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(IsCountText, AcceptsOnlySignsPointsAndDigits) {
    for (const char* ok : {"0", "-3", "1.5", "+5", "5.", "-", ".", "1-2", "00012"}) {
        EXPECT_TRUE(tools::IsCountText(ok)) << ok;
    }
    for (const char* bad : {"", "abc", "1e3", " 5", "5 ", "１", "0x10", "\t"}) {
        EXPECT_FALSE(tools::IsCountText(bad)) << bad;
    }
}

struct CountCase {
    const char* name;
    const char* count;
    DayDirection direction;
    const char* shownDay;  // nullptr: the line is cleared
};

class DayLineTextTest : public testing::TestWithParam<CountCase> {};

// The reference picker stands at 2023-04-19 10:50, as a picker keeps the time it was set at.
TEST_P(DayLineTextTest, ShowsTheDayTheCountReaches) {
    const CountCase& c = GetParam();
    const std::string line = DayLineText(At("2023-04-19", 10, 50), c.count, c.direction, false);
    if (c.shownDay == nullptr) {
        EXPECT_EQ(line, "");
    } else {
        EXPECT_EQ(line, LunarDayLine(Day(c.shownDay), false));
        EXPECT_NE(line, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    DayLineText, DayLineTextTest,
    testing::Values(
        CountCase{"ZeroIsTheReferenceDay", "0", DayDirection::Before, "2023-04-19"},
        CountCase{"NegativeBeforeGoesForward", "-3", DayDirection::Before, "2023-04-22"},
        CountCase{"NegativeAfterGoesBack", "-3", DayDirection::After, "2023-04-16"},
        // 10:50 minus a day and a half is 22:50 two days earlier; plus, 22:50 the next day.
        CountCase{"FractionBefore", "1.5", DayDirection::Before, "2023-04-17"},
        CountCase{"FractionAfter", "1.5", DayDirection::After, "2023-04-20"},
        CountCase{"PlusSign", "+5", DayDirection::After, "2023-04-24"},
        CountCase{"TrailingPoint", "5.", DayDirection::Before, "2023-04-14"},
        CountCase{"LeadingNumberOnly", "1-2", DayDirection::After, "2023-04-20"},
        CountCase{"LoneMinusIsZero", "-", DayDirection::After, "2023-04-19"},
        CountCase{"UpDownMaximum", "1000", DayDirection::After, "2026-01-13"},
        CountCase{"Letters", "abc", DayDirection::After, nullptr},
        CountCase{"Exponent", "1e3", DayDirection::After, nullptr},
        CountCase{"Empty", "", DayDirection::Before, nullptr},
        CountCase{"PastLunarTable", "40000", DayDirection::After, nullptr},
        CountCase{"PastPickers", "99999999999", DayDirection::Before, nullptr},
        CountCase{"Overflowing",
                  "9999999999999999999999999999999999999999999999999999999999999999999999999999999"
                  "99999999999999999999999999999999999999999999999999999999999999999999999999999"
                  "99999999999999999999999999999999999999999999999999999999999999999999999999999"
                  "9999999999999999999999999999999999999999999999999999999999999999999999999",
                  DayDirection::After, nullptr}),
    [](const testing::TestParamInfo<CountCase>& info) { return std::string(info.param.name); });

TEST(DayInfoLine, FractionReachingMidnightMovesToTheNextDay) {
    // 10:48 is 0.45 of a day, which a double cannot hold exactly; 10:48 + 0.55 is midnight.
    EXPECT_EQ(tools::DayInfoLine(At("2023-04-19", 10, 48), 0.55, false),
              LunarDayLine(Day("2023-04-20"), false));
}

TEST(DayInfoLine, ValuesNoPickerOffersClearTheLine) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(tools::DayInfoLine(At("2023-04-19"), inf, false), "");
    EXPECT_EQ(tools::DayInfoLine(At("2023-04-19"), -inf, false), "");
    EXPECT_EQ(tools::DayInfoLine(At("2023-04-19"), std::numeric_limits<double>::quiet_NaN(), false),
              "");
    EXPECT_EQ(tools::DayInfoLine(At("2023-04-19"), 1e308, false), "");
}

}  // namespace

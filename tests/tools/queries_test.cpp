#include "tools/queries.h"

#include <string>

#include <gtest/gtest.h>

namespace {

using tools::CycleYearsText;
using tools::TermDateText;
using tools::WeekRangeText;

struct WeekCase {
    const char* name;
    int year;
    const char* week;
    const char* expected;
};

class WeekRangeTextTest : public testing::TestWithParam<WeekCase> {};

TEST_P(WeekRangeTextTest, ClipsTheWeekToItsYear) {
    const WeekCase& c = GetParam();
    EXPECT_EQ(WeekRangeText(c.year, c.week), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    WeekRangeText, WeekRangeTextTest,
    testing::Values(WeekCase{"DesignTimeText", 2021, "52", "2021-12-19至2021-12-25"},
                    WeekCase{"FirstWeekOf2021", 2021, "1", "2021-1-1至2021-1-2"},
                    WeekCase{"FirstWeekOf2026", 2026, "1", "2026-1-1至2026-1-3"},
                    WeekCase{"LastWeekOf2021", 2021, "53", "2021-12-26至2021-12-31"},
                    WeekCase{"SundayYearFirstWeek", 2023, "1", "2023-1-1至2023-1-7"},
                    WeekCase{"SundayYearWeek53IsOneDay", 2023, "53", "2023-12-31至2023-12-31"},
                    WeekCase{"SaturdayYearFirstWeekIsOneDay", 2022, "1", "2022-1-1至2022-1-1"},
                    WeekCase{"SaturdayYearWeek53", 2022, "53", "2022-12-25至2022-12-31"},
                    // A leap year beginning on a Saturday has a 54th week, 31 December alone.
                    WeekCase{"LeapSaturdayYearWeek53", 2000, "53", "2000-12-24至2000-12-30"},
                    WeekCase{"LeapSaturdayYearWeek54", 2000, "54", "2000-12-31至2000-12-31"},
                    WeekCase{"NoWeek54", 2021, "54", ""},
                    WeekCase{"RoundedWeekNumber", 2021, "1.6", "2021-1-3至2021-1-9"},
                    WeekCase{"WeekZero", 2021, "0", ""}, WeekCase{"NegativeWeek", 2021, "-1", ""},
                    WeekCase{"NotANumber", 2021, "", ""}, WeekCase{"Huge", 2021, "1e308", ""},
                    WeekCase{"FirstPickerYear", 1601, "53", "1601-12-30至1601-12-31"},
                    WeekCase{"LastPickerYear", 9999, "1", "9999-1-1至9999-1-2"},
                    WeekCase{"BeforePickers", 1600, "1", ""}),
    [](const testing::TestParamInfo<WeekCase>& info) { return std::string(info.param.name); });

TEST(TermDateText, GivesTheDayAndMomentOrLeavesTheCaption) {
    EXPECT_EQ(TermDateText(2026, 22), "2026年12月22日 04:50:15");
    EXPECT_EQ(TermDateText(2024, 1), "2024年02月04日 16:27:09");
    EXPECT_EQ(TermDateText(2026, 2), "2026年02月18日 23:51:56");   // the table's day, corrected
    EXPECT_EQ(TermDateText(2024, 23), "2024年01月06日 04:49:23");  // a January term of the year
    // The moment falls seconds before midnight of the day the calendar names: the day alone.
    EXPECT_EQ(TermDateText(1923, 2), "1923年02月20日");
    EXPECT_NE(TermDateText(2100, 24), "");  // 2100 is still computed
    EXPECT_EQ(TermDateText(1900, 1), "");
    EXPECT_EQ(TermDateText(2101, 1), "");
    EXPECT_EQ(TermDateText(2024, 0), std::nullopt);
    EXPECT_EQ(TermDateText(2024, 25), std::nullopt);
}

TEST(CycleYearsText, FindsTheLatestTwoYearsOfTheName) {
    EXPECT_EQ(CycleYearsText(1, 2026), "1924年虚103岁  1984年虚43岁");
    // The current year matches itself, with age 1.
    EXPECT_EQ(CycleYearsText(43, 2026), "1966年虚61岁  2026年虚1岁");
    // The Gregorian year counts; January 2027 is already a new year for this query.
    EXPECT_EQ(CycleYearsText(43, 2027), "1966年虚62岁  2026年虚2岁");
    EXPECT_EQ(CycleYearsText(44, 2026), "1907年虚120岁  1967年虚60岁");
    EXPECT_EQ(CycleYearsText(60, 1601), "1503年虚99岁  1563年虚39岁");
}

TEST(CycleYearsText, RowOrYearOutsideItsRangeGivesEmptyText) {
    EXPECT_EQ(CycleYearsText(0, 2026), "");
    EXPECT_EQ(CycleYearsText(61, 2026), "");
    EXPECT_EQ(CycleYearsText(1, 1600), "");
    EXPECT_EQ(CycleYearsText(1, 10000), "");
}

TEST(CycleRowOf, TakesTheNameWithOrWithoutPinyin) {
    EXPECT_EQ(tools::CycleRowOf("甲jiǎ子zǐ"), 1);
    EXPECT_EQ(tools::CycleRowOf("丙bǐng午wǔ"), 43);
    EXPECT_EQ(tools::CycleRowOf("丙午"), 43);
    EXPECT_EQ(tools::CycleRowOf("癸亥"), 60);
    EXPECT_EQ(tools::CycleRowOf("甲丑"), 0);  // no such pair: stems and branches keep parity
    EXPECT_EQ(tools::CycleRowOf("甲子x"), 0);
    EXPECT_EQ(tools::CycleRowOf(""), 0);
}

}  // namespace

#include <gtest/gtest.h>

#include "calendar/holidays.h"
#include "month/month_page.h"

namespace month {
namespace {

using namespace std::chrono;

sys_days Day(int y, unsigned m, unsigned d) { return sys_days{year{y} / m / d}; }

const calendar::HolidaySchedule& BuiltIn() {
    static const calendar::HolidaySchedule schedule;
    return schedule;
}

const MonthCell& CellOn(const MonthPage& page, sys_days day) {
    for (const MonthCell& cell : page.cells)
        if (cell.date == day) return cell;
    ADD_FAILURE() << "no cell for the day";
    return page.cells[0];
}

struct LineRow {
    const char* label;
    sys_days day;
    const char* line;
};

void PrintTo(const LineRow& row, std::ostream* os) { *os << row.label; }

class CellLineTest : public ::testing::TestWithParam<LineRow> {};

// Festivals over the term, the term over the lunar day, the month's name on its first day.
TEST_P(CellLineTest, ShowsTheFirstOfFestivalTermAndLunarDay) {
    EXPECT_EQ(CellLine(GetParam().day), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    CellLine, CellLineTest,
    ::testing::Values(LineRow{"festival_over_term", Day(2011, 6, 6), "端午"},
                      LineRow{"two_festivals_in_slot_order", Day(2020, 10, 1), "中秋国庆"},
                      LineRow{"spring_festival_over_month_name", Day(2024, 2, 10), "春节"},
                      LineRow{"term_over_month_name", Day(2008, 5, 5), "立夏"},
                      LineRow{"term_over_lunar_day", Day(2026, 2, 18), "雨水"},
                      LineRow{"month_name_on_the_first", Day(2024, 3, 10), "二月"},
                      LineRow{"leap_month_name", Day(2023, 3, 22), "闰二月"},
                      LineRow{"last_month_of_the_year", Day(2026, 1, 19), "腊月"},
                      LineRow{"lunar_day", Day(2024, 3, 13), "初四"},
                      LineRow{"thirtieth", Day(2026, 1, 18), "三十"},
                      LineRow{"first_lunar_day", Day(1901, 2, 19), "春节"},
                      LineRow{"before_the_lunar_range", Day(1901, 2, 18), ""},
                      LineRow{"last_lunar_day", Day(2100, 2, 8), "除夕"},
                      LineRow{"after_the_lunar_range", Day(2100, 2, 9), ""}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ComposeMonthPage, LeapMonthsInTheHeaderAndTheCells) {
    const MonthPage march = ComposeMonthPage(2023y / 3, Day(2023, 3, 1), BuiltIn());
    EXPECT_EQ(march.header, "2023年3月 · 癸卯兔年 二月/闰二月");
    EXPECT_EQ(CellOn(march, Day(2023, 3, 22)).line, "闰二月");
    EXPECT_EQ(CellOn(march, Day(2023, 3, 23)).line, "龙头");  // a leap month keeps the festivals

    const MonthPage december = ComposeMonthPage(2033y / 12, Day(2023, 3, 1), BuiltIn());
    EXPECT_EQ(december.header, "2033年12月 · 癸丑牛年 冬月/闰冬月");
    EXPECT_EQ(CellOn(december, Day(2033, 12, 22)).line, "闰冬月");
    EXPECT_FALSE(december.scheduleKnown);
}

TEST(ComposeMonthPage, HeaderAcrossASpringFestivalAndThreeLunarMonths) {
    EXPECT_EQ(MonthHeader(2026y / 2), "2026年2月 · 乙巳蛇年/丙午马年 腊月/正月");
    EXPECT_EQ(MonthHeader(2026y / 12), "2026年12月 · 丙午马年 十月/冬月");
    EXPECT_EQ(MonthHeader(1938y / 1), "1938年1月 · 丁丑牛年/戊寅虎年 冬月/腊月/正月");
}

TEST(ComposeMonthPage, TheRangesFirstAndLastMonthsShowOnlyTheirDaysOutside) {
    const MonthPage first = ComposeMonthPage(kFirstMonth, Day(2026, 2, 17), BuiltIn());
    EXPECT_EQ(first.header, "1901年2月 · 辛丑牛年 正月");
    EXPECT_EQ(first.cells[0].date, Day(1901, 1, 27));
    EXPECT_EQ(CellOn(first, Day(1901, 2, 18)).line, "");
    EXPECT_EQ(CellOn(first, Day(1901, 2, 19)).line, "春节");

    const MonthPage last = ComposeMonthPage(kLastMonth, Day(2026, 2, 17), BuiltIn());
    EXPECT_EQ(last.header, "2100年2月 · 己未羊年 腊月");
    EXPECT_EQ(CellOn(last, Day(2100, 2, 8)).line, "除夕");
    EXPECT_EQ(CellOn(last, Day(2100, 2, 9)).line, "");
    EXPECT_EQ(last.cells[kCells - 1].date, Day(2100, 3, 13));
    EXPECT_EQ(last.cells[kCells - 1].line, "");
    EXPECT_EQ(ClampMonth(2100y / 3), kLastMonth);
    EXPECT_EQ(ClampMonth(1900y / 12), kFirstMonth);
}

TEST(ComposeMonthPage, AMonthStartingOnSundayOrSaturday) {
    // 2026-02-01 is a Sunday: the grid starts on it. 2025-11-01 is a Saturday: six days of
    // October come first.
    const MonthPage february = ComposeMonthPage(2026y / 2, Day(2026, 2, 17), BuiltIn());
    EXPECT_EQ(february.cells[0].date, Day(2026, 2, 1));
    EXPECT_FALSE(february.cells[0].dimmed);
    EXPECT_TRUE(february.cells[27].date == Day(2026, 2, 28) && !february.cells[27].dimmed);
    EXPECT_TRUE(february.cells[28].dimmed);

    const MonthPage november = ComposeMonthPage(2025y / 11, Day(2026, 2, 17), BuiltIn());
    EXPECT_EQ(november.cells[0].date, Day(2025, 10, 26));
    EXPECT_TRUE(november.cells[5].dimmed);
    EXPECT_EQ(november.cells[6].date, Day(2025, 11, 1));
    EXPECT_FALSE(november.cells[6].dimmed);
    EXPECT_TRUE(november.cells[6].weekend);
    EXPECT_EQ(november.cells[41].date, Day(2025, 12, 6));
}

TEST(ComposeMonthPage, WeekNumbersAroundTheFirstOfJanuary) {
    // The row of 2025-12-28 .. 2026-01-03 is week 53 in December and week 1 in January.
    const MonthPage december = ComposeMonthPage(2025y / 12, Day(2026, 2, 17), BuiltIn());
    EXPECT_EQ(december.weeks, (std::array<int, kRows>{49, 50, 51, 52, 53, 2}));
    const MonthPage january = ComposeMonthPage(2026y / 1, Day(2026, 2, 17), BuiltIn());
    EXPECT_EQ(january.weeks, (std::array<int, kRows>{1, 2, 3, 4, 5, 6}));
    // 2028 is a leap year beginning on a Saturday: its last day is in week 54.
    EXPECT_EQ(ComposeMonthPage(2028y / 12, Day(2026, 2, 17), BuiltIn()).weeks[5], 54);
}

TEST(ComposeMonthPage, SpringFestival2026WithItsDaysOffAndMakeUpSaturdays) {
    const MonthPage page = ComposeMonthPage(2026y / 2, Day(2026, 2, 17), BuiltIn());
    EXPECT_TRUE(page.scheduleKnown);
    std::string badges;
    for (const MonthCell& cell : page.cells)
        badges += cell.badge == Badge::Off ? '+' : cell.badge == Badge::Work ? 'W' : '.';
    EXPECT_EQ(badges,
              ".............W"
              "+++++++++....W"
              "..............");
    const MonthCell& festival = CellOn(page, Day(2026, 2, 17));
    EXPECT_TRUE(festival.today);
    EXPECT_EQ(festival.line, "春节");
    EXPECT_FALSE(festival.weekend);
    EXPECT_TRUE(CellOn(page, Day(2026, 2, 14)).weekend);
    int todays = 0;
    for (const MonthCell& cell : page.cells) todays += cell.today;
    EXPECT_EQ(todays, 1);
}

}  // namespace
}  // namespace month

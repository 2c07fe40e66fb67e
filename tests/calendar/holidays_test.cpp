#include <gtest/gtest.h>

#include "calendar/holidays.h"
#include "tests/support/day.h"

namespace calendar {
namespace {

using testing::Day;
using namespace std::chrono;

std::string TextOn(const HolidaySchedule& schedule, const char* date) {
    return HolidayText(schedule.On(Day(date)));
}

TEST(BuiltInHolidays, ReadCleanlyAndCoverTheAnnouncedYears) {
    const HolidayList list = ParseHolidayText(BuiltInHolidayText());
    EXPECT_TRUE(list.errors.empty());
    EXPECT_GT(list.days.size(), 700u);
    const HolidaySchedule schedule;
    for (int year = 2004; year <= 2026; ++year) EXPECT_TRUE(schedule.HasYear(year)) << year;
    EXPECT_FALSE(schedule.HasYear(2003));
    EXPECT_FALSE(schedule.HasYear(2027));
    // A make-up working day only makes sense on a weekend.
    for (const HolidayDay& day : list.days) {
        if (day.kind != HolidayKind::Work) continue;
        const weekday wd{day.date};
        EXPECT_TRUE(wd == Saturday || wd == Sunday) << FormatDate(day.date);
    }
}

TEST(BuiltInHolidays, LookUpDaysOffWorkdaysAndOrdinaryDays) {
    const HolidaySchedule schedule;
    EXPECT_EQ(TextOn(schedule, "2025-01-26"), "班 春节");
    EXPECT_EQ(TextOn(schedule, "2025-01-27"), "");
    EXPECT_EQ(TextOn(schedule, "2025-01-28"), "休 春节");
    EXPECT_EQ(TextOn(schedule, "2015-09-03"), "休 抗战胜利纪念日");
    EXPECT_EQ(TextOn(schedule, "2026-02-14"), "班 春节");
    EXPECT_EQ(TextOn(schedule, "2027-02-06"), "");
    EXPECT_EQ(TextOn(schedule, "1949-10-01"), "");
}

struct BadLine {
    const char* label;
    std::string line;
    HolidayProblem problem;
};

void PrintTo(const BadLine& row, std::ostream* os) { *os << row.label; }

class ParseHolidayTextBadLine : public ::testing::TestWithParam<BadLine> {};

// The bad line between two good ones is skipped and reported with its number.
TEST_P(ParseHolidayTextBadLine, IsSkippedAndReportedWithItsNumber) {
    const std::string text =
        "2027-01-01\t休\t元旦\n" + GetParam().line + "\n2027-01-02\t休\t元旦\n";
    const HolidayList list = ParseHolidayText(text);
    ASSERT_EQ(list.errors.size(), 1u);
    EXPECT_EQ(list.errors[0], (HolidayLineError{2, GetParam().problem}));
    ASSERT_EQ(list.days.size(), 2u);
    EXPECT_EQ(list.days[1].date, Day("2027-01-02"));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseHolidayTextBadLine,
    ::testing::Values(
        BadLine{"day_that_does_not_exist", "2027-02-30\t休\t春节", HolidayProblem::BadDate},
        BadLine{"not_a_date", "二〇二七年\t休\t春节", HolidayProblem::BadDate},
        BadLine{"date_with_trailing_text", "2027-02-06x\t休\t春节", HolidayProblem::BadDate},
        BadLine{"year_before_the_calendar", "1900-01-01\t休\t元旦", HolidayProblem::BadDate},
        BadLine{"year_after_the_calendar", "2101-01-01\t休\t元旦", HolidayProblem::BadDate},
        BadLine{"unknown_kind", "2027-02-06\t假\t春节", HolidayProblem::UnknownKind},
        BadLine{"kind_missing", "2027-02-06", HolidayProblem::UnknownKind},
        BadLine{"name_missing", "2027-02-06\t休\t ", HolidayProblem::MissingName},
        BadLine{"line_too_long", "2027-02-06\t休\t" + std::string(300, 'x'),
                HolidayProblem::TooLong},
        BadLine{"name_too_long", "2027-02-06\t休\t春节春节春节春节春节春节春节春节春",
                HolidayProblem::TooLong},
        BadLine{"invalid_utf8", "2027-02-06\t休\t\xE6\x98", HolidayProblem::InvalidUtf8},
        BadLine{"overlong_utf8", "2027-02-06\t休\t\xC0\xAF", HolidayProblem::InvalidUtf8},
        BadLine{"repeated_date", "2027-01-01\t班\t元旦", HolidayProblem::Repeated}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ParseHolidayText, TakesWhatAnEditorSavesAndCountsEveryLine) {
    const HolidayList list = ParseHolidayText(
        "\xEF\xBB\xBF# 2027年放假安排\r\n"
        "\r\r\n"
        "2027-02-06　休　春\x1B节\r"
        "  2027-2-7\t班\t国庆节 中秋节\xE2\x80\xAE  \r\n"
        "bad\r\n"
        "\x1A");
    ASSERT_EQ(list.days.size(), 2u);
    EXPECT_EQ(list.days[0].name, "春 节");
    EXPECT_EQ(list.days[1].date, Day("2027-02-07"));
    EXPECT_EQ(list.days[1].kind, HolidayKind::Work);
    EXPECT_EQ(list.days[1].name, "国庆节 中秋节");
    ASSERT_EQ(list.errors.size(), 1u);
    EXPECT_EQ(list.errors[0].line, 5);
    EXPECT_EQ(HolidayProblemText(list.errors[0]), "第5行：日期无效");
    EXPECT_TRUE(ParseHolidayText("").days.empty());
}

TEST(HolidaySchedule, AUserYearReplacesTheBuiltInYearWhole) {
    const HolidaySchedule schedule(ParseHolidayText("2025-01-27\t休\t春节\n"));
    EXPECT_EQ(TextOn(schedule, "2025-01-27"), "休 春节");
    EXPECT_EQ(TextOn(schedule, "2025-01-26"), "");  // the built-in 2025 is gone
    EXPECT_EQ(TextOn(schedule, "2025-10-01"), "");
    EXPECT_EQ(TextOn(schedule, "2026-02-14"), "班 春节");  // other years stay
    EXPECT_TRUE(schedule.HasYear(2025));
}

TEST(HolidaySchedule, ANewYearsBreakFromDecemberBelongsToTheNewYear) {
    const HolidaySchedule schedule(ParseHolidayText(
        "2026-12-31\t休\t元旦\n2027-01-01\t休\t元旦\n2027-02-06\t休\t春节\n2027-02-07\t班\t春节\n"));
    EXPECT_TRUE(schedule.HasYear(2027));
    EXPECT_EQ(TextOn(schedule, "2026-12-31"), "休 元旦");
    EXPECT_EQ(TextOn(schedule, "2027-02-07"), "班 春节");
    // The year the break begins in keeps its built-in schedule.
    EXPECT_EQ(TextOn(schedule, "2026-02-17"), "休 春节");
    EXPECT_EQ(TextOn(schedule, "2026-10-01"), "休 国庆节");
}

// A December day opens the next year's schedule only as part of the break that runs into its
// 1 January, whatever the names say; a make-up day right before the break counts with it.
TEST(HolidaySchedule, ADecemberDayBelongsToTheNextYearOnlyInABreakIntoItsFirstDay) {
    const HolidaySchedule renamed(
        ParseHolidayText("2026-12-30\t班\t元旦\n2026-12-31\t休\t元旦假期\n2027-01-01\t休\t元旦\n"));
    EXPECT_EQ(renamed.UserYears(), std::vector<int>{2027});
    EXPECT_EQ(TextOn(renamed, "2026-10-01"), "休 国庆节");  // built-in 2026 stays whole
    EXPECT_EQ(TextOn(renamed, "2026-12-31"), "休 元旦假期");

    const HolidaySchedule apart(ParseHolidayText("2026-12-30\t休\t元旦\n2027-01-01\t休\t元旦\n"));
    EXPECT_EQ(apart.UserYears(), (std::vector<int>{2026, 2027}));
    // The built-in schedule's own new-year breaks and make-up days stay with the new year.
    for (const HolidayDay& day : ParseHolidayText(BuiltInHolidayText()).days) {
        const year_month_day ymd{day.date};
        if (ymd.month() == December && ymd.day() >= 29d) {
            EXPECT_EQ(day.scheduleYear, static_cast<int>(ymd.year()) + 1) << FormatDate(day.date);
        }
    }
}

TEST(HolidaySchedule, BadLinesLeaveTheBuiltInYearsAlone) {
    const HolidayList user = ParseHolidayText("2025-02-30\t休\t春节\n2025-01-26 假 春节\n");
    EXPECT_EQ(user.errors.size(), 2u);
    const HolidaySchedule schedule(user);
    EXPECT_EQ(TextOn(schedule, "2025-01-26"), "班 春节");
    EXPECT_EQ(NoScheduleText(2027), "暂无2027年放假安排");
}

}  // namespace
}  // namespace calendar

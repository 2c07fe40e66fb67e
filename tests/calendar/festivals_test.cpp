#include <gtest/gtest.h>

#include <random>

#include "calendar/festivals.h"
#include "calendar/whole_interval.h"
#include "tests/support/day.h"

namespace calendar {
namespace {

using testing::Day;
using namespace std::chrono;

struct FestivalRow {
    int year;
    const char* date;
    const char* text;
};

class DayFestivalsTest : public ::testing::TestWithParam<FestivalRow> {};

TEST_P(DayFestivalsTest, JoinsTheLunarGregorianAndFloatingSlots) {
    const FestivalRow& r = GetParam();
    EXPECT_EQ(DayFestivals(r.year, Day(r.date)), r.text);
}

INSTANTIATE_TEST_SUITE_P(
    DayFestivals, DayFestivalsTest,
    ::testing::Values(
        FestivalRow{2020, "2020-10-01", "中秋国庆"}, FestivalRow{2024, "2024-05-12", "护士母亲节"},
        FestivalRow{2024, "2024-02-10", "春节"}, FestivalRow{2024, "2024-02-09", "除夕"},
        FestivalRow{2024, "2024-04-03", "寒食"}, FestivalRow{2023, "2023-09-29", "中秋"},
        FestivalRow{2023, "2023-10-01", "国庆"}, FestivalRow{2024, "2024-02-02", "小年"},
        FestivalRow{2024, "2024-02-03", ""}, FestivalRow{1995, "1995-10-09", "中秋"},
        FestivalRow{1995, "1995-09-09", "中秋"}, FestivalRow{2024, "2024-11-28", "感恩节"},
        FestivalRow{2024, "2024-06-16", "父亲节"}, FestivalRow{2010, "2010-02-14", "春节情人"},
        FestivalRow{2024, "2024-12-25", "圣诞"}, FestivalRow{2024, "2024-07-01", "建党/港归"},
        FestivalRow{2100, "2100-04-04", "寒食"},
        // The lunar slot follows the lunar date, so the range edges keep theirs under the
        // clamped year.
        FestivalRow{1902, "1901-02-19", "春节"}, FestivalRow{1902, "1901-03-05", "上元"},
        FestivalRow{2099, "2100-02-08", "除夕"}, FestivalRow{2099, "2100-02-01", "小年"},
        FestivalRow{2100, "2100-02-08", "除夕"},
        // No lunar day, no term date: only the Gregorian and floating rules remain.
        FestivalRow{1900, "1900-01-01", "元旦"}, FestivalRow{2101, "2101-04-04", ""}));

struct Span {
    const char* a;
    const char* b;
    int years;
    int months;
    int days;
};

class WholeIntervalTest : public ::testing::TestWithParam<Span> {};

TEST_P(WholeIntervalTest, SplitsTheSpanEitherWayRound) {
    const Span& s = GetParam();
    for (const auto& [x, y] : {std::pair{s.a, s.b}, std::pair{s.b, s.a}}) {
        EXPECT_EQ(WholeInterval(x, y, "Y"), s.years) << x << " " << y;
        EXPECT_EQ(WholeInterval(x, y, "m"), s.months) << x << " " << y;
        EXPECT_EQ(WholeInterval(x, y, "D"), s.days) << x << " " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(WholeInterval, WholeIntervalTest,
                         ::testing::Values(Span{"2023-01-31", "2024-03-01", 1, 1, 1},
                                           Span{"2024-05-05", "2024-05-05", 0, 0, 0},
                                           Span{"2024-02-29", "2025-02-28", 1, 0, 0},
                                           Span{"2024-01-31", "2024-02-29", 0, 1, 0},
                                           Span{"2024-01-31", "2024-02-28", 0, 0, 28},
                                           Span{"1601-01-01", "9999-12-31", 8398, 11, 30},
                                           Span{"1700-03-01", "2100-02-28", 399, 11, 27}));

TEST(WholeInterval, OtherUnitsAndBadDatesGiveZero) {
    EXPECT_EQ(WholeInterval("2020-01-01", "2024-01-01", "W"), 0);
    EXPECT_EQ(WholeInterval("2020-01-01", "2024-01-01", "YY"), 0);
    EXPECT_EQ(WholeInterval("2020-01-01", "2024-01-32", "Y"), 0);
    EXPECT_EQ(WholeInterval("", "2024-01-01", "D"), 0);
}

// The definition, the slow way: the most whole years that do not pass the later date, then
// the most whole months, then the days that remain.
sys_days AddMonthsByCount(sys_days from, int count) {
    const year_month_day ymd{from};
    const int total = static_cast<int>(ymd.year()) * 12 +
                      static_cast<int>(static_cast<unsigned>(ymd.month())) - 1 + count;
    const year_month target{year{total / 12}, month{static_cast<unsigned>(total % 12 + 1)}};
    const day lastDay = year_month_day_last{target.year(), month_day_last{target.month()}}.day();
    return sys_days{target / std::min(ymd.day(), lastDay)};
}

WholeSpan BruteForce(sys_days a, sys_days b) {
    const sys_days lo = std::min(a, b);
    const sys_days hi = std::max(a, b);
    WholeSpan span;
    while (AddMonthsByCount(lo, (span.years + 1) * 12) <= hi) ++span.years;
    const sys_days mid = AddMonthsByCount(lo, span.years * 12);
    while (AddMonthsByCount(mid, span.months + 1) <= hi) ++span.months;
    span.days = static_cast<int>((hi - AddMonthsByCount(mid, span.months)).count());
    return span;
}

TEST(WholeInterval, MatchesTheDefinitionOnRandomPairsAcross1601To9999) {
    std::mt19937 random(20261208);
    const int first = static_cast<int>(Day("1601-01-01").time_since_epoch().count());
    const int last = static_cast<int>(Day("9999-12-31").time_since_epoch().count());
    std::uniform_int_distribution<int> anyDay(first, last);
    std::uniform_int_distribution<int> nearby(0, 800);
    for (int i = 0; i < 2000; ++i) {
        const sys_days a{days{anyDay(random)}};
        // Half the pairs far apart, half within a couple of years, where month ends matter.
        const sys_days b = i % 2 ? sys_days{days{anyDay(random)}}
                                 : std::min(a + days{nearby(random)}, sys_days{days{last}});
        ASSERT_EQ(WholeIntervalOf(a, b), BruteForce(a, b)) << FormatDate(a) << " " << FormatDate(b);
    }
    // Month ends and leap days against each other.
    for (const char* a : {"2000-02-29", "2023-01-31", "2024-03-31", "1601-12-31"}) {
        for (sys_days b = Day(a); b < Day(a) + days{800}; b += days{1}) {
            ASSERT_EQ(WholeIntervalOf(Day(a), b), BruteForce(Day(a), b))
                << a << " " << FormatDate(b);
        }
    }
}

}  // namespace
}  // namespace calendar

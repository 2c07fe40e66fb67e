#include <gtest/gtest.h>

#include "calendar/name_tables.h"
#include "calendar/solar_terms.h"
#include "tests/support/day.h"

namespace calendar {
namespace {

using testing::Day;
using namespace std::chrono;

struct Term {
    int year;
    int index;
    const char* date;
};

class SolarTermDateTest : public ::testing::TestWithParam<Term> {};

TEST_P(SolarTermDateTest, GivesTheDayOfTheTerm) {
    const Term& t = GetParam();
    EXPECT_EQ(SolarTermDate(t.year, t.index), t.date) << SolarTermName(t.index);
}

INSTANTIATE_TEST_SUITE_P(Examples, SolarTermDateTest,
                         ::testing::Values(Term{2026, 2, "2026-2-18"}, Term{2021, 22, "2021-12-21"},
                                           Term{2019, 23, "2019-1-5"}, Term{2000, 21, "2000-12-7"},
                                           Term{2000, 1, "2000-2-4"}, Term{2000, 23, "2000-1-6"},
                                           // 立秋 of the first century sits in early August.
                                           Term{1901, 13, "1901-8-8"}, Term{1999, 13, "1999-8-8"},
                                           Term{1900, 1, ""}, Term{2101, 1, ""}, Term{2100, 0, ""},
                                           Term{2100, 25, ""}));

// Each row of the correction table, with the removed rows left to the formula.
INSTANTIATE_TEST_SUITE_P(
    TermCorrections, SolarTermDateTest,
    ::testing::Values(
        Term{1902, 9, "1902-6-7"}, Term{1911, 7, "1911-5-7"}, Term{1914, 1, "1914-2-4"},
        Term{1914, 22, "1914-12-23"}, Term{1915, 3, "1915-3-6"}, Term{1918, 22, "1918-12-22"},
        Term{1922, 12, "1922-7-24"}, Term{1925, 11, "1925-7-8"}, Term{1927, 15, "1927-9-9"},
        Term{1928, 10, "1928-6-22"}, Term{1942, 16, "1942-9-24"}, Term{1947, 1, "1947-2-4"},
        Term{1947, 22, "1947-12-23"}, Term{1954, 21, "1954-12-7"}, Term{1978, 20, "1978-11-23"},
        Term{1980, 22, "1980-12-22"}, Term{1982, 23, "1982-1-6"}, Term{1984, 22, "1984-12-22"},
        Term{2000, 6, "2000-4-20"}, Term{2000, 8, "2000-5-21"}, Term{2000, 11, "2000-7-7"},
        Term{2000, 14, "2000-8-23"}, Term{2000, 16, "2000-9-23"}, Term{2002, 13, "2002-8-8"},
        Term{2008, 8, "2008-5-21"}, Term{2016, 11, "2016-7-7"}, Term{2082, 24, "2082-1-20"},
        Term{2089, 18, "2089-10-23"}, Term{2089, 19, "2089-11-7"}, Term{2100, 2, "2100-2-18"},
        Term{2100, 5, "2100-4-5"}, Term{2100, 12, "2100-7-23"}, Term{2100, 22, "2100-12-22"},
        Term{2100, 23, "2100-1-5"}, Term{2100, 24, "2100-1-20"}));

TEST(SolarTermDate, AllTermsOf2024) {
    const char* expected[24] = {"2-4",  "2-19",  "3-5",  "3-20",  "4-4",  "4-19",  "5-5", "5-20",
                                "6-5",  "6-21",  "7-6",  "7-22",  "8-7",  "8-22",  "9-7", "9-22",
                                "10-8", "10-23", "11-7", "11-22", "12-6", "12-21", "1-6", "1-20"};
    for (int i = 1; i <= 24; ++i)
        EXPECT_EQ(SolarTermDate(2024, i), std::string("2024-") + expected[i - 1]) << i;
}

TEST(SolarTermDate, TermsRiseThroughEveryYearAboutFifteenDaysApart) {
    // In the order of the calendar: 小寒 and 大寒 in January, then 立春 .. 冬至.
    const int order[24] = {23, 24, 1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                           11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22};
    for (int y = 1901; y <= 2100; ++y) {
        std::optional<sys_days> previous;
        for (const int index : order) {
            const auto day = SolarTermDay(y, index);
            ASSERT_TRUE(day.has_value());
            const year_month_day ymd{*day};
            EXPECT_EQ(static_cast<unsigned>(ymd.month()),
                      static_cast<unsigned>(SolarTermMonth(index)))
                << y << " " << index;
            EXPECT_EQ(FormatDateShort(*day), SolarTermDate(y, index));
            EXPECT_EQ(SolarTermIndexOn(*day), index);
            // 节 terms open their month between the 3rd and the 9th, 中 terms fall from the 18th.
            if (index % 2 == 1) {
                EXPECT_GE(static_cast<unsigned>(ymd.day()), 3u) << y << " " << index;
                EXPECT_LE(static_cast<unsigned>(ymd.day()), 9u) << y << " " << index;
            } else {
                EXPECT_GE(static_cast<unsigned>(ymd.day()), 18u) << y << " " << index;
            }
            if (previous) {
                const auto gap = (*day - *previous).count();
                EXPECT_TRUE(gap >= 14 && gap <= 16) << y << " " << index << " gap " << gap;
            }
            previous = day;
        }
    }
}

TEST(SolarTermDay, AnEmptyTermNamesNoDay) {
    EXPECT_FALSE(SolarTermDay(1900, 22).has_value());
    EXPECT_FALSE(SolarTermDay(2101, 1).has_value());
    EXPECT_FALSE(SolarTermDay(2024, 0).has_value());
    EXPECT_EQ(SolarTermIndexOn(Day("1900-12-22")), 0);
    EXPECT_EQ(SolarTermIndexOn(Day("2024-12-22")), 0);
    EXPECT_EQ(SolarTermIndexOn(Day("2024-12-21")), 22);
}

}  // namespace
}  // namespace calendar

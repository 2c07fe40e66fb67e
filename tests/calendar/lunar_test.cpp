#include <gtest/gtest.h>

#include "calendar/lunar.h"
#include "tests/support/day.h"

namespace calendar {
namespace {

using testing::Day;
using namespace std::chrono;

struct Conversion {
    const char* gregorian;
    const char* lunar;  // "" outside the range
};

class LunarDateTextTest : public ::testing::TestWithParam<Conversion> {};

TEST_P(LunarDateTextTest, ConvertsTheDay) {
    const Conversion& c = GetParam();
    EXPECT_EQ(LunarDateText(Day(c.gregorian)), c.lunar);
}

INSTANTIATE_TEST_SUITE_P(
    LunarDateText, LunarDateTextTest,
    ::testing::Values(
        Conversion{"1901-02-19", "1901-01-01"}, Conversion{"2100-02-08", "2099-12-30"},
        Conversion{"2024-02-09", "2023-12-30"}, Conversion{"2024-02-10", "2024-01-01"},
        Conversion{"2023-03-22", "2023-闰02-01"}, Conversion{"2023-04-19", "2023-闰02-29"},
        Conversion{"2023-04-20", "2023-03-01"}, Conversion{"2020-05-23", "2020-闰04-01"},
        Conversion{"2033-12-22", "2033-闰11-01"}, Conversion{"1995-10-09", "1995-闰08-15"},
        // Days that the year table once got wrong.
        Conversion{"1989-08-02", "1989-07-01"}, Conversion{"2025-04-27", "2025-03-30"},
        Conversion{"2025-04-28", "2025-04-01"}, Conversion{"2089-09-04", "2089-08-01"},
        Conversion{"2099-12-11", "2099-10-30"}, Conversion{"2099-12-12", "2099-11-01"},
        // Outside the table there is no lunar date, and nothing breaks.
        Conversion{"1901-02-18", ""}, Conversion{"1900-06-01", ""}, Conversion{"2100-02-09", ""},
        Conversion{"2101-01-01", ""}, Conversion{"0001-01-01", ""}, Conversion{"9999-12-31", ""}));

TEST(LunarOf, EveryDayOfTheRangeIsTheNextLunarDayOfTheOneBefore) {
    LunarDate prev = LunarOf(kFirstLunarDay).value();
    EXPECT_EQ(prev, (LunarDate{1901, 1, 1, false}));
    EXPECT_EQ(GregorianOf(prev), kFirstLunarDay);
    int count = 1;
    for (sys_days d = kFirstLunarDay + days{1}; d <= kLastLunarDay; d += days{1}) {
        const auto next = LunarOf(d);
        ASSERT_TRUE(next.has_value()) << FormatDate(d);
        const bool sameMonth = next->year == prev.year && next->month == prev.month &&
                               next->leap == prev.leap && next->day == prev.day + 1;
        const bool monthTurned =
            next->day == 1 && (prev.day == 29 || prev.day == 30) &&
            prev.day == (IsBigMonth(prev) ? 30 : 29) &&
            MonthSlot(*next) == (next->year == prev.year ? MonthSlot(prev) + 1 : 1);
        ASSERT_TRUE(sameMonth || monthTurned) << FormatDate(d) << " " << FormatLunarDate(*next);
        if (next->year != prev.year) {
            ASSERT_EQ(next->year, prev.year + 1);
            ASSERT_EQ(d, SpringFestivalDay(next->year)) << FormatDate(d);
        }
        // The text reads back, and the day comes back from its lunar date.
        const std::string text = LunarDateText(d);
        ASSERT_EQ(ParseLunarDate(text), next) << text;
        ASSERT_EQ(GregorianOf(*next), d) << text;
        prev = *next;
        ++count;
    }
    EXPECT_EQ(prev, (LunarDate{2099, 12, 30, false}));
    EXPECT_EQ(count, 72674);
}

TEST(GregorianOf, NamesNoDayForADateTheTableLacks) {
    EXPECT_EQ(GregorianOf({2023, 2, 1, true}), Day("2023-03-22"));
    for (const LunarDate& none : {LunarDate{1900, 12, 1, false}, LunarDate{2100, 1, 1, false},
                                  LunarDate{2024, 2, 1, true},    // 2024 has no leap month
                                  LunarDate{2023, 3, 1, true},    // its leap month is the 2nd
                                  LunarDate{2025, 12, 30, false},  // 腊月 2025 has 29 days
                                  LunarDate{2024, 13, 1, false}, LunarDate{2024, 1, 0, false},
                                  LunarDate{2024, 0, 1, false}})
        EXPECT_EQ(GregorianOf(none), std::nullopt) << FormatLunarDate(none);
    EXPECT_EQ(LunarOf(kFirstLunarDay - std::chrono::days{1}), std::nullopt);
    EXPECT_EQ(LunarOf(kLastLunarDay + std::chrono::days{1}), std::nullopt);
}

TEST(LunarYearCodes, EachYearsMonthsFillTheDaysToTheNextSpringFestival) {
    for (int y = 1901; y <= 2099; ++y) {
        const int slots = LeapMonthOf(y) == 0 ? 12 : 13;
        int sum = 0;
        for (int s = 1; s <= slots; ++s) sum += LunarMonthLength(y, s);
        EXPECT_EQ(sum, (SpringFestivalDay(y + 1) - SpringFestivalDay(y)).count()) << y;
        EXPECT_TRUE(sum == 353 || sum == 354 || sum == 355 || sum == 383 || sum == 384 ||
                    sum == 385)
            << y;
    }
}

TEST(YearCodeBits, ExpandsTheCodeAndClampsTheYear) {
    EXPECT_EQ(YearCodeBits(1901), "000001001010111001010011");
    EXPECT_EQ(YearCodeBits(1800), YearCodeBits(1901));
    EXPECT_EQ(YearCodeBits(2100), "001011011001001010110101");
    EXPECT_EQ(YearCodeBits(2023), "001001001101101010110110");
}

TEST(LeapMonthOf, ReadsTheLeadingDigitAndClamps) {
    EXPECT_EQ(LeapMonthOf(2024), 0);
    EXPECT_EQ(LeapMonthOf(2023), 2);
    EXPECT_EQ(LeapMonthOf(2033), 11);
    EXPECT_EQ(LeapMonthOf(3000), LeapMonthOf(2099));
    EXPECT_EQ(LunarMonthLength(2023, 3), 29);  // the leap second month
    EXPECT_EQ(LunarMonthLength(2023, 0), 29);  // no such slot
    EXPECT_EQ(LunarMonthLength(2023, 14), 29);
}

struct FestivalDate {
    int year;
    const char* date;
};

class SpringFestivalDateTest : public ::testing::TestWithParam<FestivalDate> {};

TEST_P(SpringFestivalDateTest, FormatsTheFirstDayOfTheLunarYear) {
    const FestivalDate& f = GetParam();
    EXPECT_EQ(SpringFestivalDate(f.year), f.date);
    if (ParseDate(f.date)) {
        EXPECT_EQ(FormatDate(SpringFestivalDay(f.year)), f.date);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SpringFestivalDate, SpringFestivalDateTest,
    ::testing::Values(
        FestivalDate{1901, "1901-02-19"}, FestivalDate{2023, "2023-01-22"},
        FestivalDate{2024, "2024-02-10"}, FestivalDate{2099, "2099-01-21"},
        // 2100 begins the day after lunar year 2099 ends.
        FestivalDate{2100, "2100-02-09"},
        // Beyond the table: the clamped year's month and day under the year as passed.
        FestivalDate{2101, "2101-01-21"}, FestivalDate{1900, "1900-02-19"},
        FestivalDate{999, "0999-02-19"}));

TEST(ParseLunarDate, AcceptsOnlyTheLunarDateForm) {
    EXPECT_EQ(ParseLunarDate("2023-闰02-29"), (LunarDate{2023, 2, 29, true}));
    EXPECT_EQ(ParseLunarDate("2024-01-01"), (LunarDate{2024, 1, 1, false}));
    for (const char* bad : {"", "2024-1-1", "2024-13-01", "2024-01-31", "2024-00-10", "2024-01-01x",
                            "2024/01/01", "2024-闰01", "2024-闰-01-01", "24-01-01"}) {
        EXPECT_FALSE(ParseLunarDate(bad).has_value()) << bad;
    }
}

TEST(MonthSlot, PlacesTheLeapMonthRightAfterTheMonthItRepeats) {
    EXPECT_EQ(MonthSlot({2023, 2, 1, false}), 2);
    EXPECT_EQ(MonthSlot({2023, 2, 1, true}), 3);
    EXPECT_EQ(MonthSlot({2023, 3, 1, false}), 4);
    EXPECT_EQ(MonthSlot({2024, 12, 1, false}), 12);
    EXPECT_FALSE(IsBigMonth({2023, 2, 1, true}));
    EXPECT_TRUE(IsBigMonth({2025, 3, 1, false}));
}

}  // namespace
}  // namespace calendar

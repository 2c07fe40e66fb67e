#include <gtest/gtest.h>

#include "calendar/seasons.h"
#include "tests/support/day.h"

namespace calendar {
namespace {

using testing::Day;
using namespace std::chrono;

TEST(WeekOfYear, CountsSundayWeeksFromTheWeekOfFirstJanuary) {
    EXPECT_EQ(WeekOfYear(Day("2028-01-01")), 1);  // a Saturday
    EXPECT_EQ(WeekOfYear(Day("2028-01-02")), 2);
    EXPECT_EQ(WeekOfYear(Day("2028-12-30")), 53);
    EXPECT_EQ(WeekOfYear(Day("2028-12-31")), 54);  // its first week was one day
    EXPECT_EQ(WeekOfYear(Day("2023-01-01")), 1);   // a Sunday
    EXPECT_EQ(WeekOfYear(Day("2023-01-07")), 1);
    EXPECT_EQ(WeekOfYear(Day("2023-01-08")), 2);
    EXPECT_EQ(WeekOfYear(Day("2026-12-07")), 50);
}

TEST(WeeksInYear, ComesTo53ForEveryYear) {
    for (int y = 1601; y <= 9999; ++y) ASSERT_EQ(WeeksInYear(y), 53) << y;
}

struct Nine {
    const char* today;
    int year;
    const char* marker;
};

class NineNinesMarkerTest : public ::testing::TestWithParam<Nine> {};

TEST_P(NineNinesMarkerTest, NamesTheFirstDayOfEachNine) {
    EXPECT_EQ(NineNinesMarker(Day(GetParam().today), GetParam().year), GetParam().marker);
}

// 冬至 2024 is 12-21 and 冬至 2023 is 12-22.
INSTANTIATE_TEST_SUITE_P(
    NineNinesMarker, NineNinesMarkerTest,
    ::testing::Values(Nine{"2024-12-21", 2024, "入九"}, Nine{"2024-12-22", 2024, ""},
                      Nine{"2024-12-30", 2024, "二九"}, Nine{"2025-01-08", 2025, "三九"},
                      Nine{"2025-03-03", 2025, "九九"}, Nine{"2025-03-11", 2025, "出九"},
                      Nine{"2025-03-12", 2025, ""}, Nine{"2024-03-11", 2024, "出九"},
                      Nine{"2024-12-20", 2024, ""}, Nine{"2024-03-03", 2024, "九九"},
                      // Where a year has no solstice date nothing is shown.
                      Nine{"1901-01-05", 1901, ""}, Nine{"2101-01-05", 2101, ""},
                      Nine{"1901-12-22", 1901, "入九"}));

}  // namespace
}  // namespace calendar

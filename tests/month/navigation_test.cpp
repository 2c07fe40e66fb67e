#include <gtest/gtest.h>

#include "month/navigation.h"

namespace month {
namespace {

using namespace std::chrono;

sys_days Day(int y, unsigned m, unsigned d) { return sys_days{year{y} / m / d}; }

TEST(MonthSelection, StartsOnTodayOrTheNearestDayOffered) {
    EXPECT_EQ(StartAt(Day(2026, 2, 17)), (MonthSelection{2026y / 2, Day(2026, 2, 17)}));
    EXPECT_EQ(StartAt(Day(1850, 6, 1)), (MonthSelection{1901y / 2, Day(1901, 2, 1)}));
    EXPECT_EQ(StartAt(Day(2200, 6, 1)), (MonthSelection{2100y / 2, Day(2100, 2, 28)}));
}

TEST(MonthSelection, ArrowsMoveTheDayAndTheMonthFollows) {
    const MonthSelection at{2026y / 2, Day(2026, 2, 28)};
    EXPECT_EQ(MoveBy(at, days{1}), (MonthSelection{2026y / 3, Day(2026, 3, 1)}));
    EXPECT_EQ(MoveBy(at, days{-7}), (MonthSelection{2026y / 2, Day(2026, 2, 21)}));
    const MonthSelection first{1901y / 2, Day(1901, 2, 3)};
    EXPECT_EQ(MoveBy(first, days{-7}), first);
    EXPECT_EQ(MoveBy(first, days{-2}), (MonthSelection{1901y / 2, Day(1901, 2, 1)}));
    const MonthSelection last{2100y / 2, Day(2100, 2, 25)};
    EXPECT_EQ(MoveBy(last, days{7}), last);
}

TEST(MonthSelection, TurningKeepsTheDayOfTheMonthWhereItExists) {
    const MonthSelection at{2024y / 1, Day(2024, 1, 31)};
    EXPECT_EQ(TurnBy(at, 1), (MonthSelection{2024y / 2, Day(2024, 2, 29)}));
    EXPECT_EQ(TurnBy(at, -1), (MonthSelection{2023y / 12, Day(2023, 12, 31)}));
    EXPECT_EQ(TurnBy(at, 12), (MonthSelection{2025y / 1, Day(2025, 1, 31)}));
    // The ends of the range stop the buttons, the keys and the wheel.
    const MonthSelection last{2100y / 2, Day(2100, 2, 8)};
    EXPECT_FALSE(CanTurn(last, 1));
    EXPECT_TRUE(CanTurn(last, -1));
    EXPECT_EQ(TurnBy(last, 1), last);
    EXPECT_FALSE(CanTurn(MonthSelection{1901y / 2, Day(1901, 2, 19)}, -1));
}

TEST(MonthSelection, AClickOnANeighbouringMonthsDayShowsThatMonth) {
    const MonthSelection at{2026y / 2, Day(2026, 2, 17)};
    EXPECT_EQ(Select(at, Day(2026, 2, 3)), (MonthSelection{2026y / 2, Day(2026, 2, 3)}));
    EXPECT_EQ(Select(at, Day(2026, 3, 2)), (MonthSelection{2026y / 3, Day(2026, 3, 2)}));
    const MonthSelection first{1901y / 2, Day(1901, 2, 19)};
    EXPECT_EQ(Select(first, Day(1901, 1, 31)), first);
}

}  // namespace
}  // namespace month

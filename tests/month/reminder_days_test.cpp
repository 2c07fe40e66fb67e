#include <gtest/gtest.h>

#include "month/day_details.h"
#include "month/month_page.h"
#include "month/reminder_days.h"

namespace month {
namespace {

using namespace std::chrono;

sys_days Day(int y, unsigned m, unsigned d) { return sys_days{year{y} / m / d}; }

// A source that gives two reminders on 12-31 and one on 01-01 of any year asked for.
std::vector<DayReminder> YearEnds(int y) {
    return {{Day(y, 1, 1), "新年"}, {Day(y, 12, 31), "守岁"}, {Day(y, 12, 31), "对账"}};
}

// The cells of a January that begins on a Friday show the December before: both years' days
// are marked, and only those.
TEST(ComposeMonthPage, MarksTheReminderDaysOfBothYearsItShows) {
    const MonthPage page =
        ComposeMonthPage(2027y / 1, Day(2026, 2, 17), calendar::HolidaySchedule(),
                         RemindersOfYears(YearEnds, 2026, 2027));
    std::vector<sys_days> marked;
    for (const MonthCell& cell : page.cells)
        if (cell.reminder) marked.push_back(cell.date);
    EXPECT_EQ(marked, (std::vector<sys_days>{Day(2026, 12, 31), Day(2027, 1, 1)}));
    EXPECT_TRUE(RemindersOfYears(nullptr, 2026, 2027).empty());
}

TEST(ReminderLine, NamesThemAllOrCountsThoseLeftOut) {
    const std::vector<DayReminder> days = YearEnds(2026);
    const std::vector<std::string> names = RemindersOn(days, Day(2026, 12, 31));
    EXPECT_EQ(names, (std::vector<std::string>{"守岁", "对账"}));
    EXPECT_EQ(ReminderLine(names, 2), "提醒：守岁、对账");
    EXPECT_EQ(ReminderLine(names, 1), "提醒：守岁等2项");
    EXPECT_EQ(ReminderLine(names, 0), "提醒：守岁等2项");
    EXPECT_EQ(ReminderLine(RemindersOn(days, Day(2026, 6, 1)), 3), "");
}

// The line comes last, also for a day outside the lunar range, and nothing without one.
TEST(DayDetails, TheRemindersLineLast) {
    const calendar::HolidaySchedule holidays;
    const std::string plain = DayDetails(Day(2026, 2, 17), Day(2026, 2, 17), holidays);
    EXPECT_EQ(DayDetails(Day(2026, 2, 17), Day(2026, 2, 17), holidays, "提醒：守岁"),
              plain + "\r\n提醒：守岁");
    EXPECT_TRUE(DayDetails(Day(1901, 2, 18), Day(1901, 2, 18), holidays, "提醒：守岁")
                    .ends_with("之间\r\n提醒：守岁"));
}

}  // namespace
}  // namespace month

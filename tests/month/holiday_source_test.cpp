#include <gtest/gtest.h>

#include "month/holiday_source.h"

namespace month {
namespace {

using namespace std::chrono;

sys_days Day(int y, unsigned m, unsigned d) { return sys_days{year{y} / m / d}; }

TEST(LoadHolidays, AMissingFileIsNoErrorAndATooBigOrUnreadableOneIsSaidOnce) {
    const Holidays missing = LoadHolidays({HolidayFileState::Absent, ""});
    EXPECT_TRUE(missing.problems.empty());
    EXPECT_EQ(calendar::HolidayText(missing.schedule.On(Day(2025, 1, 26))), "班 春节");

    const Holidays big = LoadHolidays({HolidayFileState::TooBig, ""});
    EXPECT_EQ(big.problems, std::vector<std::string>{"holidays.txt 超过1 MB，未读取"});
    EXPECT_TRUE(big.schedule.HasYear(2026));

    const Holidays locked = LoadHolidays({HolidayFileState::Unreadable, ""});
    EXPECT_EQ(locked.problems, std::vector<std::string>{"holidays.txt 无法读取，未使用"});
}

TEST(LoadHolidays, TheUsersYearsCountAndTheirBadLinesAreListed) {
    const Holidays holidays =
        LoadHolidays({HolidayFileState::Read,
                      "2027-02-06\t休\t春节\n2027-02-30\t休\t春节\n2027-02-07\t歇\t春节\n"});
    EXPECT_EQ(calendar::HolidayText(holidays.schedule.On(Day(2027, 2, 6))), "休 春节");
    EXPECT_EQ(holidays.problems,
              (std::vector<std::string>{"holidays.txt 第2行：日期无效，已跳过",
                                        "holidays.txt 第3行：类别须为“休”或“班”，已跳过"}));
}

TEST(MonthNote, TheYearWithoutScheduleThenTheProblemsInThreeLines) {
    MonthPage page;
    page.month = 2027y / 3;
    page.scheduleKnown = false;
    Holidays holidays{calendar::HolidaySchedule(), {"a", "b", "c", "d"}};
    EXPECT_EQ(MonthNote(page, holidays),
              "暂无2027年放假安排\r\na\r\nholidays.txt 另有3行有误，已跳过");
    page.scheduleKnown = true;
    holidays.problems = {"a", "b"};
    EXPECT_EQ(MonthNote(page, holidays), "a\r\nb");
    holidays.problems.clear();
    EXPECT_EQ(MonthNote(page, holidays), "");
}

}  // namespace
}  // namespace month

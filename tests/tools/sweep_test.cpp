// Every tool over the whole range the pickers offer: nothing may crash, read outside a table
// or hang, and each text must take the form its range calls for. Run under the sanitizers,
// this is where an unguarded conversion or table index shows.
#include <chrono>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "calendar/lunar.h"
#include "test_dates.h"
#include "tools/day_line.h"
#include "tools/four_pillars.h"
#include "tools/interval.h"
#include "tools/queries.h"

namespace {

using calendar::sys_days;
using std::chrono::days;

std::set<sys_days> SweepDays() {
    std::set<sys_days> out;
    for (sys_days d = tools::kFirstPickerDay; d <= tools::kLastPickerDay; d += days{7})
        out.insert(d);
    for (sys_days d = tools_test::Day("1899-01-01"); d <= tools_test::Day("1902-12-31");
         d += days{1}) {
        out.insert(d);
    }
    for (sys_days d = tools_test::Day("2099-01-01"); d <= tools_test::Day("2101-12-31");
         d += days{1}) {
        out.insert(d);
    }
    out.insert(tools::kLastPickerDay);
    return out;
}

TEST(ToolsSweep, DayToolsAnswerEveryPickerDay) {
    const calendar::sys_days anchor = tools_test::Day("2004-01-29");
    int index = 0;
    for (const sys_days day : SweepDays()) {
        ++index;
        // Vary the time of day so that every hour and fractional count is met along the way.
        const int hour = index % 24;
        const tools::PickerMoment moment = {
            day, std::chrono::hours{hour} + std::chrono::minutes{index % 60}};
        const bool inRange = calendar::InLunarRange(day);

        EXPECT_EQ(tools::IntervalText(anchor, day).rfind("间隔：", 0), 0u)
            << calendar::FormatDate(day);

        EXPECT_EQ(
            tools::DayLineText(moment, "0", tools::DayDirection::Before, index % 2 == 0).empty(),
            !inRange)
            << calendar::FormatDate(day);
        for (const char* count : {"1000", "0.75", "-1000", "99999999999"}) {
            (void)tools::DayLineText(moment, count, tools::DayDirection::Before, false);
            (void)tools::DayLineText(moment, count, tools::DayDirection::After, true);
        }

        const std::string reading = tools::FourPillarsText(day, moment.timeOfDay);
        if (inRange) {
            EXPECT_EQ(reading.rfind("八字：", 0), 0u) << calendar::FormatDate(day);
            EXPECT_NE(reading.find("\r\n纳音："), std::string::npos) << calendar::FormatDate(day);
        } else {
            EXPECT_EQ(reading.rfind("请检查您的日期", 0), 0u) << calendar::FormatDate(day);
        }
    }
}

TEST(ToolsSweep, YearToolsAnswerEveryPickerYear) {
    for (int year = 1601; year <= 9999; ++year) {
        const std::string first = tools::WeekRangeText(year, "1");
        EXPECT_EQ(first.rfind(std::to_string(year) + "-1-1至", 0), 0u) << year;
        const std::string last = tools::WeekRangeText(year, "53");
        EXPECT_NE(last.find("至" + std::to_string(year) + "-12-3"), std::string::npos) << year;
        (void)tools::WeekRangeText(year, "54");
        const bool termYear = year >= 1901 && year <= 2100;
        for (int term = 1; term <= 24; term += 11) {
            EXPECT_EQ(tools::TermDateText(year, term)->empty(), !termYear) << year;
        }
        EXPECT_NE(tools::CycleYearsText(1 + year % 60, year), "") << year;
    }
}

}  // namespace

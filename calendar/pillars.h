#pragma once
// Year, month, day and hour in the sixty-pair cycle, with elements, directions and nayin.
// The kind is one letter compared case-insensitively ("D", "W", "F", "L", "N", "T", "X",
// "V"); a kind the operation does not know gives "".
#include <string>
#include <string_view>

#include "calendar/date.h"

namespace calendar {

std::string YearPillar(int year, std::string_view kind);  // "D", "W", "F", "L"
std::string YearZodiac(int year);

// The solar month opened by a 节 term. A year outside 1901..2100 has no term dates, so
// no boundary is crossed and the month stays the 丑 month of the stem year.
std::string MonthPillar(sys_days date, std::string_view kind);          // "D", "W", "F", "L"
std::string MonthPillar(std::string_view date, std::string_view kind);  // "" for a bad date

// Day kinds "D", "W", "F", "N"; hour kinds "T", "X", "V", "L". The hour stays on the date
// passed: 23:00-23:59 is the 子 period of that same day. An hour outside 0..23 or a minute
// outside 0..59 gives "" for the hour kinds.
std::string DayHourPillar(sys_days date, int hour, int minute, std::string_view kind);
std::string DayHourPillar(std::string_view date, int hour, int minute, std::string_view kind);

// Numbers behind the texts, for callers that need the cycle position itself.
int DayStem(sys_days date);            // 1..10
int DayBranch(sys_days date);          // 1..12
int HourPeriod(int hour, int minute);  // 1..12, 1 = 子; 0 when the time is outside the day

}  // namespace calendar

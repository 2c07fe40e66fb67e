#pragma once
// The festivals of a day.
#include <string>

#include "calendar/date.h"

namespace calendar {

// Lunar slot, Gregorian slot and floating slot joined with no separator, or "". The lunar
// slot follows the day's lunar date (none outside the lunar range); the other rules use
// the year as passed, except that "春节" and "除夕" also follow the lunar date, so that
// 1901-02-19 and 2100-02-08 keep them under a caller's clamped year.
std::string DayFestivals(int year, sys_days date);

}  // namespace calendar

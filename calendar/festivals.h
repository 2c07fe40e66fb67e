#pragma once
// Festivals of a day, and the span between two dates in whole years, months and days.
#include <string>
#include <string_view>

#include "calendar/date.h"

namespace calendar {

// Lunar slot, Gregorian slot and floating slot joined with no separator, or "". The lunar
// date comes from the calling convention (so its year clamp applies); the other rules use
// the year as passed, except that "春节" and "除夕" also follow the lunar date, so that
// 1901-02-19 and 2100-02-08 keep them under a caller's clamped year. A date text that does
// not parse gives "".
std::string DayFestivals(int year, std::string_view date);
std::string DayFestivals(int year, sys_days date);

struct WholeSpan {
    int years = 0;
    int months = 0;
    int days = 0;
    friend bool operator==(const WholeSpan&, const WholeSpan&) = default;
};
// Exact for any two dates (order does not matter); a day of the month that the target
// month lacks moves back to that month's last day.
WholeSpan WholeIntervalOf(sys_days a, sys_days b);
// unit "Y", "M" or "D" (any case); any other unit, or a date that does not parse, gives 0.
int WholeInterval(std::string_view date1, std::string_view date2, std::string_view unit);

}  // namespace calendar

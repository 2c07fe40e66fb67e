#pragma once
// The span between two dates in whole years, months and days.
#include <string_view>

#include "calendar/date.h"

namespace calendar {

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

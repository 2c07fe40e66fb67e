#pragma once
// The day-list tool: one line of lunar information for the day that lies a number of days
// before or after the reference picker's moment.
#include <string>
#include <string_view>

#include "calendar/date.h"
#include "tools/picker_moment.h"

namespace tools {

enum class DayDirection { Before, After };  // each with its own count box and line

// A count box's text is read only when it is not empty and holds nothing but "+", "-", "."
// and digits; anything else ("abc", "1e3") clears the line.
bool IsCountText(std::string_view text);

// The line for one target day. wide selects the two-blank separator used when the
// reference date changed; a change of a count uses one blank. "" for a day outside
// 1901-02-19 .. 2100-02-08, where there is no lunar date to show.
std::string LunarDayLine(calendar::sys_days target, bool wide);

// The line for reference + offset days. A fractional offset moves the time of day as well,
// and the day of the resulting moment is the one shown. "" when that moment is not a day the
// pickers offer or lies outside the lunar range.
std::string DayInfoLine(const PickerMoment& reference, double offset, bool wide);

// The line before (Before) or after (After) for the text of its count box: the
// validity rule, then the number value of the text, subtracted or added.
std::string DayLineText(const PickerMoment& reference, std::string_view countText,
                        DayDirection direction, bool wide);

}  // namespace tools

#pragma once
// Week figures and the nine-nines count, shared by the sticker faces and the tools.
#include <string_view>

#include "calendar/date.h"

namespace calendar {

// Weeks run Sunday to Saturday and week 1 holds 1 January, so the count reaches 53, and 54
// on 31 December of a leap year that begins on a Saturday: its first week is that one
// Saturday, 52 whole weeks end on 30 December, and the year's last day opens one more.
int WeekOfYear(sys_days d);
// The weeks-in-year figure of the sticker; it comes to 53 for every year.
int WeeksInYear(int year);

// "入九" .. "九九" on the first day of each nine after the winter solstice that governs
// `today` (that of `year`, or of year - 1 before it), "出九" 80 days after it, else "".
// Nothing is shown where the year has no solstice date (outside 1901..2100).
std::string_view NineNinesMarker(sys_days today, int year);

}  // namespace calendar

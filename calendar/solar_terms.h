#pragma once
// The 24 solar terms of a year 1901..2100 from the closed formula and its corrections.
#include <optional>
#include <string>

#include "calendar/date.h"

namespace calendar {

// "yyyy-m-d" of term index 1..24 (立春 first; 23 小寒 and 24 大寒 are the January terms of
// the same year); "" for a year outside 1901..2100 or an index outside 1..24.
std::string SolarTermDate(int year, int index);
// The same day as a date; nothing where the text is empty, so no comparison with it holds.
std::optional<sys_days> SolarTermDay(int year, int index);
// The index of the term falling on d (searching d's own year), or 0.
int SolarTermIndexOn(sys_days d);

}  // namespace calendar

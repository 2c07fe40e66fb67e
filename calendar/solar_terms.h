#pragma once
// The 24 solar terms of a year 1901..2100 from the closed formula and its corrections.
#include <optional>
#include <string>

#include "calendar/date.h"
#include "calendar/range.h"

namespace calendar {

// Term indices count from 1 at 立春, in the order of the formula's tables; 23 小寒 and 24 大寒
// are the January terms of the same Gregorian year.
inline constexpr int kTermCount = 24;
inline constexpr int kStartOfSpring = 1;    // 立春: the stem year and the 寅 month begin
inline constexpr int kClearAndBright = 5;   // 清明: 寒食 is the day before
inline constexpr int kGreaterSnow = 21;     // 大雪: the last 节 term before the solstice
inline constexpr int kWinterSolstice = 22;  // 冬至: the nine-nines begin
inline constexpr int kLesserCold = 23;      // 小寒: the 丑 month begins

// "yyyy-m-d" of term index 1..24 (立春 first; 23 小寒 and 24 大寒 are the January terms of
// the same year); "" for a year outside 1901..2100 or an index outside 1..24.
std::string SolarTermDate(int year, int index);
// The same day as a date; nothing where the text is empty, so no comparison with it holds.
std::optional<sys_days> SolarTermDay(int year, int index);
// The index of the term falling on d (searching d's own year), or 0.
int SolarTermIndexOn(sys_days d);

}  // namespace calendar

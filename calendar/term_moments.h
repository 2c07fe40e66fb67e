#pragma once
// The moments of the solar terms: when the Sun's apparent longitude reaches each multiple of
// 15°, in Beijing time, and how a term is shown beside the engine's table of term days.
#include <chrono>
#include <optional>
#include <string>

#include "calendar/date.h"

namespace calendar {

// The Beijing wall-clock moment (counted like sys_seconds, to the nearest second) of term
// index 1..24 of a year 1901..2100, indices as in calendar/solar_terms.h; nothing outside.
std::optional<std::chrono::sys_seconds> SolarTermMoment(int year, int index);

// The term as shown: the table's day, which stays the official one, and the time of day of
// the computed moment where that moment falls on the same day. Within seconds of midnight
// the two can disagree; the day is then shown without a time.
struct ShownTerm {
    sys_days day;
    std::optional<std::chrono::seconds> timeOfDay;
    friend bool operator==(const ShownTerm&, const ShownTerm&) = default;
};
std::optional<ShownTerm> ShownSolarTerm(int year, int index);

// "yyyy-mm-dd hh:mm:ss", or "yyyy-mm-dd" where the day has no time; "" outside the range.
std::string ShownSolarTermText(int year, int index);

// The solar month in force at a Beijing moment, as a 八字 reading counts it: the year of the
// stems turns at the moment of 立春, and the month at the moment of each 节 term. Month 1 is
// the 寅 month that 立春 opens, 11 the 子 month of 大雪, 12 the 丑 month of 小寒. Nothing where
// a term it needs lies outside 1901..2100.
struct SolarMonth {
    int stemYear;
    int month;  // 1..12
    friend bool operator==(const SolarMonth&, const SolarMonth&) = default;
};
std::optional<SolarMonth> SolarMonthAt(std::chrono::sys_seconds beijing);

}  // namespace calendar

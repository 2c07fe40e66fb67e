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

}  // namespace calendar

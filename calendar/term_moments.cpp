#include "calendar/term_moments.h"

#include <numbers>

#include "calendar/astro_time.h"
#include "calendar/solar_terms.h"
#include "calendar/sun.h"
#include "calendar/text.h"

namespace calendar {

using namespace std::chrono;

namespace {

// 立春 is the Sun at 315°; each term after it is 15° on, around the circle.
double TermLongitude(int index) {
    const int degrees = (315 + 15 * (index - 1)) % 360;
    return degrees * std::numbers::pi / 180.0;
}

}  // namespace

std::optional<sys_seconds> SolarTermMoment(int year, int index) {
    // The table's day is never more than a day off, which makes it the search's start.
    const auto day = SolarTermDay(year, index);
    if (!day) return std::nullopt;
    const double guess = DynamicalOf(JulianDayOfBeijing(sys_seconds{*day} + 12h));
    return BeijingOfDynamical(SolarLongitudeCrossing(TermLongitude(index), guess));
}

std::optional<ShownTerm> ShownSolarTerm(int year, int index) {
    const auto day = SolarTermDay(year, index);
    const auto moment = SolarTermMoment(year, index);
    if (!day || !moment) return std::nullopt;
    if (floor<days>(*moment) != *day) return ShownTerm{*day, std::nullopt};
    return ShownTerm{*day, *moment - sys_seconds{*day}};
}

std::string ShownSolarTermText(int year, int index) {
    const auto shown = ShownSolarTerm(year, index);
    if (!shown) return {};
    std::string text = FormatDate(shown->day);
    if (shown->timeOfDay) {
        const hh_mm_ss<seconds> time{*shown->timeOfDay};
        text += ' ';
        AppendZeroPadded(text, time.hours().count(), 2);
        text += ':';
        AppendZeroPadded(text, time.minutes().count(), 2);
        text += ':';
        AppendZeroPadded(text, time.seconds().count(), 2);
    }
    return text;
}

}  // namespace calendar

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

// Whether the moment of a term has come by t. The moment always lies within a day of the
// table's day, so only a term whose day is close to t's costs the computation.
std::optional<bool> Reached(int year, int index, sys_seconds t) {
    const auto day = SolarTermDay(year, index);
    if (!day) return std::nullopt;
    const sys_days date = floor<days>(t);
    if (*day + days{2} <= date) return true;
    if (*day >= date + days{2}) return false;
    // Also a term whose moment falls seconds before or after the table's midnight turns the
    // month at that moment: the moment is the exact one, the table's day only its name.
    const auto moment = SolarTermMoment(year, index);
    if (!moment) return std::nullopt;
    return t >= *moment;
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

std::optional<SolarMonth> SolarMonthAt(sys_seconds beijing) {
    const int y = static_cast<int>(year_month_day{floor<days>(beijing)}.year());
    // Before 小寒 the 子 month opened by 大雪 of the year before still runs.
    const auto lesserCold = Reached(y, kLesserCold, beijing);
    if (!lesserCold) return std::nullopt;
    if (!*lesserCold) return SolarMonth{y - 1, 11};
    // The latest 节 term reached opens the month; 小寒 is the last fallback.
    for (int index = kGreaterSnow; index >= kStartOfSpring; index -= 2) {
        const auto reached = Reached(y, index, beijing);
        if (!reached) return std::nullopt;
        if (*reached) return SolarMonth{y, (index + 1) / 2};
    }
    return SolarMonth{y - 1, 12};
}

}  // namespace calendar

#pragma once
// Today's calendar as a person reads it at a glance.
#include <iosfwd>
#include <optional>
#include <string>

#include "calendar/date.h"
#include "calendar/moment.h"

namespace cli {

// The lines for a local date with a lunar date and a time of day, each ending in a newline:
// date and weekday, lunar date, solar term, the four pillars, zodiac, festivals.
std::string TodayCalendarText(const calendar::Moment& now);

// tavelon-cal today: the text above for the local date and time, or the range message when
// the clock stands outside the days that have a lunar date.
int RunTodayCalendar(std::ostream& out, std::ostream& err);

// The local date and time; nothing when the system cannot tell it.
std::optional<calendar::Moment> LocalMoment();

}  // namespace cli

#pragma once
// The four-pillar reading: year, month, day and hour in the sixty-pair cycle with their
// elements, directions and nayin, as the four lines of the reading box.
#include <chrono>
#include <string>

#include "calendar/date.h"

namespace tools {

// Four lines joined by CR LF, none after the last; the first ends in "时" and one blank.
// The time counts to the minute: the year pillar turns at the moment of 立春 and the month
// pillar at the moment of each 节 term, while the day and hour pillars keep to the date and
// the hour. A time outside the day gives "".
// Outside 1901-02-19 .. 2100-02-08 there is no lunar year, and so no year pillar: the text is
// then the sticker's range message for that side.
std::string FourPillarsText(calendar::sys_days date, std::chrono::seconds timeOfDay);

}  // namespace tools

#pragma once
// The four-pillar reading: year, month, day and hour in the sixty-pair cycle with their
// elements, directions and nayin, as the four lines of the reading box.
#include <string>

#include "calendar/date.h"

namespace tools {

// Four lines joined by CR LF, none after the last; the first ends in "时" and one blank.
// hour is 0..23 (another gives ""); minutes never enter the reading. Outside
// 1901-02-19 .. 2100-02-08 there is no lunar year, and so no year pillar: the text is then
// the sticker's range message for that side.
std::string FourPillarsText(calendar::sys_days date, int hour);
// The same for the reading picker's value; "" for a value that is not a moment the picker offers.
std::string FourPillarsText(double serial);

}  // namespace tools

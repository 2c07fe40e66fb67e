#pragma once
// The new moons: the moments the Moon's apparent longitude equals the Sun's, which open the
// lunar months on their Beijing dates.
#include <chrono>

#include "calendar/date.h"

namespace calendar {

// The Beijing wall-clock moment (counted like sys_seconds, to the second, good to about half
// a minute) of the new moon nearest to the middle of a Beijing day.
std::chrono::sys_seconds NewMoonNear(sys_days day);

}  // namespace calendar

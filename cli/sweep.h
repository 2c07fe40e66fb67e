#pragma once
// The sweep: every field the engine gives for a day, as one JSON line per day.
#include <string>

#include "calendar/date.h"

namespace cli {

// Appends the line of one day, newline included. The day must have a lunar date.
void AppendSweepLine(std::string& out, calendar::sys_days day);

}  // namespace cli

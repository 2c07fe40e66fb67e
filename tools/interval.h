#pragma once
// The interval tool: the span between a start and an end date.
#include <string>

#include "calendar/date.h"

namespace tools {

// The interval line: "间隔：" yy "年" mm "月" dd "天(共" total "天)". Years, months and
// days are the whole span whichever date comes first, so they are never negative; the
// total is signed and goes negative when the end lies before the start.
std::string IntervalText(calendar::sys_days start, calendar::sys_days end);

}  // namespace tools

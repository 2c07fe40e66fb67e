#include "tools/interval.h"

#include "calendar/text.h"
#include "calendar/whole_interval.h"

namespace tools {

std::string IntervalText(calendar::sys_days start, calendar::sys_days end) {
    const calendar::WholeSpan span = calendar::WholeIntervalOf(start, end);
    const int total = calendar::DateSerialOf(end) - calendar::DateSerialOf(start);
    // Each figure has at least two digits; the years of a long span keep all of theirs.
    return "间隔：" + calendar::ZeroPadded(span.years, 2) + "年" +
           calendar::ZeroPadded(span.months, 2) + "月" + calendar::ZeroPadded(span.days, 2) +
           "天(共" + std::to_string(total) + "天)";
}

}  // namespace tools

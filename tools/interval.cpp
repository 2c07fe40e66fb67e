#include "tools/interval.h"

#include "calendar/festivals.h"
#include "tools/picker_moment.h"
#include "tools/text_pieces.h"

namespace tools {

std::string IntervalText(calendar::sys_days start, calendar::sys_days end) {
    const calendar::WholeSpan span = calendar::WholeIntervalOf(start, end);
    const int total = calendar::DateSerialOf(end) - calendar::DateSerialOf(start);
    return "间隔：" + TwoDigits(span.years) + "年" + TwoDigits(span.months) + "月" +
           TwoDigits(span.days) + "天(共" + std::to_string(total) + "天)";
}

std::string IntervalText(double startSerial, double endSerial) {
    const auto start = MomentOfSerial(startSerial);
    const auto end = MomentOfSerial(endSerial);
    if (!start || !end) return "";
    return IntervalText(start->day, end->day);
}

}  // namespace tools

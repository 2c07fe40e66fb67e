#include "settings/schedule.h"

namespace settings {

bool InQuietHours(const QuietHours& quiet, std::chrono::seconds timeOfDay) {
    const std::chrono::seconds start = quiet.start, end = quiet.end;
    if (start <= end) return start <= timeOfDay && timeOfDay < end;
    return timeOfDay >= start || timeOfDay < end;  // past midnight
}

}  // namespace settings

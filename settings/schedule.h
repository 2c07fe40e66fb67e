#pragma once
// The process-wide chime and alarm schedule. One object lives for the whole run, owned by the
// window side and passed by reference to whoever reads or edits it.
#include <chrono>
#include <optional>

namespace settings {

// The span of the day in which the hour and half-hour chimes keep silent. It starts at `start`
// and ends just before `end`: from 22:00 to 07:00, 22:00 is silent and 07:00 chimes. A start
// after the end runs past midnight; an equal start and end make an empty span.
struct QuietHours {
    std::chrono::minutes start{0};  // minutes into the day, 0 <= t < 24 h
    std::chrono::minutes end{0};
    friend bool operator==(const QuietHours&, const QuietHours&) = default;
};
bool InQuietHours(const QuietHours& quiet, std::chrono::seconds timeOfDay);

struct Schedule {
    int ChimeMode = 0;  // 0 none, 1 on the hour, 2 on the half hour, 3 both; others act as 0
    std::optional<std::chrono::seconds> AlarmTime1;  // time of day, whole seconds, 0 <= t < 24 h
    std::optional<std::chrono::seconds> AlarmTime2;
    std::optional<QuietHours> quietHours{};  // none: the chimes are never held back
    friend bool operator==(const Schedule&, const Schedule&) = default;
};

}  // namespace settings

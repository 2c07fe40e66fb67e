#pragma once
// The process-wide chime and alarm schedule. One object lives for the whole run, owned by the
// window side and passed by reference to whoever reads or edits it.
#include <chrono>
#include <optional>

namespace settings {

struct Schedule {
    int ChimeMode = 0;  // 0 none, 1 on the hour, 2 on the half hour, 3 both; others act as 0
    std::optional<std::chrono::seconds> AlarmTime1;  // time of day, whole seconds, 0 <= t < 24 h
    std::optional<std::chrono::seconds> AlarmTime2;
    friend bool operator==(const Schedule&, const Schedule&) = default;
};

}  // namespace settings

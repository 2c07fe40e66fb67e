#pragma once
// The local date and time a window is drawn for, as a clock hands it over, and its text forms.
#include <chrono>
#include <optional>
#include <string_view>

namespace calendar {

struct Moment {
    std::chrono::sys_days today;     // the local date; the time of day never enters it
    std::chrono::seconds timeOfDay;  // 0 <= timeOfDay < 24 h from a real clock
    friend bool operator==(const Moment&, const Moment&) = default;
};

constexpr std::chrono::seconds kDay{86400};

// The current local date and time: the system's clock in the program, a settable one in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Moment Now() = 0;
};

// Builds a moment from clock fields; a field out of range gives nothing rather than a date
// that silently rolls over.
std::optional<Moment> MomentOf(int year, int month, int day, int hour, int minute, int second);

// "hh:mm" or "hh:mm:ss" on the 24-hour clock, two digits each. Anything else gives nothing.
std::optional<std::chrono::seconds> ParseTimeOfDay(std::string_view text);

// "yyyy-mm-dd", optionally followed by a blank and a time of day as ParseTimeOfDay reads it
// (midnight when the time is left out). Anything else gives nothing.
std::optional<Moment> ParseMoment(std::string_view text);

// A window composed for one date shows a stale date block once the clock has moved on to
// another; the window recomposes its date texts when this says so.
constexpr bool DateChanged(std::chrono::sys_days composedFor, const Moment& now) {
    return now.today != composedFor;
}

}  // namespace calendar

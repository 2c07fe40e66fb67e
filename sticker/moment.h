#pragma once
// The local date and time a face is drawn for, as the clock hands it over.
#include <chrono>
#include <optional>
#include <string_view>

namespace sticker {

struct Moment {
    std::chrono::sys_days today;     // the local date; the time of day never enters it
    std::chrono::seconds timeOfDay;  // 0 <= timeOfDay < 24 h from a real clock
    friend bool operator==(const Moment&, const Moment&) = default;
};

constexpr std::chrono::seconds kDay{86400};

// Builds a moment from clock fields; a field out of range gives nothing rather than a date
// that silently rolls over.
std::optional<Moment> MomentOf(int year, int month, int day, int hour, int minute, int second);

// "yyyy-mm-dd", optionally followed by a blank and "hh:mm" or "hh:mm:ss" (midnight when the
// time is left out). Anything else gives nothing.
std::optional<Moment> ParseMoment(std::string_view text);

// A face composed for one date shows a stale date block once the clock has moved on to
// another; the window recomposes its date texts when this says so.
constexpr bool DateChanged(std::chrono::sys_days composedFor, const Moment& now) {
    return now.today != composedFor;
}

}  // namespace sticker

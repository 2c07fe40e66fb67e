#pragma once
// A date-time picker's value as the tools read it: a day and a time of day. The day lists
// move it by a count of days that may hold a fraction; that count is added to the value as a
// DateSerial (whole days since 1899-12-30, the fraction being the time of day).
#include <chrono>
#include <optional>

#include "calendar/date.h"

namespace tools {

// The range every picker of the tools window offers.
inline constexpr int kFirstPickerYear = 1601;
inline constexpr int kLastPickerYear = 9999;
inline constexpr calendar::sys_days kFirstPickerDay =
    calendar::sys_days{std::chrono::year{kFirstPickerYear} / 1 / 1};
inline constexpr calendar::sys_days kLastPickerDay =
    calendar::sys_days{std::chrono::year{kLastPickerYear} / 12 / 31};

struct PickerMoment {
    calendar::sys_days day;
    std::chrono::seconds timeOfDay{0};  // 0 .. 86399
    friend bool operator==(const PickerMoment&, const PickerMoment&) = default;
};

// The serial is a linear count, also before 1899-12-30: the day is floor(serial) and the
// time is what lies above it (-1.75 is 1899-12-28 06:00). The moment is taken to the
// nearest second first, because a picker holds whole seconds and a sum such as
// 10:48 + 0.55 days must reach midnight rather than stop a hair short of it. Nothing for a
// value that is not finite or whose day lies outside the pickers' range.
std::optional<PickerMoment> MomentOfSerial(double serial);

double SerialOf(const PickerMoment& moment);

// The moment a count of days after `from` (before it for a negative count), the fraction
// moving the time of day; nothing when that is not a moment the pickers offer.
std::optional<PickerMoment> MomentAfter(const PickerMoment& from, double days);

}  // namespace tools

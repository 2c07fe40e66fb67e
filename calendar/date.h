#pragma once
// Day numbers, date texts and the number value of a text.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace calendar {

using std::chrono::sys_days;

// DateSerial counts days from 1899-12-30, which is sys_days -25569.
constexpr std::chrono::days kSerialOffset{25569};
constexpr int DateSerialOf(sys_days d) { return (d.time_since_epoch() + kSerialOffset).count(); }
constexpr sys_days DayOfSerial(int serial) {
    return sys_days{std::chrono::days{serial} - kSerialOffset};
}

// The Gregorian year and month a day falls in.
constexpr int YearOf(sys_days d) { return static_cast<int>(std::chrono::year_month_day{d}.year()); }
constexpr std::chrono::year_month MonthOf(sys_days d) {
    const std::chrono::year_month_day ymd{d};
    return ymd.year() / ymd.month();
}

// "yyyy-mm-dd" (also "yyyy-m-d"): a four-digit year, one- or two-digit month and day, and a
// date that exists. Anything else, including trailing characters, gives nothing.
std::optional<sys_days> ParseDate(std::string_view text);

std::string FormatDate(sys_days d);       // "yyyy-mm-dd"
std::string FormatDateShort(sys_days d);  // "yyyy-m-d", as solar-term dates travel

// The longest leading part of the text that reads as a decimal number (sign, digits, point,
// exponent); 0 when there is none. Leading blanks are not skipped. Overflow gives +-inf.
double NumberValue(std::string_view text);

}  // namespace calendar

#pragma once
// The range the engine's tables cover, and the messages that tell a user a date lies outside it.
#include <chrono>
#include <string_view>

namespace calendar {

using std::chrono::sys_days;
using namespace std::chrono_literals;

// The lunar year table holds the lunar years 1901..2099; the solar-term formula has its
// constants and corrections for the Gregorian years 1901..2100.
inline constexpr int kFirstLunarYear = 1901;
inline constexpr int kLastLunarYear = 2099;
inline constexpr int kFirstTermYear = 1901;
inline constexpr int kLastTermYear = 2100;

// Lunar year 1901 begins on 1901-02-19 and lunar year 2099 ends on 2100-02-08: every
// conversion the program shows lies between these two days.
inline constexpr sys_days kFirstLunarDay = sys_days{1901y / 2 / 19};
inline constexpr sys_days kLastLunarDay = sys_days{2100y / 2 / 8};
constexpr bool InLunarRange(sys_days d) { return d >= kFirstLunarDay && d <= kLastLunarDay; }

// The main face takes its Gregorian pieces (the weeks of the year, the festivals, the
// nine-nines) of a working year: the Gregorian year clamped to 1902..2099, the years whose
// previous lunar year is in the table. Its days in 1901 and 2100 therefore take these pieces
// from 1902 and 2099, as the main face is defined to; the alternate face takes the year as it is.
inline constexpr int kFirstWorkingYear = kFirstLunarYear + 1;
inline constexpr int kLastWorkingYear = kLastLunarYear;
constexpr int WorkingYear(int year) {
    return year < kFirstWorkingYear ? kFirstWorkingYear
                                    : (year > kLastWorkingYear ? kLastWorkingYear : year);
}

inline constexpr std::string_view kTooEarlyMessage = "请检查您的日期，阳历日期最小为 1901-02-19 ！";
inline constexpr std::string_view kTooLateMessage = "请检查您的日期，阳历日期最大为 2100-02-08 ！";

// The message for a day outside the lunar range, "" for a day inside it.
constexpr std::string_view RangeMessage(sys_days d) {
    if (d < kFirstLunarDay) return kTooEarlyMessage;
    if (d > kLastLunarDay) return kTooLateMessage;
    return {};
}

}  // namespace calendar

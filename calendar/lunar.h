#pragma once
// The lunar year table and the Gregorian-to-lunar conversion.
#include <optional>
#include <string>
#include <string_view>

#include "calendar/date.h"

namespace calendar {

using namespace std::chrono_literals;

// Lunar year 1901 begins on 1901-02-19 and lunar year 2099 ends on 2100-02-08: every
// conversion the program shows lies between these two days.
constexpr sys_days kFirstLunarDay = sys_days{1901y / 2 / 19};
constexpr sys_days kLastLunarDay = sys_days{2100y / 2 / 8};
constexpr bool InLunarRange(sys_days d) { return d >= kFirstLunarDay && d <= kLastLunarDay; }

// The six hex digits of a lunar year 1901..2099; other years are clamped to that range.
std::string_view LunarYearCode(int year);
std::string YearCodeBits(int year);        // 24 characters "0"/"1", year clamped
int LeapMonthOf(int year);                 // 0..12, year clamped
int LunarMonthLength(int year, int slot);  // 29 or 30; slot 1..13 in order of occurrence

// "yyyy-mm-dd" of the first day of the lunar year. Out-of-range years use the clamped year's
// month and day but keep the year number as passed; 2100 itself gives 2100-02-09, the day
// after lunar year 2099 ends.
std::string SpringFestivalDate(int year);
sys_days SpringFestivalDay(int year);  // the same day as a date

struct LunarDate {
    int year = 0;   // lunar year, 1901..2099
    int month = 0;  // 1..12; in a leap month the month it repeats
    int day = 0;    // 1..30
    bool leap = false;
    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// The day dayOffset days after the Spring Festival of lunar year (year - 1), year clamped to
// 1902..2099 first. Nothing when the offset names no day of those two lunar years.
std::optional<LunarDate> LunarDateAt(int year, int dayOffset);
// The same in the lunar date form, "yyyy-mm-dd" or "yyyy-闰mm-dd"; "" when there is no day.
std::string LunarDateText(int year, int dayOffset);

std::string FormatLunarDate(const LunarDate& date);
std::optional<LunarDate> ParseLunarDate(std::string_view text);

// The calling convention every caller uses: the Gregorian year clamped to 1902..2099, the
// offset counted from the Spring Festival of the year before. Nothing outside the two lunar
// years that the clamp reaches (callers check InLunarRange first where they must).
std::optional<LunarDate> LunarDateOf(sys_days d);
std::string LunarDateTextOf(sys_days d);

// The slot (1..13) a lunar month occupies in its year: the leap month sits right after the
// month it repeats and pushes the later months one slot on.
int MonthSlot(const LunarDate& date);
// Whether that month has 30 days ("大") rather than 29 ("小").
bool IsBigMonth(const LunarDate& date);

}  // namespace calendar

#pragma once
// The lunar year table and the Gregorian-to-lunar conversion.
#include <optional>
#include <string>
#include <string_view>

#include "calendar/date.h"
#include "calendar/range.h"

namespace calendar {

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

// The lunar date form: "yyyy-mm-dd", or "yyyy-闰mm-dd" in a leap month.
std::string FormatLunarDate(const LunarDate& date);
std::optional<LunarDate> ParseLunarDate(std::string_view text);

// The lunar date of a day, for every day of kFirstLunarDay..kLastLunarDay; nothing outside.
std::optional<LunarDate> LunarOf(sys_days d);
// The same in the lunar date form; "" outside the range.
std::string LunarDateText(sys_days d);
// The day a lunar date names: nothing for a year outside the table, a month the year does not
// have (a leap month it lacks) or a day past the month's end.
std::optional<sys_days> GregorianOf(const LunarDate& date);

// The slot (1..13) a lunar month occupies in its year: the leap month sits right after the
// month it repeats and pushes the later months one slot on.
int MonthSlot(const LunarDate& date);
// Whether that month has 30 days ("大") rather than 29 ("小").
bool IsBigMonth(const LunarDate& date);

// "闰(花朝)二月小 初一": the leap mark, the month's name, its size, a blank and the day's name.
std::string LunarMonthAndDayText(const LunarDate& date);
// "无闰月", or "闰N月" with the leap month of the lunar year (clamped as LeapMonthOf).
std::string LeapMonthNote(int year);

}  // namespace calendar

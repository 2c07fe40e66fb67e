#pragma once
// The shared read-only name tables. Positions count from 1, as the calendar rules use them;
// a position outside the table gives the empty text.
#include <string_view>

namespace calendar {

std::string_view StemName(int stem);               // 1..10, 1 = 甲jiǎ
std::string_view StemElement(int stem);            // 1..10
std::string_view StemDirection(int stem);          // 1..10
std::string_view BranchName(int branch);           // 1..12, 1 = 子zǐ
std::string_view BranchElement(int branch);        // 1..12
std::string_view BranchDirection(int branch);      // 1..12
std::string_view MonthBranchName(int month);       // 1..12, 1 = 寅 (the first month)
std::string_view MonthBranchElement(int month);    // 1..12
std::string_view MonthBranchDirection(int month);  // 1..12
std::string_view ZodiacName(int branch);           // 1..12, 1 = 鼠
std::string_view JiaziName(int position);          // 1..60, 1 = 甲jiǎ子zǐ
std::string_view NayinName(int position);          // 1..60
std::string_view HourStartTime(int period);        // 1..12, "hh:mm"
std::string_view HourEndTime(int period);          // 1..12, "hh:mm"
std::string_view HourDescription(int period);      // 1..12
std::string_view QuarterStartTime(int quarter);    // 1..4, "mm:ss"
std::string_view QuarterEndTime(int quarter);      // 1..4, "mm:ss"
std::string_view QuarterName(int quarter);         // 1..4
std::string_view ChineseDigit(int digit);          // 0..9 (counts from 0: it is a digit)
std::string_view SolarTermName(int index);         // 1..24, 1 = 立春, 23 = 小寒, 24 = 大寒
std::string_view LunarMonthName(int month);        // 1..12, "(孟春)正月"
std::string_view LunarMonthPlainName(int month);   // 1..12, "正月": without the elegant name
std::string_view LunarDayName(int day);            // 1..30
std::string_view NibbleBits(int position);         // 1..16, position d+1 = digit d in base two

// Searches JiaziNames for a whole text; 0 when it is not there.
int JiaziPosition(std::string_view name);

// The term tables: the Gregorian month of each term, and the constant B of the closed
// formula for the centuries 1901-2000 (firstCentury) and 2001-2100.
int SolarTermMonth(int index);                           // 1..24; 0 outside
double SolarTermConstant(int index, bool firstCentury);  // 1..24; 0 outside

// The per-year correction of one term's computed day.
enum class TermCorrection {
    none,
    dayLater,      // +1 day
    dayEarlier,    // -1 day
    firstCentury,  // year 2000 only: use the 1901-2000 constant
};
TermCorrection TermCorrectionOf(int year, int index);

// Festivals fixed in the lunar calendar (month 1..12, day 1..30) and in the Gregorian one;
// "" when the day has none.
std::string_view LunarFestivalName(int month, int day);
std::string_view GregorianFestivalName(int month, int day);

}  // namespace calendar

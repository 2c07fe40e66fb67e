#include "calendar/festivals.h"

#include "calendar/lunar.h"
#include "calendar/name_tables.h"
#include "calendar/solar_terms.h"

namespace calendar {

using namespace std::chrono;

namespace {

// The n-th given weekday of a month.
sys_days NthWeekday(std::chrono::year y, std::chrono::month m, weekday wd, unsigned n) {
    return sys_days{year_month_weekday{y, m, wd[n]}};
}

}  // namespace

std::string DayFestivals(int year, sys_days date) {
    const year_month_day ymd{date};
    const int month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    const int dayOfMonth = static_cast<int>(static_cast<unsigned>(ymd.day()));

    // A leap month keeps the festivals of the month it repeats.
    std::string_view lunarSlot;
    const auto lunar = LunarOf(date);
    if (lunar) lunarSlot = LunarFestivalName(lunar->month, lunar->day);

    // 寒食 takes the place of a fixed festival; no term date, no 寒食.
    std::string_view gregorianSlot;
    const auto clearBright = SolarTermDay(year, kClearAndBright);
    const year_month_day coldFood{clearBright ? *clearBright - days{1} : sys_days{}};
    if (clearBright && coldFood.month() == ymd.month() && coldFood.day() == ymd.day()) {
        gregorianSlot = "寒食";
    } else {
        gregorianSlot = GregorianFestivalName(month, dayOfMonth);
    }

    // The year's own Spring Festival and its eve. Where the caller's clamped year
    // misses them (1901 and 2100), the lunar date still knows a year's first and last day.
    const sys_days springFestival = SpringFestivalDay(year);
    if (date == springFestival || (lunar && lunar->month == 1 && lunar->day == 1 && !lunar->leap)) {
        lunarSlot = "春节";
    }
    if (date == springFestival - days{1} ||
        (lunar && SpringFestivalDay(lunar->year + 1) == date + days{1})) {
        lunarSlot = "除夕";
    }

    // The floating festivals of the date's own year.
    std::string_view floatingSlot;
    if (date == NthWeekday(ymd.year(), May, Sunday, 2)) floatingSlot = "母亲节";
    if (date == NthWeekday(ymd.year(), June, Sunday, 3)) floatingSlot = "父亲节";
    if (date == NthWeekday(ymd.year(), November, Thursday, 4)) floatingSlot = "感恩节";

    std::string text;
    text.reserve(lunarSlot.size() + gregorianSlot.size() + floatingSlot.size());
    text += lunarSlot;
    text += gregorianSlot;
    text += floatingSlot;
    return text;
}

}  // namespace calendar

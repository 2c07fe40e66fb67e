#include "calendar/seasons.h"

#include <array>

#include "calendar/solar_terms.h"

namespace calendar {

using namespace std::chrono;

namespace {

// Week 1 holds 1 January; weeks begin on Sunday.
int WeekFrom(sys_days d, std::chrono::year y) {
    const sys_days january1{y / January / 1};
    const sys_days sunday = january1 - (weekday{january1} - Sunday);
    return static_cast<int>((d - sunday).count() / 7) + 1;
}

}  // namespace

int WeekOfYear(sys_days d) { return WeekFrom(d, year_month_day{d}.year()); }

int WeeksInYear(int year) {
    const std::chrono::year y{year};
    const sys_days january1{y / January / 1};
    const sys_days december31{y / December / 31};
    int whole = (WeekFrom(december31, y) - 1) - (WeekFrom(january1, y) - 1);
    if (weekday{december31}.c_encoding() < weekday{january1}.c_encoding()) --whole;
    return whole + 1;
}

std::string_view NineNinesMarker(sys_days today, int year) {
    auto solstice = SolarTermDay(year, kWinterSolstice);
    if (!solstice) return {};
    if (today < *solstice) {
        solstice = SolarTermDay(year - 1, kWinterSolstice);
        if (!solstice) return {};
    }
    struct Nine {
        int offset;
        std::string_view name;
    };
    // 出九 falls on the 81st day counting the solstice as the first, not on a ninth day.
    static constexpr std::array<Nine, 10> kNines = {{
        {0, "入九"},
        {9, "二九"},
        {18, "三九"},
        {27, "四九"},
        {36, "五九"},
        {45, "六九"},
        {54, "七九"},
        {63, "八九"},
        {72, "九九"},
        {80, "出九"},
    }};
    const auto offset = (today - *solstice).count();
    for (const Nine& nine : kNines) {
        if (nine.offset == offset) return nine.name;
    }
    return {};
}

}  // namespace calendar

#include "tools/queries.h"

#include <chrono>
#include <cmath>

#include "calendar/date.h"
#include "calendar/name_tables.h"
#include "calendar/pillars.h"
#include "calendar/seasons.h"
#include "calendar/solar_terms.h"
#include "calendar/term_moments.h"
#include "calendar/text.h"
#include "tools/picker_moment.h"

namespace tools {

namespace {

using calendar::sys_days;
using std::chrono::days;

// The first day in first..last with the given week number, if there is one. Week numbers
// never fall from one day to the next, so the first day of a week is found by halving.
std::optional<sys_days> FirstDayOfWeek(sys_days first, sys_days last, int week) {
    sys_days lo = first;
    sys_days hi = last + days{1};
    while (lo < hi) {
        const sys_days mid = lo + (hi - lo) / 2;
        if (calendar::WeekOfYear(mid) < week) {
            lo = mid + days{1};
        } else {
            hi = mid;
        }
    }
    if (lo > last || calendar::WeekOfYear(lo) != week) return std::nullopt;
    return lo;
}

// The Chinese characters of a text, without the pinyin written behind them.
std::string HanziOnly(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        // Pinyin with tone marks stays below U+0300, and so within two bytes of UTF-8.
        if (length >= 3) out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

// Nothing unless rounding gives an integer in [low, high]: a text box can hold any number, and
// an out-of-range double must never reach an int conversion.
std::optional<int> RoundedInRange(double value, int low, int high) {
    const double rounded = std::round(value);
    if (!(rounded >= low && rounded <= high)) return std::nullopt;
    return static_cast<int>(rounded);
}

}  // namespace

std::string WeekRangeText(int year, std::string_view weekText) {
    if (year < kFirstPickerYear || year > kLastPickerYear) return "";
    // 54 is the highest week any year has; a larger number simply has no day.
    const auto week = RoundedInRange(calendar::NumberValue(weekText), 1, 54);
    if (!week) return "";
    const std::chrono::year y{year};
    const sys_days first{y / 1 / 1};
    const sys_days last{y / 12 / 31};
    const auto start = FirstDayOfWeek(first, last, *week);
    if (!start) return "";
    const auto next = FirstDayOfWeek(*start, last, *week + 1);
    const sys_days end = next ? *next - days{1} : last;
    return calendar::FormatDateShort(*start) + "至" + calendar::FormatDateShort(end);
}

std::optional<std::string> TermDateText(int year, int index) {
    if (index < 1 || index > calendar::kTermCount) return std::nullopt;
    const auto shown = calendar::ShownSolarTerm(year, index);
    if (!shown) return "";
    // Written as the window's pickers write a date, so that the result reads like them.
    const std::chrono::year_month_day ymd{shown->day};
    std::string text;
    calendar::AppendZeroPadded(text, static_cast<int>(ymd.year()), 4);
    text += "年";
    calendar::AppendZeroPadded(text, static_cast<unsigned>(ymd.month()), 2);
    text += "月";
    calendar::AppendZeroPadded(text, static_cast<unsigned>(ymd.day()), 2);
    text += "日";
    if (shown->timeOfDay) {
        const std::chrono::hh_mm_ss<std::chrono::seconds> time{*shown->timeOfDay};
        text += ' ';
        calendar::AppendZeroPadded(text, time.hours().count(), 2);
        text += ':';
        calendar::AppendZeroPadded(text, time.minutes().count(), 2);
        text += ':';
        calendar::AppendZeroPadded(text, time.seconds().count(), 2);
    }
    return text;
}

std::string CycleYearsText(int row, int currentYear) {
    const std::string_view name = calendar::JiaziName(row);
    if (name.empty() || currentYear < kFirstPickerYear || currentYear > kLastPickerYear) return "";
    // The names repeat every 60 years, so the first 60 years back always hold a match.
    for (int p = currentYear; p > currentYear - 60; --p) {
        if (calendar::YearPillar(p, calendar::PillarKind::StemBranch) != name) continue;
        const int age = currentYear - p + 1;
        return std::to_string(p - 60) + "年虚" + std::to_string(age + 60) + "岁  " +
               std::to_string(p) + "年虚" + std::to_string(age) + "岁";
    }
    return "";
}

int CycleRowOf(std::string_view name) {
    if (const int row = calendar::JiaziPosition(name); row > 0) return row;
    const std::string wanted = HanziOnly(name);
    if (wanted.empty() || wanted.size() != name.size()) return 0;
    for (int row = 1; row <= 60; ++row) {
        if (HanziOnly(calendar::JiaziName(row)) == wanted) return row;
    }
    return 0;
}

}  // namespace tools

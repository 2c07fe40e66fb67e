#include "tools/day_line.h"

#include "calendar/festivals.h"
#include "calendar/lunar.h"
#include "calendar/name_tables.h"
#include "calendar/seasons.h"
#include "calendar/solar_terms.h"

namespace tools {

namespace {

// "[闰2月] " or "[无闰月] ". Built by appending: GCC 12 warns falsely (-Wrestrict) about a
// literal + std::string here.
std::string LeapNote(int lunarYear) {
    std::string note = "[";
    note += calendar::LeapMonthNote(lunarYear);
    note += "] ";
    return note;
}

}  // namespace

bool IsCountText(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text) {
        const bool allowed = c == '+' || c == '-' || c == '.' || (c >= '0' && c <= '9');
        if (!allowed) return false;
    }
    return true;
}

std::string LunarDayLine(calendar::sys_days target, bool wide) {
    const auto lunar = calendar::LunarOf(target);
    if (!lunar) return "";
    // The Gregorian year, not the lunar year, governs the term, the nine-nines and the
    // festivals.
    const int year = int(std::chrono::year_month_day{target}.year());

    const char* separator = lunar->leap ? " 闰" : (wide ? "  " : " ");
    const char* size = calendar::IsBigMonth(*lunar) ? "大" : "小";
    const int term = calendar::SolarTermIndexOn(target);

    std::string line = " 阴历" + std::to_string(lunar->year) + "年" + LeapNote(lunar->year);
    line += separator;
    line += calendar::LunarMonthName(lunar->month);
    line += "[";
    line += size;
    line += "]";
    line += calendar::LunarDayName(lunar->day);
    line += " ";
    line += calendar::NineNinesMarker(target, year);
    line += " ";
    if (term > 0) line += calendar::SolarTermName(term);
    line += " ";
    line += calendar::DayFestivals(year, target);
    return line;
}

std::string DayInfoLine(const PickerMoment& reference, double offset, bool wide) {
    const auto moment = MomentAfter(reference, offset);
    if (!moment) return "";
    return LunarDayLine(moment->day, wide);
}

std::string DayLineText(const PickerMoment& reference, std::string_view countText,
                        DayDirection direction, bool wide) {
    if (!IsCountText(countText)) return "";
    const double count = calendar::NumberValue(countText);
    const double offset = direction == DayDirection::Before ? -count : count;
    return DayInfoLine(reference, offset, wide);
}

}  // namespace tools

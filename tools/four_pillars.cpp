#include "tools/four_pillars.h"

#include <chrono>

#include "calendar/lunar.h"
#include "calendar/pillars.h"
#include "calendar/range.h"
#include "calendar/term_moments.h"
#include "calendar/text.h"

namespace tools {

namespace {

// The reading keeps the hour's name and drops the period's description after it.
std::string HourReading(const std::string& hourText) {
    const auto cut = calendar::CutHourText(hourText);
    return cut ? std::string(cut->head) : hourText;
}

}  // namespace

std::string FourPillarsText(calendar::sys_days date, std::chrono::seconds timeOfDay) {
    if (!calendar::InLunarRange(date)) return std::string(calendar::RangeMessage(date));
    if (timeOfDay < std::chrono::seconds{0} || timeOfDay >= std::chrono::days{1}) return "";
    const auto lunar = calendar::LunarOf(date);
    if (!lunar) return "";
    // The reading is to the minute, as the picker shows it. The year turns at the moment of
    // 立春 and the month at the moment of each 节 term; the day and hour pillars keep to the
    // date and the hour, so the hour pillar is that of the hour's first minute.
    const std::chrono::seconds minute = std::chrono::floor<std::chrono::minutes>(timeOfDay);
    const auto solar = calendar::SolarMonthAt(std::chrono::sys_seconds{date} + minute);
    const int year = solar ? solar->stemYear : lunar->year;
    const auto month = [&](calendar::PillarKind kind) {
        return solar ? calendar::SolarMonthPillar(solar->stemYear, solar->month, kind)
                     : calendar::MonthPillar(date, kind);
    };
    const std::chrono::seconds hour = std::chrono::floor<std::chrono::hours>(timeOfDay);
    using calendar::DayPillar;
    using calendar::HourPillar;
    using calendar::YearPillar;
    using enum calendar::PillarKind;

    std::string text = "八字：" + YearPillar(year, StemBranch) + "[" + calendar::YearZodiac(year) +
                       "]年   " + month(StemBranch) + "   " + DayPillar(date, StemBranch) + "   " +
                       HourReading(HourPillar(date, hour, StemBranch)) + "\r\n";
    text += "五行：" + YearPillar(year, Element) + "年        " + month(Element) + "        " +
            DayPillar(date, Element) + "        " + HourPillar(date, hour, Element) + "\r\n";
    text += "方位：" + YearPillar(year, Direction) + "年         " + month(Direction) +
            "         " + DayPillar(date, Direction) + "               " +
            HourPillar(date, hour, Direction) + "\r\n";
    text += "纳音：" + YearPillar(year, Nayin) + "年           " + month(Nayin) + "           " +
            DayPillar(date, Nayin) + "            " + HourPillar(date, hour, Nayin);
    return text;
}

}  // namespace tools

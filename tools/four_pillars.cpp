#include "tools/four_pillars.h"

#include <chrono>

#include "calendar/lunar.h"
#include "calendar/pillars.h"
#include "calendar/range.h"
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
    // The year pillar follows the lunar year, so it turns at the Spring Festival. Minutes never
    // enter the reading: the hour pillar is that of the hour's first minute.
    const int ly = lunar->year;
    const std::chrono::seconds hour = std::chrono::floor<std::chrono::hours>(timeOfDay);
    using calendar::DayPillar;
    using calendar::HourPillar;
    using calendar::MonthPillar;
    using calendar::YearPillar;
    using enum calendar::PillarKind;

    std::string text = "八字：" + YearPillar(ly, StemBranch) + "[" + calendar::YearZodiac(ly) +
                       "]年   " + MonthPillar(date, StemBranch) + "   " +
                       DayPillar(date, StemBranch) + "   " +
                       HourReading(HourPillar(date, hour, StemBranch)) + "\r\n";
    text += "五行：" + YearPillar(ly, Element) + "年        " + MonthPillar(date, Element) +
            "        " + DayPillar(date, Element) + "        " + HourPillar(date, hour, Element) +
            "\r\n";
    text += "方位：" + YearPillar(ly, Direction) + "年         " + MonthPillar(date, Direction) +
            "         " + DayPillar(date, Direction) + "               " +
            HourPillar(date, hour, Direction) + "\r\n";
    text += "纳音：" + YearPillar(ly, Nayin) + "年           " + MonthPillar(date, Nayin) +
            "           " + DayPillar(date, Nayin) + "            " + HourPillar(date, hour, Nayin);
    return text;
}

}  // namespace tools

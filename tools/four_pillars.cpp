#include "tools/four_pillars.h"

#include <chrono>

#include "calendar/lunar.h"
#include "calendar/pillars.h"
#include "calendar/range.h"
#include "calendar/text.h"
#include "tools/picker_moment.h"

namespace tools {

namespace {

// The reading keeps the hour's name and drops the period's description after it.
std::string HourReading(const std::string& hourText) {
    const auto cut = calendar::CutHourText(hourText);
    return cut ? std::string(cut->head) : hourText;
}

}  // namespace

std::string FourPillarsText(calendar::sys_days date, int hour) {
    if (!calendar::InLunarRange(date)) return std::string(calendar::RangeMessage(date));
    if (hour < 0 || hour > 23) return "";
    const auto lunar = calendar::LunarDateOf(date);
    if (!lunar) return "";
    // The year pillar follows the lunar year, so it turns at the Spring Festival.
    const int ly = lunar->year;
    using calendar::DayHourPillar;
    using calendar::MonthPillar;
    using calendar::YearPillar;

    std::string text = "八字：" + YearPillar(ly, "D") + "[" + calendar::YearZodiac(ly) + "]年   " +
                       MonthPillar(date, "D") + "   " + DayHourPillar(date, hour, 0, "D") + "   " +
                       HourReading(DayHourPillar(date, hour, 0, "T")) + "\r\n";
    text += "五行：" + YearPillar(ly, "W") + "年        " + MonthPillar(date, "W") + "        " +
            DayHourPillar(date, hour, 0, "W") + "        " + DayHourPillar(date, hour, 0, "X") +
            "\r\n";
    text += "方位：" + YearPillar(ly, "F") + "年         " + MonthPillar(date, "F") + "         " +
            DayHourPillar(date, hour, 0, "F") + "               " +
            DayHourPillar(date, hour, 0, "V") + "\r\n";
    text += "纳音：" + YearPillar(ly, "L") + "年           " + MonthPillar(date, "L") +
            "           " + DayHourPillar(date, hour, 0, "N") + "            " +
            DayHourPillar(date, hour, 0, "L");
    return text;
}

std::string FourPillarsText(double serial) {
    const auto moment = MomentOfSerial(serial);
    if (!moment) return "";
    const auto hour = std::chrono::duration_cast<std::chrono::hours>(moment->timeOfDay).count();
    return FourPillarsText(moment->day, static_cast<int>(hour));
}

}  // namespace tools

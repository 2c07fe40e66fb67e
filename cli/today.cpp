#include "cli/today.h"

#include <algorithm>
#include <ctime>
#include <optional>
#include <ostream>
#include <string_view>

#include "calendar/festivals.h"
#include "calendar/lunar.h"
#include "calendar/name_tables.h"
#include "calendar/pillars.h"
#include "calendar/solar_terms.h"
#include "calendar/text.h"
#include "cli/arguments.h"

namespace cli {

namespace {

using calendar::PillarKind;
using calendar::sys_days;

int GregorianYear(sys_days day) {
    return static_cast<int>(std::chrono::year_month_day{day}.year());
}

// "二〇二三年闰(花朝)二月小 初一"
std::string LunarLine(const calendar::LunarDate& lunar) {
    return calendar::ChineseYearDigits(lunar.year) + "年" + calendar::LunarMonthAndDayText(lunar);
}

// The term of the day, or the next one with its date so the line is never blank.
std::string TermLine(sys_days day) {
    if (const int index = calendar::SolarTermIndexOn(day)) {
        return std::string(calendar::SolarTermName(index));
    }
    std::optional<sys_days> next;
    int nextYear = 0;
    int nextIndex = 0;
    const int year = GregorianYear(day);
    for (int y = year; y <= year + 1; ++y) {
        for (int index = 1; index <= calendar::kTermCount; ++index) {
            const std::optional<sys_days> termDay = calendar::SolarTermDay(y, index);
            if (termDay && *termDay > day && (!next || *termDay < *next)) {
                next = termDay;
                nextYear = y;
                nextIndex = index;
            }
        }
    }
    if (!next) return "无";
    return "无 (下一个: " + std::string(calendar::SolarTermName(nextIndex)) + " " +
           calendar::SolarTermDate(nextYear, nextIndex) + ")";
}

}  // namespace

std::string TodayCalendarText(const calendar::Moment& now) {
    const sys_days day = now.today;
    const int year = GregorianYear(day);
    const std::optional<calendar::LunarDate> lunar = calendar::LunarOf(day);
    std::string festivals = calendar::DayFestivals(year, day);
    if (festivals.empty()) festivals = "无";

    std::string text =
        calendar::FormatDate(day) + " " + std::string(calendar::WeekdayName(day)) + "\n";
    text += "农历 " + (lunar ? LunarLine(*lunar) : std::string()) + "\n";
    text += "节气 " + TermLine(day) + "\n";
    // The year pillar follows the Gregorian year, as the sticker shows it.
    text += "干支 " + calendar::YearPillar(year, PillarKind::StemBranch) + "年 " +
            calendar::MonthPillar(day, PillarKind::StemBranch) + " " +
            calendar::DayPillar(day, PillarKind::StemBranch) + " " +
            calendar::HourPillar(day, now.timeOfDay, PillarKind::StemBranch) + "\n";
    text += "生肖 " + calendar::YearZodiac(year) + "\n";
    text += "节日 " + festivals + "\n";
    return text;
}

std::optional<calendar::Moment> LocalMoment() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &now) != 0) return std::nullopt;
#else
    if (!localtime_r(&now, &local)) return std::nullopt;
#endif
    // A leap second shows as :59 rather than as a time that does not exist.
    return calendar::MomentOf(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                              local.tm_min, std::min(local.tm_sec, 59));
}

int RunTodayCalendar(std::ostream& out, std::ostream& err) {
    const std::optional<calendar::Moment> now = LocalMoment();
    if (!now) {
        err << "tavelon-cal: the local date is not available\n";
        return kExitFailure;
    }
    if (!CheckLunarRange(now->today, err)) return kExitUsage;
    out << TodayCalendarText(*now);
    return kExitOk;
}

}  // namespace cli

#include "month/day_details.h"

#include <vector>

#include "calendar/festivals.h"
#include "calendar/lunar.h"
#include "calendar/name_tables.h"
#include "calendar/pillars.h"
#include "calendar/range.h"
#include "calendar/seasons.h"
#include "calendar/solar_terms.h"
#include "calendar/term_moments.h"
#include "calendar/text.h"

namespace month {

using namespace std::chrono;

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kGap = "  ";


std::string DateLine(sys_days day, sys_days today) {
    const year_month_day ymd{day};
    return std::to_string(static_cast<int>(ymd.year())) + "年" +
           std::to_string(static_cast<unsigned>(ymd.month())) + "月" +
           std::to_string(static_cast<unsigned>(ymd.day())) + "日 " +
           std::string(calendar::WeekdayName(day)) + " 第" +
           std::to_string(calendar::WeekOfYear(day)) + "周" + std::string(kGap) +
           DaysFromToday(day, today);
}

// The term with the minute of its moment, "冬至 04:50", cut rather than rounded as a clock
// shows it, so that it never reaches the next day; the name alone where the moment falls
// across midnight from the term's day.
std::string TermText(sys_days day, int term) {
    std::string text(calendar::SolarTermName(term));
    const auto shown = calendar::ShownSolarTerm(calendar::YearOf(day), term);
    if (!shown || shown->day != day || !shown->timeOfDay) return text;
    const hh_mm_ss<seconds> time{*shown->timeOfDay};
    text += ' ';
    calendar::AppendZeroPadded(text, time.hours().count(), 2);
    text += ':';
    calendar::AppendZeroPadded(text, time.minutes().count(), 2);
    return text;
}

}  // namespace

std::string DaysFromToday(sys_days day, sys_days today) {
    const long long n = (day - today).count();
    if (n == 0) return "今天";
    return n > 0 ? std::to_string(n) + "天后" : std::to_string(-n) + "天前";
}

std::string NineNinesCount(sys_days day) {
    const int year = calendar::YearOf(day);
    auto solstice = calendar::SolarTermDay(year, calendar::kWinterSolstice);
    if (solstice && day < *solstice)
        solstice = calendar::SolarTermDay(year - 1, calendar::kWinterSolstice);
    if (!solstice) return {};
    const long long offset = (day - *solstice).count();
    // 81 days counting the solstice as the first: the ninth nine ends 80 days after it.
    if (offset < 0 || offset > 80) return {};
    std::string nine(calendar::ChineseDigit(static_cast<int>(offset / 9) + 1));
    nine += "九";
    std::string text = nine;
    text += "第";
    text += calendar::ChineseDigit(static_cast<int>(offset % 9) + 1);
    text += "天";
    const std::string_view marker = calendar::NineNinesMarker(day, year);
    if (!marker.empty() && marker != nine) {
        text += ' ';
        text += marker;
    }
    return text;
}

std::string DayDetails(sys_days day, sys_days today, const calendar::HolidaySchedule& holidays,
                       std::string_view reminderLine) {
    std::string text = DateLine(day, today);
    const auto lunar = calendar::LunarOf(day);
    if (!lunar) {
        text += std::string(kLineBreak) + "农历日期只在1901-02-19至2100-02-08之间";
        if (!reminderLine.empty()) text += std::string(kLineBreak) + std::string(reminderLine);
        return text;
    }
    text += std::string(kLineBreak) + "农历" + calendar::ChineseYearDigits(lunar->year) + "年" +
            calendar::LunarMonthAndDayText(*lunar);
    // The year pillar follows the lunar year, as in the tools: it turns at the Spring Festival.
    text += std::string(kLineBreak) +
            calendar::YearPillar(lunar->year, calendar::PillarKind::StemBranch) + "[" +
            calendar::YearZodiac(lunar->year) + "]年 " +
            calendar::MonthPillar(day, calendar::PillarKind::StemBranch) + " " +
            calendar::DayPillar(day, calendar::PillarKind::StemBranch);

    std::vector<std::string> pieces;
    if (const int term = calendar::SolarTermIndexOn(day)) pieces.push_back(TermText(day, term));
    if (std::string festivals = calendar::DayFestivals(calendar::YearOf(day), day); !festivals.empty())
        pieces.push_back(std::move(festivals));
    if (std::string holiday = calendar::HolidayText(holidays.On(day)); !holiday.empty())
        pieces.push_back(std::move(holiday));
    if (std::string nines = NineNinesCount(day); !nines.empty()) pieces.push_back(std::move(nines));
    if (!pieces.empty()) {
        text += kLineBreak;
        for (std::size_t i = 0; i < pieces.size(); ++i)
            text += (i > 0 ? std::string(kGap) : std::string()) + pieces[i];
    }
    if (!reminderLine.empty()) text += std::string(kLineBreak) + std::string(reminderLine);
    return text;
}

}  // namespace month

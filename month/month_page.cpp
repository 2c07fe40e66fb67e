#include "month/month_page.h"

#include <vector>

#include "calendar/festivals.h"
#include "calendar/lunar.h"
#include "calendar/name_tables.h"
#include "calendar/pillars.h"
#include "calendar/range.h"
#include "calendar/seasons.h"
#include "calendar/solar_terms.h"
#include "calendar/text.h"

namespace month {

using namespace std::chrono;

namespace {

// "丙午马年": the year's stem and branch without their pinyin, and its animal.
std::string LunarYearName(int lunarYear) {
    const int position =
        calendar::JiaziPosition(calendar::YearPillar(lunarYear, calendar::PillarKind::StemBranch));
    if (position == 0) return {};
    const int stem = (position - 1) % 10 + 1;
    const int branch = (position - 1) % 12 + 1;
    return std::string(calendar::CodePointPrefix(calendar::StemName(stem), 1)) +
           std::string(calendar::CodePointPrefix(calendar::BranchName(branch), 1)) +
           calendar::YearZodiac(lunarYear) + "年";
}

std::string LunarMonthLabel(const calendar::LunarDate& date) {
    return (date.leap ? "闰" : "") + std::string(calendar::LunarMonthPlainName(date.month));
}

void AddOnce(std::vector<std::string>& list, std::string item) {
    if (list.empty() || list.back() != item) list.push_back(std::move(item));
}

std::string SlashJoined(const std::vector<std::string>& list) {
    std::string text;
    for (const std::string& item : list) text += (text.empty() ? "" : "/") + item;
    return text;
}

}  // namespace

year_month ClampMonth(year_month m) {
    return m < kFirstMonth ? kFirstMonth : (m > kLastMonth ? kLastMonth : m);
}

namespace {

struct Line {
    std::string text;
    LineKind kind = LineKind::None;
};

Line LineOf(sys_days day) {
    if (!calendar::InLunarRange(day)) return {};
    std::string festivals = calendar::DayFestivals(calendar::YearOf(day), day);
    if (!festivals.empty()) return {std::move(festivals), LineKind::Festival};
    if (const int term = calendar::SolarTermIndexOn(day))
        return {std::string(calendar::SolarTermName(term)), LineKind::Term};
    const auto lunar = calendar::LunarOf(day);
    if (!lunar) return {};
    if (lunar->day == 1) return {LunarMonthLabel(*lunar), LineKind::MonthName};
    return {std::string(calendar::LunarDayName(lunar->day)), LineKind::LunarDay};
}

}  // namespace

std::string CellLine(sys_days day) { return LineOf(day).text; }

std::string MonthHeader(year_month m) {
    std::string header = std::to_string(static_cast<int>(m.year())) + "年" +
                         std::to_string(static_cast<unsigned>(m.month())) + "月";
    std::vector<std::string> years, months;
    const sys_days firstDay{m / 1}, lastDay{m / last};
    for (sys_days d = firstDay; d <= lastDay; d += days{1}) {
        const auto lunar = calendar::LunarOf(d);
        if (!lunar) continue;
        AddOnce(years, LunarYearName(lunar->year));
        AddOnce(months, LunarMonthLabel(*lunar));
    }
    if (!years.empty()) header += " · " + SlashJoined(years) + " " + SlashJoined(months);
    return header;
}

sys_days FirstCellDay(year_month m) {
    const sys_days first{m / 1};
    return first - (weekday{first} - Sunday);
}

int RowWeek(sys_days sunday, year_month shown) {
    for (int i = 0; i < kColumns; ++i) {
        const sys_days d = sunday + days{i};
        if (calendar::MonthOf(d) == shown) return calendar::WeekOfYear(d);
    }
    return calendar::WeekOfYear(sunday);
}

MonthPage ComposeMonthPage(year_month m, sys_days today, const calendar::HolidaySchedule& holidays,
                           std::span<const DayReminder> reminders) {
    MonthPage page;
    page.month = m;
    page.header = MonthHeader(m);
    page.scheduleKnown = holidays.HasYear(static_cast<int>(m.year()));
    const sys_days first = FirstCellDay(m);
    for (int i = 0; i < kCells; ++i) {
        MonthCell& cell = page.cells[static_cast<std::size_t>(i)];
        cell.date = first + days{i};
        const year_month_day ymd{cell.date};
        cell.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
        cell.dimmed = ymd.year() / ymd.month() != m;
        cell.today = cell.date == today;
        const weekday wd{cell.date};
        cell.weekend = wd == Saturday || wd == Sunday;
        for (const DayReminder& reminder : reminders) cell.reminder |= reminder.date == cell.date;
        // Outside the lunar range a day shows its number alone.
        if (!calendar::InLunarRange(cell.date)) continue;
        Line line = LineOf(cell.date);
        cell.line = std::move(line.text);
        cell.lineKind = line.kind;
        if (const calendar::HolidayDay* holiday = holidays.On(cell.date))
            cell.badge = holiday->kind == calendar::HolidayKind::Off ? Badge::Off : Badge::Work;
    }
    for (int row = 0; row < kRows; ++row)
        page.weeks[static_cast<std::size_t>(row)] = RowWeek(first + days{row * kColumns}, m);
    return page;
}

}  // namespace month

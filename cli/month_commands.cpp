// The month view and the public holidays on the command line.
#include <algorithm>
#include <optional>
#include <ostream>

#include "calendar/festivals.h"
#include "calendar/lunar.h"
#include "calendar/name_tables.h"
#include "calendar/range.h"
#include "calendar/seasons.h"
#include "calendar/solar_terms.h"
#include "cli/arguments.h"
#include "cli/json_text.h"
#include "month/holiday_source.h"
#include "month/month_page.h"
#include "settings/user_file.h"

namespace cli {

namespace {

using calendar::sys_days;
using namespace std::chrono;

// The user's schedule from --file, or the built-in one alone. The user named the file, so a
// file that cannot be read is an error here (the program's own file may simply not exist);
// a skipped line is reported and the rest is used.
std::optional<month::Holidays> HolidaysFor(const Invocation& call, const std::string* path) {
    if (!path) return month::LoadHolidays({});
    const std::string prefix = "tavelon-cal " + std::string(call.command.name) + ": ";
    const month::HolidayFile file = settings::ReadUserFile(*path, month::kMaxHolidayFileBytes);
    if (file.state == month::HolidayFileState::TooBig) {
        call.err << prefix << QuoteArgument(*path) << " is over 1 MB, not read\n";
        return std::nullopt;
    }
    if (file.state != month::HolidayFileState::Read) {
        call.err << prefix << "cannot read " << QuoteArgument(*path) << '\n';
        return std::nullopt;
    }
    // The file's name is enough to find the line; a long path would be cut short.
    month::Holidays holidays = month::LoadHolidays(file, QuoteArgument(FileNameOf(*path)));
    for (const std::string& problem : holidays.problems) call.err << prefix << problem << '\n';
    return holidays;
}

// Columns a terminal gives a text: two for a CJK character, one for the rest it shows here.
std::size_t DisplayWidth(std::string_view utf8) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        width += length >= 3 ? 2 : 1;
        i += length;
    }
    return width;
}

void AppendPadded(std::string& out, std::string_view text, std::size_t width) {
    out += text;
    for (std::size_t w = DisplayWidth(text); w < width; ++w) out += ' ';
}

// The header, then two lines a week: the week number and each day's number (in brackets for
// the neighbouring months' days) with its badge, then each day's line.
std::string MonthGrid(const month::MonthPage& page) {
    std::size_t width = 8;
    for (const month::MonthCell& cell : page.cells)
        width = std::max(width, DisplayWidth(cell.line) + 2);
    std::string out = page.header + "\n周 ";
    for (const char* name : {"日", "一", "二", "三", "四", "五", "六"}) {
        out += "  ";
        AppendPadded(out, name, width - 1);
    }
    while (out.back() == ' ') out.pop_back();
    out += '\n';
    for (int row = 0; row < month::kRows; ++row) {
        std::string days, lines;
        const std::string week = std::to_string(page.weeks[static_cast<std::size_t>(row)]);
        days += std::string(3 - std::min<std::size_t>(week.size(), 2), ' ') + week;
        lines += "   ";
        for (int column = 0; column < month::kColumns; ++column) {
            const month::MonthCell& cell = page.cells[static_cast<std::size_t>(row * 7 + column)];
            const std::string number = std::to_string(cell.day);
            std::string day = cell.dimmed ? "(" + number + ")" : " " + number + " ";
            day.insert(0, 4 - day.size(), ' ');
            day += cell.badge == month::Badge::Off    ? "休"
                   : cell.badge == month::Badge::Work ? "班"
                                                      : "";
            days += ' ';
            AppendPadded(days, day, width);
            lines += ' ';
            AppendPadded(lines, " " + cell.line, width);
        }
        while (!days.empty() && days.back() == ' ') days.pop_back();
        while (!lines.empty() && lines.back() == ' ') lines.pop_back();
        out += days + '\n' + lines + '\n';
    }
    if (!page.scheduleKnown)
        out += calendar::NoScheduleText(static_cast<int>(page.month.year())) + '\n';
    return out;
}

template <class Text>
void AppendField(std::string& out, std::string_view key, const Text& text) {
    out += out.back() == '{' ? "\"" : ",\"";
    out += key;
    out += "\":";
    AppendJsonString(out, text);
}

// One day of the month: the keys and their order are fixed for the scripts that read them.
std::string MonthDayJson(sys_days day, const calendar::HolidaySchedule& holidays) {
    const bool lunar = calendar::InLunarRange(day);
    const int term = calendar::SolarTermIndexOn(day);
    const int year = static_cast<int>(year_month_day{day}.year());
    std::string out = "{";
    AppendField(out, "date", calendar::FormatDate(day));
    AppendField(out, "lunar", calendar::LunarDateText(day));
    AppendField(out, "line", month::CellLine(day));
    AppendField(out, "term", term > 0 ? calendar::SolarTermName(term) : std::string_view());
    AppendField(out, "festivals", lunar ? calendar::DayFestivals(year, day) : std::string());
    AppendField(out, "holiday", calendar::HolidayText(holidays.On(day)));
    out += ",\"week\":" + std::to_string(calendar::WeekOfYear(day)) + "}\n";
    return out;
}

int RunMonth(const Invocation& call) {
    ArgReader args(call);
    const auto year = args.Integer("YEAR", 1901, 2100);
    const auto monthNumber = args.Integer("MONTH", 1, 12);
    args.Options({"--file"}, {"--json"});
    const year_month shown = std::chrono::year{year.value_or(2000)} /
                             std::chrono::month{static_cast<unsigned>(monthNumber.value_or(1))};
    if (!args.failed() && !month::InMonthRange(shown))
        args.Fail("YEAR MONTH " + std::to_string(*year) + " " + std::to_string(*monthNumber) +
                  " is out of range: expected 1901 2 to 2100 2");
    if (!args.Done()) return kExitUsage;
    const auto holidays = HolidaysFor(call, args.Option("--file"));
    if (!holidays) return kExitUsage;
    if (args.Flag("--json")) {
        for (sys_days d{shown / 1}; d <= sys_days{shown / last}; d += days{1})
            call.out << MonthDayJson(d, holidays->schedule);
        return kExitOk;
    }
    // The text is the same whatever the date: no day is marked as today.
    call.out << MonthGrid(month::ComposeMonthPage(shown, sys_days{}, holidays->schedule));
    return kExitOk;
}

int RunHoliday(const Invocation& call) {
    ArgReader args(call);
    const auto date = args.Date("DATE");
    args.Options({"--file"});
    if (!args.Done()) return kExitUsage;
    const auto holidays = HolidaysFor(call, args.Option("--file"));
    if (!holidays) return kExitUsage;
    call.out << calendar::HolidayText(holidays->schedule.On(*date)) << '\n';
    return kExitOk;
}

}  // namespace

std::span<const Command> MonthCommands() {
    static constexpr Command kCommands[] = {
        {"month", "YEAR MONTH [--json] [--file F]",
         "a month as the month view shows it (1901 2 .. 2100 2); --json: one line a day", RunMonth},
        {"holiday", "DATE [--file F]", "休 or 班 and the holiday's name, or an empty line",
         RunHoliday},
    };
    return kCommands;
}

}  // namespace cli

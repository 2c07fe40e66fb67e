// interval, dayline, bazi, week and cycle: one command per tool of the tools window. The
// window's texts may hold CR LF; it is printed as the four characters \r\n so that every
// result stays on one line. The arguments keep to what the window's pickers offer
// (1601-01-01 .. 9999-12-31). The day line and the reading rest on the lunar table: for a
// day it does not cover the window has nothing to show but the range message or an empty
// line, and the command gives the range message as an error instead.
#include "cli/tools_commands.h"

#include <optional>
#include <ostream>
#include <string>

#include "calendar/date.h"
#include "calendar/moment.h"
#include "calendar/range.h"
#include "cli/arguments.h"
#include "cli/today.h"
#include "tools/day_line.h"
#include "tools/four_pillars.h"
#include "tools/interval.h"
#include "tools/picker_moment.h"
#include "tools/queries.h"

namespace cli {

namespace {

using tools::kFirstPickerYear;
using tools::kLastPickerYear;

void PrintWindowText(const Invocation& call, const std::string& text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            line += "\\r\\n";
            ++i;
        } else {
            line += text[i];
        }
    }
    call.out << line << '\n';
}

bool InPickerRange(calendar::sys_days day) {
    return day >= tools::kFirstPickerDay && day <= tools::kLastPickerDay;
}

std::string OutsidePickersProblem(std::string_view name, std::string_view text) {
    return std::string(name) + " " + QuoteArgument(text) +
           " is out of range: the pickers offer 1601-01-01 to 9999-12-31";
}

int RunInterval(const Invocation& call) {
    ArgReader args(call);
    const auto start = args.Date("DATE1");
    const auto end = args.Date("DATE2");
    if (!args.Done()) return kExitUsage;
    if (!InPickerRange(*start))
        return UsageError(call, OutsidePickersProblem("DATE1", call.args[0]));
    if (!InPickerRange(*end)) return UsageError(call, OutsidePickersProblem("DATE2", call.args[1]));
    PrintWindowText(call, tools::IntervalText(*start, *end));
    return kExitOk;
}

std::optional<tools::PickerMoment> PickerMomentOf(const calendar::Moment& moment) {
    if (!InPickerRange(moment.today)) return std::nullopt;
    return tools::PickerMoment{moment.today, moment.timeOfDay};
}

// The day the line is about, reached as the tool reaches it; nothing for a count the box
// does not read, which leaves the line empty wherever the reference lies. A moment the
// pickers do not offer lies beyond the lunar range on the side it went to.
std::optional<calendar::sys_days> DayLineDay(const tools::PickerMoment& reference,
                                             const std::string& count,
                                             tools::DayDirection direction) {
    if (!tools::IsCountText(count)) return std::nullopt;
    const double value = calendar::NumberValue(count);
    const double days = direction == tools::DayDirection::Before ? -value : value;
    if (const std::optional<tools::PickerMoment> target = tools::MomentAfter(reference, days)) {
        return target->day;
    }
    return days < 0 ? tools::kFirstPickerDay : tools::kLastPickerDay;
}

int RunDayLine(const Invocation& call) {
    ArgReader args(call);
    std::optional<tools::PickerMoment> reference;
    if (const std::string* text = args.Text("the reference moment")) {
        const auto moment = calendar::ParseMoment(*text);
        if (!moment) {
            args.Fail("invalid reference moment " + QuoteArgument(*text) +
                      ": expected \"yyyy-mm-dd hh:mm:ss\"");
        } else if (!(reference = PickerMomentOf(*moment))) {
            args.Fail(OutsidePickersProblem("moment", *text));
        }
    }
    // Any count text is what a user may type into the box; the tool itself judges it.
    const std::string* count = args.Text("COUNT");
    const std::string* side = args.Text("before or after");
    if (side && *side != "before" && *side != "after") {
        args.Fail("invalid direction " + QuoteArgument(*side) + ": expected before or after");
    }
    args.Options({}, {"--wide"});
    if (!args.Done()) return kExitUsage;
    const auto direction =
        *side == "before" ? tools::DayDirection::Before : tools::DayDirection::After;
    const std::optional<calendar::sys_days> day = DayLineDay(*reference, *count, direction);
    if (day && !CheckLunarRange(*day, call.err)) return kExitUsage;
    PrintWindowText(call, tools::DayLineText(*reference, *count, direction, args.Flag("--wide")));
    return kExitOk;
}

// The picker shows the date and the time to the minute: "yyyy-mm-dd hh:mm". The older form
// with the hour alone is minute 0, and a date alone is midnight; seconds are taken but do not
// count, as the picker has none.
std::optional<calendar::Moment> ParseDateAndHour(const std::string& text) {
    if (text.size() == 13 && text[10] == ' ') return calendar::ParseMoment(text + ":00");
    return calendar::ParseMoment(text);
}

int RunBazi(const Invocation& call) {
    ArgReader args(call);
    std::optional<calendar::Moment> moment;
    if (const std::string* text = args.Text("the date and time")) {
        moment = ParseDateAndHour(*text);
        if (!moment) {
            args.Fail("invalid date and time " + QuoteArgument(*text) +
                      ": expected \"yyyy-mm-dd hh:mm\"");
        } else if (!InPickerRange(moment->today)) {
            args.Fail(OutsidePickersProblem("date", *text));
        }
    }
    if (!args.Done()) return kExitUsage;
    if (!CheckLunarRange(moment->today, call.err)) return kExitUsage;
    PrintWindowText(call, tools::FourPillarsText(moment->today, moment->timeOfDay));
    return kExitOk;
}

int RunWeek(const Invocation& call) {
    ArgReader args(call);
    const auto year = args.Integer("YEAR", kFirstPickerYear, kLastPickerYear);
    const auto week = args.Integer("N", 1, 54);
    if (!args.Done()) return kExitUsage;
    const std::string text = tools::WeekRangeText(*year, std::to_string(*week));
    if (text.empty()) {
        return UsageError(call, std::to_string(*year) + " has no week " + std::to_string(*week));
    }
    PrintWindowText(call, text);
    return kExitOk;
}

int RunCycle(const Invocation& call) {
    ArgReader args(call);
    std::optional<int> row;
    if (const std::string* nameOrRow = args.Text("NAME-OR-ROW")) {
        if (const int named = tools::CycleRowOf(*nameOrRow)) {
            row = named;
        } else if (nameOrRow->find_first_not_of("-0123456789") != std::string::npos) {
            args.Fail("unknown stem-branch name " + QuoteArgument(*nameOrRow) +
                      ": expected a name such as 甲jiǎ子zǐ or 甲子, or a row 1 to 60");
        } else {
            row = args.IntegerOf("NAME-OR-ROW", *nameOrRow, 1, 60);
        }
    }
    args.Options({"--year"});
    std::optional<int> year;
    if (const std::string* given = args.Option("--year")) {
        year = args.IntegerOf("T", *given, kFirstPickerYear, kLastPickerYear);
    }
    if (!args.Done()) return kExitUsage;
    if (!year) {
        if (const std::optional<calendar::Moment> now = LocalMoment()) {
            year = static_cast<int>(std::chrono::year_month_day{now->today}.year());
        }
        if (!year || *year < kFirstPickerYear || *year > kLastPickerYear) {
            call.err << "tavelon-cal cycle: the current year is not available; give --year T\n";
            return kExitUsage;
        }
    }
    PrintWindowText(call, tools::CycleYearsText(*row, *year));
    return kExitOk;
}

}  // namespace

std::span<const Command> ToolsCommands() {
    static constexpr Command kCommands[] = {
        {"interval", "DATE1 DATE2", "whole years, months and days and the signed total of days",
         RunInterval},
        {"dayline", "MOMENT COUNT before|after [--wide]",
         "the day-list line of MOMENT \"yyyy-mm-dd hh:mm:ss\" and a count (--wide: date changed)",
         RunDayLine},
        {"bazi", "\"DATE HH:MM\"",
         "the four-pillar reading of a date and a time (\"DATE HH\": minute 0)", RunBazi},
        {"week", "YEAR N", "the first and last day of week N of a year", RunWeek},
        {"cycle", "NAME-OR-ROW [--year T]",
         "the last two years of a stem-branch name, with the nominal ages in year T", RunCycle},
    };
    return kCommands;
}

}  // namespace cli

// The commands that print one engine result each.
#include <ostream>
#include <string>

#include "calendar/festivals.h"
#include "calendar/whole_interval.h"
#include "calendar/lunar.h"
#include "calendar/name_tables.h"
#include "calendar/pillars.h"
#include "calendar/solar_terms.h"
#include "calendar/term_moments.h"
#include "cli/arguments.h"
#include "cli/json_text.h"
#include "cli/pillar_letters.h"

namespace cli {

namespace {

using calendar::sys_days;

int GregorianYear(sys_days date) {
    return static_cast<int>(std::chrono::year_month_day{date}.year());
}

// The lunar table gives the first day of each lunar year it holds, and that of 2100 as the
// day after its last year ends.
constexpr int kFirstSpringYear = calendar::kFirstLunarYear;
constexpr int kLastSpringYear = calendar::kLastLunarYear + 1;

std::string YearsText(int first, int last) {
    return std::to_string(first) + " to " + std::to_string(last);
}

// The engine answers for any year, clamped or empty outside its tables; an answer is only
// printed where the tables know it. The year is the command's first argument.
bool CheckYear(const Invocation& call, int year, int first, int last, std::string_view known) {
    if (year >= first && year <= last) return true;
    RangeError(call, "YEAR", call.args[0], std::string(known) + YearsText(first, last));
    return false;
}

bool CheckSpringYear(const Invocation& call, int year) {
    return CheckYear(call, year, kFirstSpringYear, kLastSpringYear,
                     "the lunar table gives the Spring Festivals of ");
}

bool CheckTermYear(const Invocation& call, int year) {
    return CheckYear(call, year, calendar::kFirstTermYear, calendar::kLastTermYear,
                     "the solar terms are known for ");
}

// KIND, one of a pillar's letters.
std::optional<calendar::PillarKind> ReadKind(ArgReader& args, std::string_view letters) {
    const auto letter = args.Kind("KIND", letters);
    return letter ? PillarKindOf(*letter, letters) : std::nullopt;
}

int RunLunar(const Invocation& call) {
    ArgReader args(call);
    const auto date = args.Date("DATE");
    if (!args.Done()) return kExitUsage;
    if (!CheckLunarRange(*date, call.err)) return kExitUsage;
    call.out << calendar::LunarDateText(*date) << '\n';
    return kExitOk;
}

int RunSpring(const Invocation& call) {
    ArgReader args(call);
    const auto year = args.Year("YEAR");
    if (!args.Done()) return kExitUsage;
    if (!CheckSpringYear(call, *year)) return kExitUsage;
    call.out << calendar::SpringFestivalDate(*year) << '\n';
    return kExitOk;
}

int RunTerm(const Invocation& call) {
    ArgReader args(call);
    const auto year = args.Year("YEAR");
    const auto index = args.Integer("INDEX", 1, calendar::kTermCount);
    if (!args.Done()) return kExitUsage;
    if (!CheckTermYear(call, *year)) return kExitUsage;
    call.out << calendar::SolarTermDate(*year, *index) << '\n';
    return kExitOk;
}

int RunTerms(const Invocation& call) {
    ArgReader args(call);
    const auto year = args.Year("YEAR");
    if (!args.Done()) return kExitUsage;
    if (!CheckTermYear(call, *year)) return kExitUsage;
    for (int index = 1; index <= calendar::kTermCount; ++index) {
        call.out << index << '\t' << calendar::SolarTermName(index) << '\t'
                 << calendar::SolarTermDate(*year, index) << '\n';
    }
    return kExitOk;
}

// One term a line, its moment as "yyyy-mm-dd hh:mm:ss"; --json: one object a line, the time
// "" where the day is shown alone.
int RunMoments(const Invocation& call) {
    ArgReader args(call);
    const auto year = args.Year("YEAR");
    args.Options({}, {"--json"});
    if (!args.Done()) return kExitUsage;
    if (!CheckTermYear(call, *year)) return kExitUsage;
    const bool json = args.Flag("--json");
    for (int index = 1; index <= calendar::kTermCount; ++index) {
        const std::string text = calendar::ShownSolarTermText(*year, index);
        if (!json) {
            call.out << index << '\t' << calendar::SolarTermName(index) << '\t' << text << '\n';
            continue;
        }
        const std::size_t blank = text.find(' ');
        std::string line = "{\"index\":" + std::to_string(index) + ",\"name\":";
        AppendJsonString(line, calendar::SolarTermName(index));
        line += ",\"date\":";
        AppendJsonString(line, std::string_view(text).substr(0, blank));
        line += ",\"time\":";
        AppendJsonString(line, blank == std::string::npos ? std::string_view()
                                                          : std::string_view(text).substr(blank + 1));
        call.out << line << "}\n";
    }
    return kExitOk;
}

int RunYearPillar(const Invocation& call) {
    ArgReader args(call);
    const auto year = args.Year("YEAR");
    const auto kind = ReadKind(args, kYearLetters);
    if (!args.Done() || !kind) return kExitUsage;
    call.out << calendar::YearPillar(*year, *kind) << '\n';
    return kExitOk;
}

int RunMonthPillar(const Invocation& call) {
    ArgReader args(call);
    const auto date = args.Date("DATE");
    const auto kind = ReadKind(args, kMonthLetters);
    if (!args.Done() || !kind) return kExitUsage;
    // A date's month follows the 节 terms of its own Gregorian year alone: before 小寒 it is
    // the 子 month, whatever the year before holds.
    const int year = GregorianYear(*date);
    if (year < calendar::kFirstTermYear || year > calendar::kLastTermYear) {
        return RangeError(call, "DATE", call.args[0],
                          "the solar terms that open the months are known for " +
                              std::to_string(calendar::kFirstTermYear) + "-01-01 to " +
                              std::to_string(calendar::kLastTermYear) + "-12-31");
    }
    call.out << calendar::MonthPillar(*date, *kind) << '\n';
    return kExitOk;
}

int RunDayHourPillar(const Invocation& call) {
    ArgReader args(call);
    const auto date = args.Date("DATE");
    const auto hour = args.Integer("HOUR", 0, 23);
    const auto minute = args.Integer("MINUTE", 0, 59);
    // The day's letters and the hour's have none in common.
    const auto letter = args.Kind("KIND", std::string(kDayLetters) + std::string(kHourLetters));
    if (!args.Done()) return kExitUsage;
    const std::chrono::minutes time = std::chrono::hours{*hour} + std::chrono::minutes{*minute};
    if (const auto dayKind = PillarKindOf(*letter, kDayLetters)) {
        call.out << calendar::DayPillar(*date, *dayKind) << '\n';
    } else if (const auto hourKind = PillarKindOf(*letter, kHourLetters)) {
        call.out << calendar::HourPillar(*date, time, *hourKind) << '\n';
    }
    return kExitOk;
}

int RunZodiac(const Invocation& call) {
    ArgReader args(call);
    const auto year = args.Year("YEAR");
    if (!args.Done()) return kExitUsage;
    call.out << calendar::YearZodiac(*year) << '\n';
    return kExitOk;
}

int RunFestivals(const Invocation& call) {
    ArgReader args(call);
    const auto date = args.Date("DATE");
    if (!args.Done()) return kExitUsage;
    if (!CheckLunarRange(*date, call.err)) return kExitUsage;
    call.out << calendar::DayFestivals(GregorianYear(*date), *date) << '\n';
    return kExitOk;
}

int RunWhole(const Invocation& call) {
    ArgReader args(call);
    const auto first = args.Date("DATE1");
    const auto second = args.Date("DATE2");
    if (!args.Done()) return kExitUsage;
    const calendar::WholeSpan span = calendar::WholeIntervalOf(*first, *second);
    call.out << span.years << ' ' << span.months << ' ' << span.days << '\n';
    return kExitOk;
}

}  // namespace

std::span<const Command> CalendarCommands() {
    static constexpr Command kCommands[] = {
        {"lunar", "DATE", "the lunar date of a day, yyyy-mm-dd or yyyy-闰mm-dd", RunLunar},
        {"spring", "YEAR", "the Spring Festival that opens a lunar year", RunSpring},
        {"term", "YEAR INDEX", "the date of solar term INDEX (1 立春 .. 24 大寒)", RunTerm},
        {"terms", "YEAR", "the 24 solar terms of a year: index, name, date", RunTerms},
        {"moments", "YEAR [--json]",
         "the 24 solar terms with their moments in Beijing time", RunMoments},
        {"pillar year", "YEAR KIND", "the year pillar (KIND D, W, F, L)", RunYearPillar},
        {"pillar month", "DATE KIND", "the month pillar (KIND D, W, F, L)", RunMonthPillar},
        {"pillar dayhour", "DATE HOUR MINUTE KIND",
         "the day pillar (KIND D, W, F, N) or the hour pillar (T, X, V, L)", RunDayHourPillar},
        {"zodiac", "YEAR", "the zodiac animal of a year", RunZodiac},
        {"festivals", "DATE", "the festivals of a day", RunFestivals},
        {"whole", "DATE1 DATE2", "whole years, months and days between two days", RunWhole},
    };
    return kCommands;
}

}  // namespace cli

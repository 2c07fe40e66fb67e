// The commands that print one engine result each.
#include <ostream>

#include "calendar/festivals.h"
#include "calendar/whole_interval.h"
#include "calendar/lunar.h"
#include "calendar/name_tables.h"
#include "calendar/pillars.h"
#include "calendar/solar_terms.h"
#include "cli/arguments.h"

namespace cli {

namespace {

using calendar::sys_days;

int GregorianYear(sys_days date) {
    return static_cast<int>(std::chrono::year_month_day{date}.year());
}

int RunLunar(const Invocation& call) {
    ArgReader args(call);
    const auto date = args.Date("DATE");
    if (!args.Done()) return kExitUsage;
    if (!CheckLunarRange(*date, call.err)) return kExitUsage;
    call.out << calendar::LunarDateTextOf(*date) << '\n';
    return kExitOk;
}

int RunSpring(const Invocation& call) {
    ArgReader args(call);
    const auto year = args.Year("YEAR");
    if (!args.Done()) return kExitUsage;
    call.out << calendar::SpringFestivalDate(*year) << '\n';
    return kExitOk;
}

// A year without term dates prints an empty line: the engine has no dates for it, and an
// empty result is how that travels everywhere else.
int RunTerm(const Invocation& call) {
    ArgReader args(call);
    const auto year = args.Year("YEAR");
    const auto index = args.Integer("INDEX", 1, calendar::kTermCount);
    if (!args.Done()) return kExitUsage;
    call.out << calendar::SolarTermDate(*year, *index) << '\n';
    return kExitOk;
}

int RunTerms(const Invocation& call) {
    ArgReader args(call);
    const auto year = args.Year("YEAR");
    if (!args.Done()) return kExitUsage;
    for (int index = 1; index <= calendar::kTermCount; ++index) {
        call.out << index << '\t' << calendar::SolarTermName(index) << '\t'
                 << calendar::SolarTermDate(*year, index) << '\n';
    }
    return kExitOk;
}

int RunYearPillar(const Invocation& call) {
    ArgReader args(call);
    const auto year = args.Year("YEAR");
    const auto kind = args.Kind("KIND", "DWFL");
    if (!args.Done()) return kExitUsage;
    call.out << calendar::YearPillar(*year, *kind) << '\n';
    return kExitOk;
}

int RunMonthPillar(const Invocation& call) {
    ArgReader args(call);
    const auto date = args.Date("DATE");
    const auto kind = args.Kind("KIND", "DWFL");
    if (!args.Done()) return kExitUsage;
    call.out << calendar::MonthPillar(*date, *kind) << '\n';
    return kExitOk;
}

int RunDayHourPillar(const Invocation& call) {
    ArgReader args(call);
    const auto date = args.Date("DATE");
    const auto hour = args.Integer("HOUR", 0, 23);
    const auto minute = args.Integer("MINUTE", 0, 59);
    const auto kind = args.Kind("KIND", "DWFNTXVL");
    if (!args.Done()) return kExitUsage;
    call.out << calendar::DayHourPillar(*date, *hour, *minute, *kind) << '\n';
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

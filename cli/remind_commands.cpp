// The reminders and the iCalendar export on the command line.
#include <ostream>

#include "calendar/date.h"
#include "calendar/range.h"
#include "cli/arguments.h"
#include "cli/user_paths.h"
#include "month/holiday_source.h"
#include "remind/ics.h"
#include "remind/reminders_file.h"
#include "settings/user_file.h"

namespace cli {

namespace {

using namespace std::chrono;

constexpr int kDefaultDaysAhead = 30;
constexpr int kMaxDays = 3660;

std::string Prefix(const Invocation& call) {
    return "tavelon-cal " + std::string(call.command.name) + ": ";
}

// A user's file as the command needs it: read, or an error said (and nothing on Absent when
// the file is optional).
std::optional<std::string> ReadFileFor(const Invocation& call, const std::string& path,
                                       bool optional) {
    const calendar::UserFile file = settings::ReadUserFile(path);
    if (file.state == calendar::UserFileState::Read) return file.text;
    if (file.state == calendar::UserFileState::Absent && optional) return std::string();
    if (file.state == calendar::UserFileState::TooBig) {
        call.err << Prefix(call) << QuoteArgument(path) << " is over 1 MB, not read\n";
    } else {
        call.err << Prefix(call) << "cannot read " << QuoteArgument(path) << '\n';
    }
    return std::nullopt;
}

// The reminders file, its unreadable lines named on stderr.
std::optional<remind::ReminderFile> RemindersFor(const Invocation& call, const std::string* given,
                                                 bool optional) {
    const std::string path = given ? *given : DefaultRemindersPath();
    if (path.empty()) {
        if (optional) return remind::ReminderFile{};
        call.err << Prefix(call) << "no reminders file: give one with --file\n";
        return std::nullopt;
    }
    const auto text = ReadFileFor(call, path, optional && !given);
    if (!text) return std::nullopt;
    remind::ReminderFile file = remind::ParseReminderFile(*text);
    const std::string name = QuoteArgument(FileNameOf(path));
    for (const remind::LineError& error : file.errors)
        call.err << Prefix(call) << name << ' ' << remind::LineProblemText(error) << "，已跳过\n";
    return file;
}

void PrintOccurrences(const Invocation& call, const remind::ReminderFile& file,
                      const std::vector<remind::Occurrence>& occurrences,
                      std::optional<calendar::sys_days> from) {
    const std::vector<remind::Reminder> reminders = file.Reminders();
    const std::vector<std::string> rules = file.RuleFields();
    std::string out;
    for (const remind::Occurrence& o : occurrences) {
        out += calendar::FormatDate(o.date);
        out += '\t';
        out += reminders[o.index].name;
        out += '\t';
        out += rules[o.index];
        if (from) {
            const int ahead = static_cast<int>((o.date - *from).count());
            out += '\t';
            out += ahead == 0 ? std::string("今天") : std::to_string(ahead) + "天后";
        }
        out += '\n';
    }
    call.out << out;
}

int RunRemindYear(const Invocation& call) {
    ArgReader args(call);
    const auto year = args.Year("YEAR");
    args.Options({"--file"});
    if (!args.Done()) return kExitUsage;
    if (*year < calendar::kFirstTermYear || *year > calendar::kLastTermYear)
        return RangeError(call, "YEAR", call.args[0], "expected 1901 to 2100");
    const auto file = RemindersFor(call, args.Option("--file"), false);
    if (!file) return kExitUsage;
    const std::vector<remind::Reminder> reminders = file->Reminders();
    PrintOccurrences(call, *file, remind::OccurrencesInYear(reminders, *year), std::nullopt);
    return kExitOk;
}

int RunRemindNext(const Invocation& call) {
    ArgReader args(call);
    const auto date = args.Date("DATE");
    args.Options({"--days", "--file"});
    std::optional<int> days = kDefaultDaysAhead;
    if (const std::string* text = args.Option("--days"))
        days = args.IntegerOf("N", *text, 0, kMaxDays);
    if (!args.Done()) return kExitUsage;
    const int year = static_cast<int>(year_month_day{*date}.year());
    if (year < calendar::kFirstTermYear || year > calendar::kLastTermYear)
        return RangeError(call, "DATE", call.args[0], "expected 1901-01-01 to 2100-12-31");
    const auto file = RemindersFor(call, args.Option("--file"), false);
    if (!file) return kExitUsage;
    const std::vector<remind::Reminder> reminders = file->Reminders();
    PrintOccurrences(call, *file, remind::OccurrencesFrom(reminders, *date, *days), *date);
    return kExitOk;
}

int RunIcs(const Invocation& call) {
    ArgReader args(call);
    const auto from = args.Year("FROM-YEAR");
    const auto to = args.Year("TO-YEAR");
    args.Options({"--reminders", "--holidays"}, {"--no-festivals", "--no-terms", "--no-holidays"});
    if (!args.failed() && *to < *from)
        args.Fail("TO-YEAR " + std::to_string(*to) + " is before FROM-YEAR " +
                  std::to_string(*from));
    if (!args.Done()) return kExitUsage;
    for (std::size_t i = 0; i < 2; ++i) {
        const int year = i == 0 ? *from : *to;
        if (year < calendar::kFirstTermYear || year > calendar::kLastTermYear)
            return RangeError(call, i == 0 ? "FROM-YEAR" : "TO-YEAR", call.args[i],
                              "expected 1901 to 2100");
    }
    const auto reminders = RemindersFor(call, args.Option("--reminders"), true);
    if (!reminders) return kExitUsage;
    std::optional<month::Holidays> holidays = month::LoadHolidays({});
    if (const std::string* path = args.Option("--holidays")) {
        const auto text = ReadFileFor(call, *path, false);
        if (!text) return kExitUsage;
        holidays = month::LoadHolidays({calendar::UserFileState::Read, *text},
                                       QuoteArgument(FileNameOf(*path)));
        for (const std::string& problem : holidays->problems)
            call.err << Prefix(call) << problem << '\n';
    }
    const std::vector<remind::Reminder> list = reminders->Reminders();
    remind::IcsRequest request;
    request.fromYear = *from;
    request.toYear = *to;
    request.festivals = !args.Flag("--no-festivals");
    request.terms = !args.Flag("--no-terms");
    request.holidays = args.Flag("--no-holidays") ? nullptr : &holidays->schedule;
    request.reminders = list;
    request.stamp = floor<seconds>(system_clock::now());
    call.out << remind::CalendarIcs(request);
    return kExitOk;
}

}  // namespace

std::span<const Command> RemindCommands() {
    static constexpr Command kCommands[] = {
        {"remind", "YEAR [--file F]",
         "every reminder's day in a year (1901 .. 2100): date, name, rule", RunRemindYear},
        {"remind next", "DATE [--days N] [--file F]",
         "the reminders from DATE within N days (default 30), with 今天 or N天后", RunRemindNext},
        // The options are listed in the summary: in the synopsis they would widen the whole
        // help's command column.
        {"ics", "FROM-YEAR TO-YEAR [OPTIONS]",
         "an iCalendar file of the festivals, holidays, terms and reminders; OPTIONS: "
         "--reminders F, --holidays F, --no-festivals, --no-terms, --no-holidays",
         RunIcs},
    };
    return kCommands;
}

}  // namespace cli

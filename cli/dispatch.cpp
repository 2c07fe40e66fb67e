#include <algorithm>
#include <ostream>

#include "cli/arguments.h"
#include "cli/face_commands.h"
#include "cli/tavelon_cal.h"
#include "cli/today.h"

namespace cli {

namespace {

constexpr std::string_view kHelpHeader =
    "usage: tavelon-cal [COMMAND [ARGUMENTS]]\n"
    "\n"
    "Without a command, tavelon-cal shows the sticker's main face for the local time.\n"
    "\n"
    "Commands:\n";

constexpr std::string_view kHelpFooter =
    "\n"
    "DATE is yyyy-mm-dd (or yyyy-m-d). An answer that rests on the lunar table or the solar\n"
    "terms is given only where they reach: lunar, festivals, sweep, today, dayline and bazi\n"
    "take the days 1901-02-19 to 2100-02-08; spring the years 1901 to 2100; term, terms and\n"
    "moments the years 1901 to 2100; pillar month the days 1901-01-01 to 2100-12-31.\n"
    "pillar year, pillar dayhour, zodiac and whole answer for any date; face shows what the\n"
    "sticker shows, its range message included.\n"
    "KIND picks the text of a pillar: D stems and branches, W elements, F directions,\n"
    "L nayin (for dayhour: the hour's nayin), N the day's nayin, T the hour with its\n"
    "description, X the hour's elements, V the hour's directions.\n"
    "\n"
    "Exit status: 0 on success, 2 for a bad argument or one outside its command's range\n"
    "(one line naming the range), 1 when the output could not be written.\n";

std::size_t WordCount(std::string_view name) {
    return static_cast<std::size_t>(std::count(name.begin(), name.end(), ' ')) + 1;
}

std::string_view FirstWord(std::string_view name) { return name.substr(0, name.find(' ')); }

// Whether the command's words are the first words of args.
bool NameMatches(std::string_view name, std::span<const std::string> args) {
    std::size_t i = 0;
    while (true) {
        const std::size_t space = name.find(' ');
        if (i >= args.size() || args[i] != name.substr(0, space)) return false;
        if (space == std::string_view::npos) return true;
        name.remove_prefix(space + 1);
        ++i;
    }
}

template <class Visit>
void ForEachCommand(std::span<const CommandGroup> groups, Visit visit) {
    for (const CommandGroup group : groups) {
        for (const Command& command : group()) visit(command);
    }
}

// "pillar" alone, or "pillar" followed by a word that names none of its forms.
int ReportIncompleteName(std::span<const CommandGroup> groups, std::span<const std::string> args,
                         std::ostream& err) {
    std::string forms;
    std::string usage;
    ForEachCommand(groups, [&](const Command& c) {
        if (FirstWord(c.name) != args[0]) return;
        const std::string_view rest = c.name.substr(std::min(c.name.size(), args[0].size() + 1));
        forms += forms.empty() ? "" : ", ";
        forms += FirstWord(rest);
        usage += UsageLine(c) + '\n';
    });
    err << "tavelon-cal " << args[0] << ": ";
    if (args.size() < 2) {
        err << "missing the form (" << forms << ")\n";
    } else {
        err << "unknown form " << QuoteArgument(args[1]) << ": expected " << forms << '\n';
    }
    err << usage;
    return kExitUsage;
}

int RunHelp(const Invocation& call) {
    if (!call.args.empty()) {
        return UsageError(call, "unexpected argument " + QuoteArgument(call.args[0]));
    }
    call.out << UsageText(CommandGroups());
    return kExitOk;
}

}  // namespace

std::span<const Command> HelpCommands() {
    static constexpr Command kCommands[] = {
        {"help", "", "show this text", RunHelp},
        {"--help", "", "the same", RunHelp},
    };
    return kCommands;
}

std::string UsageLine(const Command& command) {
    std::string line = "usage: tavelon-cal ";
    line += command.name;
    if (!command.synopsis.empty()) {
        line += ' ';
        line += command.synopsis;
    }
    return line;
}

std::string UsageText(std::span<const CommandGroup> groups) {
    std::size_t width = 0;
    ForEachCommand(groups, [&](const Command& c) {
        width = std::max(width, c.name.size() + 1 + c.synopsis.size());
    });
    std::string text(kHelpHeader);
    ForEachCommand(groups, [&](const Command& c) {
        std::string call = std::string(c.name) + (c.synopsis.empty() ? "" : " ");
        call += c.synopsis;
        call.resize(width, ' ');
        text += "  " + call + "  " + std::string(c.summary) + '\n';
    });
    text += kHelpFooter;
    return text;
}

int RunCommands(std::span<const CommandGroup> groups, std::span<const std::string> args,
                std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << "tavelon-cal: missing command\n" << UsageText(groups);
        return kExitUsage;
    }
    const Command* best = nullptr;
    bool firstWordKnown = false;
    ForEachCommand(groups, [&](const Command& c) {
        if (FirstWord(c.name) == args[0]) firstWordKnown = true;
        if (NameMatches(c.name, args) && (!best || WordCount(c.name) > WordCount(best->name))) {
            best = &c;
        }
    });
    if (!best) {
        if (firstWordKnown) return ReportIncompleteName(groups, args, err);
        err << "tavelon-cal: unknown command " << QuoteArgument(args[0]) << '\n'
            << UsageText(groups);
        return kExitUsage;
    }
    return best->run(Invocation{*best, args.subspan(WordCount(best->name)), out, err});
}

int RunTavelonCal(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return RunMainFaceNow(out, err);
    return RunCommands(CommandGroups(), args, out, err);
}

}  // namespace cli

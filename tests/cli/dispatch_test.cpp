#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "tests/cli/run_cli.h"

namespace {

// What each demo command saw, so that the test can tell which one ran with which words.
std::string lastRun;

int RecordArgs(const cli::Invocation& call, std::string_view who) {
    lastRun = std::string(who) + ":";
    for (const std::string& arg : call.args) lastRun += " " + arg;
    call.out << lastRun << '\n';
    return 7;
}

std::span<const cli::Command> DemoCommands() {
    static constexpr cli::Command kCommands[] = {
        {"demo", "[WORDS]", "the short form",
         [](const cli::Invocation& c) { return RecordArgs(c, "demo"); }},
        {"demo deep", "WORD", "the long form",
         [](const cli::Invocation& c) { return RecordArgs(c, "deep"); }},
    };
    return kCommands;
}

std::span<const cli::Command> OtherGroup() {
    static constexpr cli::Command kCommands[] = {
        {"other", "", "from a second file",
         [](const cli::Invocation& c) { return RecordArgs(c, "other"); }},
    };
    return kCommands;
}

constexpr cli::CommandGroup kDemoTable[] = {DemoCommands, OtherGroup};

int RunDemo(const std::vector<std::string>& args, std::string* out = nullptr) {
    std::ostringstream o;
    std::ostringstream e;
    const int status = cli::RunCommands(kDemoTable, args, o, e);
    if (out) *out = o.str();
    return status;
}

TEST(CommandTable, LongestMatchingNameWinsAndGetsTheRestOfTheWords) {
    EXPECT_EQ(RunDemo({"demo", "deep", "x"}), 7);
    EXPECT_EQ(lastRun, "deep: x");
    EXPECT_EQ(RunDemo({"demo", "shallow", "x"}), 7);
    EXPECT_EQ(lastRun, "demo: shallow x");
    EXPECT_EQ(RunDemo({"demo"}), 7);
    EXPECT_EQ(lastRun, "demo:");
    EXPECT_EQ(RunDemo({"other"}), 7);
    EXPECT_EQ(lastRun, "other:");
}

TEST(CommandTable, NoWordsOrUnknownWordsAreUsageErrors) {
    std::string out;
    EXPECT_EQ(RunDemo({}, &out), cli::kExitUsage);
    EXPECT_EQ(RunDemo({"deep"}, &out), cli::kExitUsage);
    EXPECT_EQ(out, "");
}

TEST(CommandTable, HelpListsEveryGroupInOrderWithAlignedSummaries) {
    const std::string text = cli::UsageText(kDemoTable);
    EXPECT_NE(text.find("  demo [WORDS]    the short form\n"
                        "  demo deep WORD  the long form\n"
                        "  other           from a second file\n"),
              std::string::npos)
        << text;
}

// Commands are added from several files; a repeated or empty name would silently shadow
// another command.
TEST(CommandTable, ProgramNamesAreUniqueAndComplete) {
    std::set<std::string_view> names;
    for (const cli::CommandGroup group : cli::CommandGroups()) {
        for (const cli::Command& command : group()) {
            EXPECT_FALSE(command.name.empty());
            EXPECT_NE(command.run, nullptr) << command.name;
            EXPECT_FALSE(command.summary.empty()) << command.name;
            EXPECT_TRUE(names.insert(command.name).second) << "twice: " << command.name;
        }
    }
}

TEST(HelpCommand, PrintsTheUsageOnStandardOutput) {
    for (const char* word : {"help", "--help"}) {
        const CliRun run = RunCli({word});
        EXPECT_EQ(run.status, cli::kExitOk);
        EXPECT_EQ(run.out, cli::UsageText(cli::CommandGroups()));
        EXPECT_EQ(run.err, "");
        for (const char* line : {"  lunar DATE ", "  pillar dayhour DATE HOUR MINUTE KIND ",
                                 "  whole DATE1 DATE2 ", "  sweep FROM TO "}) {
            EXPECT_NE(run.out.find(line), std::string::npos) << line;
        }
    }
}

}  // namespace

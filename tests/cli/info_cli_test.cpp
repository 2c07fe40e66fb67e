#include "cli/info_commands.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "info/about_text.h"
#include "info/notes_text.h"

namespace {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

Result RunInfo(std::vector<std::string> args) {
    static constexpr cli::CommandGroup kGroups[] = {cli::InfoCommands};
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunCommands(kGroups, args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(std::string_view text, std::string_view separator) {
    std::vector<std::string> lines;
    while (true) {
        const std::size_t at = text.find(separator);
        lines.emplace_back(text.substr(0, at));
        if (at == std::string_view::npos) return lines;
        text.remove_prefix(at + separator.size());
    }
}

// The terminal's lines: every line ends in "\n", none carries a carriage return.
std::vector<std::string> TerminalLines(const std::string& out) {
    EXPECT_TRUE(out.ends_with('\n'));
    EXPECT_EQ(out.find('\r'), std::string::npos);
    return Lines(std::string_view(out).substr(0, out.size() - 1), "\n");
}

TEST(InfoCommands, NotesPrintsTheNotesLineByLine) {
    const Result r = RunInfo({"notes"});
    EXPECT_EQ(r.status, cli::kExitOk);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(TerminalLines(r.out), Lines(info::NotesText(), "\r\n"));
    EXPECT_TRUE(r.out.starts_with("01、"));
}

TEST(InfoCommands, AboutPrintsTheAboutTextThenAnEmptyLineThenTheChangeLog) {
    const Result r = RunInfo({"about"});
    EXPECT_EQ(r.status, cli::kExitOk);
    EXPECT_EQ(r.err, "");
    std::vector<std::string> expected = Lines(info::AboutText(), "\r\n");
    expected.emplace_back();
    for (std::string& line : Lines(info::ChangeLogText(), "\r\n")) expected.push_back(line);
    EXPECT_EQ(TerminalLines(r.out), expected);
}

TEST(InfoCommands, AnExtraArgumentIsAUsageErrorWithNothingOnTheOutput) {
    for (const char* command : {"notes", "about"}) {
        const Result r = RunInfo({command, "\x1b[2J"});
        EXPECT_EQ(r.status, cli::kExitUsage) << command;
        EXPECT_EQ(r.out, "") << command;
        EXPECT_NE(r.err.find("unexpected argument"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(std::string("usage: tavelon-cal ") + command), std::string::npos)
            << r.err;
        EXPECT_EQ(r.err.find('\x1b'), std::string::npos) << "the argument is quoted safely";
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli/arguments.h"
#include "tests/cli/run_cli.h"

namespace {

namespace fs = std::filesystem;

// A file under a UTF-8 name on every system; a plain string would pass through the Windows
// code page.
class RemindersFile {
public:
    explicit RemindersFile(const std::string& text, const std::string& name = "提醒.txt")
        : folder_(fs::temp_directory_path() /
                  ("tavelon-remind-" +
                   std::to_string(reinterpret_cast<std::uintptr_t>(this) % 100000))),
          path_(folder_ / fs::path(std::u8string(name.begin(), name.end()))) {
        fs::create_directories(folder_);
        std::ofstream(path_, std::ios::binary) << text;
    }
    ~RemindersFile() { fs::remove_all(folder_); }
    std::string path() const {
        const std::u8string utf8 = path_.u8string();
        return {utf8.begin(), utf8.end()};
    }

private:
    fs::path folder_;
    fs::path path_;
};

const char* const kReminders =
    "农历03-15\t妈妈生日\t提前3天\r\n"
    "公历05-20\t结婚纪念日\r\n"
    "农历12-30\t除夕\r\n"
    "2027-01-15\t体检\r\n"
    "农历13-01\t坏\r\n";

TEST(RemindCommand, ListsAYearInDateOrderAndNamesTheLinesItSkipped) {
    const RemindersFile file(kReminders);
    const CliRun run = RunCli({"remind", "2027", "--file", file.path()});
    EXPECT_EQ(run.status, cli::kExitOk);
    EXPECT_EQ(run.out,
              "2027-01-15\t体检\t2027-01-15\n"
              "2027-02-05\t除夕\t农历12-30\n"  // 腊月 of that year has 29 days
              "2027-04-21\t妈妈生日\t农历03-15\n"
              "2027-05-20\t结婚纪念日\t公历05-20\n");
    EXPECT_EQ(run.err, "tavelon-cal remind: \"提醒.txt\" 第5行：日期不存在，已跳过\n");
}

TEST(RemindCommand, NextCountsTheDaysAndStopsAfterN) {
    const RemindersFile file(kReminders);
    const CliRun run =
        RunCli({"remind", "next", "2027-01-15", "--days", "21", "--file", file.path()});
    EXPECT_EQ(run.status, cli::kExitOk);
    EXPECT_EQ(run.out, "2027-01-15\t体检\t2027-01-15\t今天\n2027-02-05\t除夕\t农历12-30\t21天后\n");
    EXPECT_EQ(RunCli({"remind", "next", "2027-01-16", "--days", "19", "--file", file.path()}).out,
              "");
}

TEST(RemindCommand, AFileThatCannotBeOpenedIsStatusTwo) {
    const CliRun missing = RunCli({"remind", "2027", "--file", "/nonexistent/reminders.txt"});
    EXPECT_EQ(missing.status, cli::kExitUsage);
    EXPECT_EQ(missing.err, "tavelon-cal remind: cannot read \"/nonexistent/reminders.txt\"\n");
    const CliRun folder =
        RunCli({"remind", "next", "2027-01-01", "--file", fs::temp_directory_path().string()});
    EXPECT_EQ(folder.status, cli::kExitUsage);
    EXPECT_EQ(RunCli({"remind", "2101", "--file", "x"}).err,
              "tavelon-cal remind: YEAR \"2101\" is out of range: expected 1901 to 2100\n");
}

// The separators that end a line in a script's reader are escaped in JSON.
TEST(MonthCommand, JsonEscapesTheLineAndParagraphSeparators) {
    const RemindersFile file("2027-02-06\t休\t春\xE2\x80\xA8节\xE2\x80\xA9\n", "holidays.txt");
    const CliRun run = RunCli({"month", "2027", "2", "--json", "--file", file.path()});
    EXPECT_NE(run.out.find("\"holiday\":\"休 春\\u2028节\\u2029\""), std::string::npos) << run.out;
}

}  // namespace

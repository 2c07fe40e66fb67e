#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli/arguments.h"
#include "tests/cli/run_cli.h"

namespace {

namespace fs = std::filesystem;

// A user's schedule file for one test, removed at its end.
class ScheduleFile {
public:
    explicit ScheduleFile(const std::string& text)
        : path_(fs::temp_directory_path() /
                ("tavelon-" + std::to_string(reinterpret_cast<std::uintptr_t>(this) % 100000) +
                 ".txt")) {
        std::ofstream(path_, std::ios::binary) << text;
    }
    ~ScheduleFile() { fs::remove(path_); }
    std::string path() const { return path_.string(); }
    std::string name() const { return path_.filename().string(); }

private:
    fs::path path_;
};

std::size_t LineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(MonthCommand, PrintsTheMonthAsAGridWithDaysOffAndMakeUpDays) {
    const CliRun run = RunCli({"month", "2026", "2"});
    EXPECT_EQ(run.status, cli::kExitOk);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "2026年2月 · 乙巳蛇年/丙午马年 腊月/正月\n"
              "周   日       一       二       三       四       五       六\n"
              "  6   1        2        3        4        5        6        7\n"
              "     十四     十五     十六     立春     十八     十九     二十\n"
              "  7   8        9       10       11       12       13       14 班\n"
              "     廿一     廿二     小年     廿四     廿五     廿六     情人\n"
              "  8  15 休    16 休    17 休    18 休    19 休    20 休    21 休\n"
              "     廿八     除夕     春节     雨水     初三     初四     初五\n"
              "  9  22 休    23 休    24       25       26       27       28 班\n"
              "     初六     初七     初八     初九     初十     十一     十二\n"
              " 10  (1)      (2)      (3)      (4)      (5)      (6)      (7)\n"
              "     十三     十四     上元     十六     惊蛰     十八     十九\n"
              " 11  (8)      (9)     (10)     (11)     (12)     (13)     (14)\n"
              "     妇女     廿一     廿二     廿三     植树     廿五     廿六\n");
}

TEST(MonthCommand, WidensItsColumnsForLongLinesAndSaysWhenAYearHasNoSchedule) {
    const CliRun run = RunCli({"month", "2033", "12"});
    EXPECT_EQ(run.status, cli::kExitOk);
    EXPECT_NE(run.out.find("\n     二十         廿一         南京大屠杀   廿三"), std::string::npos)
        << run.out;
    EXPECT_TRUE(run.out.ends_with("\n暂无2033年放假安排\n"));
}

TEST(MonthCommand, JsonIsOneLinePerDayWithTheFixedKeys) {
    const CliRun run = RunCli({"month", "2026", "2", "--json"});
    EXPECT_EQ(run.status, cli::kExitOk);
    EXPECT_EQ(LineCount(run.out), 28u);
    EXPECT_TRUE(run.out.starts_with("{\"date\":\"2026-02-01\","));
    EXPECT_NE(run.out.find("{\"date\":\"2026-02-17\",\"lunar\":\"2026-01-01\",\"line\":\"春节\","
                           "\"term\":\"\",\"festivals\":\"春节\",\"holiday\":\"休 春节\","
                           "\"week\":8}\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("{\"date\":\"2026-02-18\",\"lunar\":\"2026-01-02\",\"line\":\"雨水\","
                           "\"term\":\"雨水\",\"festivals\":\"\",\"holiday\":\"休 春节\","
                           "\"week\":8}\n"),
              std::string::npos);
    // The last lunar day, then a day with its Gregorian facts only.
    const CliRun last = RunCli({"month", "2100", "2", "--json"});
    EXPECT_NE(last.out.find("{\"date\":\"2100-02-08\",\"lunar\":\"2099-12-30\",\"line\":\"除夕\","
                            "\"term\":\"\",\"festivals\":\"除夕\",\"holiday\":\"\",\"week\":7}\n"
                            "{\"date\":\"2100-02-09\",\"lunar\":\"\",\"line\":\"\",\"term\":\"\","
                            "\"festivals\":\"\",\"holiday\":\"\",\"week\":7}\n"),
              std::string::npos);
}

TEST(HolidayCommand, PrintsTheDaysHolidayOrAnEmptyLine) {
    EXPECT_EQ(RunCli({"holiday", "2025-01-26"}).out, "班 春节\n");
    EXPECT_EQ(RunCli({"holiday", "2025-01-28"}).out, "休 春节\n");
    EXPECT_EQ(RunCli({"holiday", "2015-09-03"}).out, "休 抗战胜利纪念日\n");
    const CliRun ordinary = RunCli({"holiday", "2027-02-06"});
    EXPECT_EQ(ordinary.status, cli::kExitOk);
    EXPECT_EQ(ordinary.out, "\n");
}

TEST(HolidayCommand, AFileReplacesItsYearsAndReportsItsSkippedLines) {
    const ScheduleFile file(
        "# 2027\n2027-02-06\t休\t春节\n2027-02-30\t休\t春节\n2025-01-27 休 春节\n");
    const CliRun run = RunCli({"holiday", "2027-02-06", "--file", file.path()});
    EXPECT_EQ(run.status, cli::kExitOk);
    EXPECT_EQ(run.out, "休 春节\n");
    EXPECT_EQ(run.err, "tavelon-cal holiday: \"" + file.name() + "\" 第3行：日期无效，已跳过\n");
    EXPECT_EQ(RunCli({"holiday", "2025-01-26", "--file", file.path()}).out, "\n");
    const CliRun month = RunCli({"month", "2027", "2", "--file", file.path()});
    EXPECT_NE(month.out.find(" 6 休"), std::string::npos) << month.out;
    EXPECT_EQ(month.out.find("暂无"), std::string::npos);
}

TEST(HolidayCommand, AFileThatCannotBeUsedIsOneLineAndStatusTwo) {
    const CliRun missing = RunCli({"holiday", "2025-01-26", "--file", "/nonexistent/holidays.txt"});
    EXPECT_EQ(missing.status, cli::kExitUsage);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "tavelon-cal holiday: cannot read \"/nonexistent/holidays.txt\"\n");

    const ScheduleFile big(std::string(1024 * 1024 + 1, '#'));
    const CliRun tooBig = RunCli({"month", "2026", "2", "--file", big.path()});
    EXPECT_EQ(tooBig.status, cli::kExitUsage);
    EXPECT_EQ(tooBig.out, "");
    EXPECT_EQ(tooBig.err,
              "tavelon-cal month: " + cli::QuoteArgument(big.path()) + " is over 1 MB, not read\n");
    const ScheduleFile limit(std::string(1024 * 1024, '#'));
    EXPECT_EQ(RunCli({"holiday", "2025-01-26", "--file", limit.path()}).status, cli::kExitOk);
}

struct BadCall {
    const char* label;
    std::vector<std::string> args;
    const char* problem;
};

void PrintTo(const BadCall& row, std::ostream* os) { *os << row.label; }

class MonthUsageError : public ::testing::TestWithParam<BadCall> {};

TEST_P(MonthUsageError, NamesTheProblemAndExitsWithTwo) {
    const CliRun run = RunCli(GetParam().args);
    EXPECT_EQ(run.status, cli::kExitUsage);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, MonthUsageError,
    ::testing::Values(
        BadCall{"before_the_range",
                {"month", "1901", "1"},
                "tavelon-cal month: YEAR MONTH 1901 1 is out of range: expected 1901 2 to 2100 2"},
        BadCall{"after_the_range",
                {"month", "2100", "3"},
                "tavelon-cal month: YEAR MONTH 2100 3 is out of range: expected 1901 2 to 2100 2"},
        BadCall{"month_thirteen",
                {"month", "2026", "13"},
                "tavelon-cal month: MONTH \"13\" is out of range: expected 1 to 12"},
        BadCall{"month_missing", {"month", "2026"}, "tavelon-cal month: missing MONTH"},
        BadCall{"file_without_name",
                {"month", "2026", "2", "--file"},
                "tavelon-cal month: missing value after --file"},
        BadCall{"unknown_option",
                {"month", "2026", "2", "--csv"},
                "tavelon-cal month: unexpected argument \"--csv\""},
        BadCall{"bad_date",
                {"holiday", "2025-02-30"},
                "tavelon-cal holiday: invalid DATE \"2025-02-30\": expected a day that exists, as "
                "yyyy-mm-dd"},
        BadCall{"json_for_holiday",
                {"holiday", "2025-01-26", "--json"},
                "tavelon-cal holiday: unexpected argument \"--json\""}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "cli/tavelon_cal.h"
#include "tests/cli/run_cli.h"

namespace {

using Args = std::vector<std::string>;

const std::string kTooEarly = "请检查您的日期，阳历日期最小为 1901-02-19 ！\n";
const std::string kTooLate = "请检查您的日期，阳历日期最大为 2100-02-08 ！\n";
const std::string kSpringYears =
    " is out of range: the lunar table gives the Spring Festivals of 1901 to 2100\n";
const std::string kTermYears = " is out of range: the solar terms are known for 1901 to 2100\n";
const std::string kMonthDays =
    " is out of range: the solar terms that open the months are known for 1901-01-01 to "
    "2100-12-31\n";

struct RangeRow {
    const char* label;
    Args args;
    int status;
    std::string out;
    std::string err;
};

RangeRow Answer(const char* label, Args args, std::string out) {
    return {label, std::move(args), cli::kExitOk, std::move(out), ""};
}

RangeRow Refusal(const char* label, Args args, std::string err) {
    return {label, std::move(args), cli::kExitUsage, "", std::move(err)};
}

std::string Line(const std::string& problem) { return "tavelon-cal " + problem; }

void PrintTo(const RangeRow& row, std::ostream* os) { *os << row.label; }

class TableRange : public ::testing::TestWithParam<RangeRow> {};

// Inside the range of its tables a command answers; one step outside it prints nothing but
// the one line naming the range, and exits with 2.
TEST_P(TableRange, AnswersInsideAndNamesTheRangeOutside) {
    const CliRun run = RunCli(GetParam().args);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(run.out, GetParam().out);
    EXPECT_EQ(run.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    LunarDays, TableRange,
    ::testing::Values(
        Refusal("lunar_before_first", {"lunar", "1901-02-18"}, kTooEarly),
        Refusal("lunar_after_last", {"lunar", "2100-02-09"}, kTooLate),
        Refusal("lunar_far_past", {"lunar", "0001-01-01"}, kTooEarly),
        Refusal("festivals_before", {"festivals", "1901-01-01"}, kTooEarly),
        Refusal("festivals_after", {"festivals", "9999-12-31"}, kTooLate),
        Answer("festivals_last_day", {"festivals", "2100-02-08"}, "除夕\n"),
        Refusal("sweep_from_too_early", {"sweep", "1901-02-18", "1901-03-01"}, kTooEarly),
        Refusal("sweep_to_too_late", {"sweep", "2100-02-01", "2100-02-09"}, kTooLate),
        Refusal("sweep_entirely_after", {"sweep", "2100-03-01", "2100-03-02"}, kTooLate)),
    [](const auto& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(
    Years, TableRange,
    ::testing::Values(
        Answer("spring_first", {"spring", "1901"}, "1901-02-19\n"),
        // The day after lunar year 2099 ends: the table knows it.
        Answer("spring_day_after_the_table", {"spring", "2100"}, "2100-02-09\n"),
        Refusal("spring_before", {"spring", "1900"}, Line("spring: YEAR \"1900\"" + kSpringYears)),
        Refusal("spring_after", {"spring", "2101"}, Line("spring: YEAR \"2101\"" + kSpringYears)),
        Refusal("spring_negative", {"spring", "-32767"},
                Line("spring: YEAR \"-32767\"" + kSpringYears)),
        Answer("term_first_year", {"term", "1901", "23"}, "1901-1-6\n"),
        Answer("term_last_year", {"term", "2100", "22"}, "2100-12-22\n"),
        Refusal("term_before", {"term", "1900", "1"}, Line("term: YEAR \"1900\"" + kTermYears)),
        Refusal("term_after", {"term", "2101", "24"}, Line("term: YEAR \"2101\"" + kTermYears)),
        Refusal("terms_before", {"terms", "1800"}, Line("terms: YEAR \"1800\"" + kTermYears)),
        Refusal("terms_far_after", {"terms", "32767"}, Line("terms: YEAR \"32767\"" + kTermYears)),
        Refusal("moments_before", {"moments", "1900"}, Line("moments: YEAR \"1900\"" + kTermYears)),
        Refusal("moments_after_as_json", {"moments", "2101", "--json"},
                Line("moments: YEAR \"2101\"" + kTermYears))),
    [](const auto& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(
    MonthPillar, TableRange,
    ::testing::Values(
        // Before 小寒 the 子 month runs on from 大雪 of the year before, which needs no data.
        Answer("first_day", {"pillar", "month", "1901-01-01", "D"}, "戊wù子zǐ月\n"),
        Answer("last_day", {"pillar", "month", "2100-12-31", "D"}, "戊wù子zǐ月\n"),
        Refusal("day_before", {"pillar", "month", "1900-12-31", "D"},
                Line("pillar month: DATE \"1900-12-31\"" + kMonthDays)),
        // A 午 month, which no term date of 1850 could tell.
        Refusal("mid_year_long_before", {"pillar", "month", "1850-06-15", "D"},
                Line("pillar month: DATE \"1850-06-15\"" + kMonthDays)),
        Refusal("day_after", {"pillar", "month", "2101-01-01", "W"},
                Line("pillar month: DATE \"2101-01-01\"" + kMonthDays))),
    [](const auto& info) { return std::string(info.param.label); });

// The day line and the reading show a lunar date and a lunar year; their window has only the
// range message or an empty line for a day without one.
INSTANTIATE_TEST_SUITE_P(
    Tools, TableRange,
    ::testing::Values(
        Refusal("bazi_before", {"bazi", "1901-02-18 23"}, kTooEarly),
        Refusal("bazi_after", {"bazi", "9999-12-31 23"}, kTooLate),
        Answer("dayline_last_day", {"dayline", "2100-02-07 12:00:00", "0.5", "after"},
               " 阴历2099年[闰2月]  (暮岁)腊月[大]三十   除夕\n"),
        Refusal("dayline_one_day_on", {"dayline", "2100-02-08 00:00:00", "1", "after"}, kTooLate),
        Refusal("dayline_back_before", {"dayline", "1901-02-19 00:00:00", "0.1", "before"},
                kTooEarly),
        Refusal("dayline_past_the_pickers",
                {"dayline", "2024-02-10 00:00:00", "99999999999", "after"}, kTooLate),
        Refusal("dayline_far_outside", {"dayline", "1700-02-10 00:00:00", "3", "before"},
                kTooEarly),
        // A count the box does not read clears the line wherever the reference lies.
        Answer("dayline_count_unread", {"dayline", "1700-02-10 00:00:00", "x", "after"}, "\n")),
    [](const auto& info) { return std::string(info.param.label); });

// A malformed call is a usage error before any range is looked at.
TEST(TableRange, UsageErrorsComeFirst) {
    const CliRun run = RunCli({"term", "1800", "25"});
    EXPECT_EQ(run.status, cli::kExitUsage);
    EXPECT_EQ(run.err.rfind("tavelon-cal term: INDEX \"25\" is out of range: expected 1 to 24\n"
                            "usage: ",
                            0),
              0u)
        << run.err;
}

// What needs neither table answers for every year a command takes, to its extremes.
TEST(TableRange, YearAndDayArithmeticAnswersEverywhere) {
    for (const std::string year : {"-32767", "0", "1850", "32767"}) {
        for (const auto& args : std::vector<std::vector<std::string>>{
                 {"zodiac", year}, {"pillar", "year", year, "L"}}) {
            const CliRun run = RunCli(args);
            EXPECT_EQ(run.status, cli::kExitOk) << args[0] << " " << year;
            EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1)
                << args[0] << " " << year;
        }
    }
    EXPECT_EQ(RunCli({"pillar", "dayhour", "1900-01-31", "8", "0", "D"}).status, cli::kExitOk);
    EXPECT_EQ(RunCli({"whole", "1850-03-01", "2150-03-01"}).out, "300 0 0\n");
}

}  // namespace

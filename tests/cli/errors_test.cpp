#include <gtest/gtest.h>

#include "cli/arguments.h"
#include "tests/cli/run_cli.h"

namespace {

struct BadCall {
    const char* label;
    std::vector<std::string> args;
    std::string problem;  // the first line of err, after "tavelon-cal NAME: "
};

void PrintTo(const BadCall& row, std::ostream* os) { *os << row.label; }

class UsageError : public ::testing::TestWithParam<BadCall> {};

// A problem line naming what is wrong, then the usage; nothing on standard output.
TEST_P(UsageError, ExitsWithTwoNamingTheProblemAndTheUsage) {
    const CliRun run = RunCli(GetParam().args);
    EXPECT_EQ(run.status, cli::kExitUsage);
    EXPECT_EQ(run.out, "");
    const std::string firstLine = run.err.substr(0, run.err.find('\n'));
    EXPECT_NE(firstLine.find(GetParam().problem), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\nusage: tavelon-cal "), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, UsageError,
    ::testing::Values(
        BadCall{"unknown_command", {"lunr", "2024-01-01"}, "unknown command \"lunr\""},
        BadCall{"empty_command", {""}, "unknown command \"\""},
        BadCall{"missing_date", {"lunar"}, "lunar: missing DATE"},
        BadCall{"impossible_date", {"lunar", "2024-02-30"}, "invalid DATE \"2024-02-30\""},
        BadCall{"not_a_date", {"festivals", "abc"}, "invalid DATE \"abc\""},
        BadCall{"empty_date", {"lunar", ""}, "invalid DATE \"\""},
        BadCall{"trailing_text", {"lunar", "2024-02-10x"}, "invalid DATE"},
        BadCall{"extra_argument", {"lunar", "2024-02-10", "2024"}, "unexpected argument \"2024\""},
        BadCall{"second_date_missing", {"whole", "2024-01-01"}, "whole: missing DATE2"},
        BadCall{"year_not_a_number", {"spring", "year"}, "invalid YEAR \"year\""},
        BadCall{"year_with_sign", {"spring", "+2024"}, "invalid YEAR"},
        BadCall{"year_with_blank", {"zodiac", " 2024"}, "invalid YEAR"},
        BadCall{"year_overflowing_int", {"spring", "99999999999999999999"}, "out of range"},
        BadCall{"year_beyond_calendar", {"zodiac", "-2147483648"}, "out of range"},
        BadCall{"term_index_too_big", {"term", "2024", "25"}, "INDEX \"25\" is out of range"},
        BadCall{"term_index_zero", {"term", "2024", "0"}, "out of range: expected 1 to 24"},
        BadCall{"term_index_missing", {"term", "2024"}, "missing INDEX"},
        BadCall{"pillar_alone", {"pillar"}, "pillar: missing the form (year, month, dayhour)"},
        BadCall{"pillar_unknown_form", {"pillar", "week", "2024"}, "unknown form \"week\""},
        BadCall{"pillar_unknown_kind", {"pillar", "year", "2024", "Q"}, "invalid KIND \"Q\""},
        BadCall{"pillar_kind_of_another_pillar",
                {"pillar", "month", "2024-03-10", "T"},
                "expected one of D, W, F, L"},
        BadCall{"pillar_kind_two_letters", {"pillar", "year", "2024", "DW"}, "invalid KIND"},
        BadCall{"hour_past_the_day",
                {"pillar", "dayhour", "2024-02-10", "24", "0", "T"},
                "HOUR \"24\" is out of range"},
        BadCall{"minute_negative",
                {"pillar", "dayhour", "2024-02-10", "1", "-1", "T"},
                "MINUTE \"-1\" is out of range"},
        BadCall{"sweep_backwards", {"sweep", "2024-02-10", "2024-02-09"}, "FROM is after TO"},
        BadCall{"help_with_argument", {"help", "me"}, "unexpected argument \"me\""}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(UsageErrorText, IsOneProblemLineThenTheCommandsUsage) {
    const CliRun run = RunCli({"pillar", "dayhour", "2024-02-10"});
    EXPECT_EQ(run.err,
              "tavelon-cal pillar dayhour: missing HOUR\n"
              "usage: tavelon-cal pillar dayhour DATE HOUR MINUTE KIND\n");
}

TEST(UsageErrorText, ReportsOnlyTheFirstProblem) {
    const CliRun run = RunCli({"whole", "nope", "2024-13-01", "extra"});
    EXPECT_EQ(run.err,
              "tavelon-cal whole: invalid DATE1 \"nope\": expected a day that exists, as "
              "yyyy-mm-dd\nusage: tavelon-cal whole DATE1 DATE2\n");
}

TEST(UsageErrorText, UnknownCommandListsAllCommands) {
    const CliRun run = RunCli({"frobnicate"});
    EXPECT_EQ(run.err.rfind("tavelon-cal: unknown command \"frobnicate\"\nusage:", 0), 0u);
    EXPECT_NE(run.err.find("  sweep FROM TO"), std::string::npos);
}

TEST(QuoteArgument, KeepsTerminalControlOutOfMessages) {
    EXPECT_EQ(cli::QuoteArgument("2024"), "\"2024\"");
    EXPECT_EQ(cli::QuoteArgument("闰月"), "\"闰月\"");
    EXPECT_EQ(cli::QuoteArgument("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(cli::QuoteArgument("\x1b[2J\n"), "\"\\x1B[2J\\x0A\"");
    // A lone continuation byte, a C1 control as UTF-8 and a cut-off sequence.
    EXPECT_EQ(cli::QuoteArgument("\x9b"
                                 "\xc2\x9b"
                                 "\xe9\x97"),
              "\"\\x9B\\xC2\\x9B\\xE9\\x97\"");
    EXPECT_EQ(cli::QuoteArgument(std::string(100, '9')), "\"" + std::string(40, '9') + "...\"");
}

}  // namespace

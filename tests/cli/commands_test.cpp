#include <gtest/gtest.h>

#include <algorithm>

#include "cli/arguments.h"
#include "tests/cli/run_cli.h"

namespace {

struct Golden {
    const char* label;
    std::vector<std::string> args;
    std::string out;
};

void PrintTo(const Golden& row, std::ostream* os) { *os << row.label; }

class CommandOutput : public ::testing::TestWithParam<Golden> {};

TEST_P(CommandOutput, PrintsExactlyTheResultAndANewline) {
    const CliRun run = RunCli(GetParam().args);
    EXPECT_EQ(run.status, cli::kExitOk);
    EXPECT_EQ(run.out, GetParam().out);
    EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, CommandOutput,
    ::testing::Values(
        Golden{"lunar_leap_month", {"lunar", "2023-03-22"}, "2023-闰02-01\n"},
        Golden{"lunar_short_date_form", {"lunar", "2023-4-19"}, "2023-闰02-29\n"},
        Golden{"lunar_first_day", {"lunar", "1901-02-19"}, "1901-01-01\n"},
        Golden{"lunar_last_day", {"lunar", "2100-02-08"}, "2099-12-30\n"},
        Golden{"lunar_eve", {"lunar", "2024-02-09"}, "2023-12-30\n"},
        Golden{"spring", {"spring", "2024"}, "2024-02-10\n"},
        Golden{"spring_last_year", {"spring", "2099"}, "2099-01-21\n"},
        Golden{"term_first", {"term", "2024", "1"}, "2024-2-4\n"},
        Golden{"term_corrected", {"term", "2026", "2"}, "2026-2-18\n"},
        Golden{"term_january", {"term", "2019", "23"}, "2019-1-5\n"},
        Golden{"year_pillar_d", {"pillar", "year", "2024", "D"}, "甲jiǎ辰chén\n"},
        Golden{"year_pillar_w", {"pillar", "year", "2024", "W"}, "栋梁木土\n"},
        Golden{"year_pillar_f_lower_case", {"pillar", "year", "2024", "f"}, "东(东南)\n"},
        Golden{"year_pillar_l", {"pillar", "year", "2023", "L"}, "金箔金\n"},
        Golden{"month_pillar", {"pillar", "month", "2024-03-10", "D"}, "丁dīng卯mǎo月\n"},
        Golden{"month_pillar_before_minor_cold",
               {"pillar", "month", "2025-01-03", "D"},
               "丙bǐng子zǐ月\n"},
        Golden{"month_pillar_before_spring_begins",
               {"pillar", "month", "2025-02-02", "d"},
               "丁dīng丑chǒu月\n"},
        Golden{"day_pillar", {"pillar", "dayhour", "2000-01-01", "12", "0", "D"}, "戊wù午wǔ日\n"},
        Golden{"hour_pillar_after_midnight",
               {"pillar", "dayhour", "2024-02-10", "0", "30", "T"},
               "甲jiǎ子zǐ时 子夜/夜半 三更\n"},
        Golden{"hour_pillar_late_evening_stays_on_the_day",
               {"pillar", "dayhour", "2024-02-10", "23", "15", "T"},
               "甲jiǎ子zǐ时 子夜/夜半 三更\n"},
        // Minute 59 of hour 2 is still the 丑 period; swapped hour and minute would not be.
        Golden{"hour_pillar_takes_hour_then_minute",
               {"pillar", "dayhour", "2024-02-10", "2", "59", "T"},
               "乙yǐ丑chǒu时 鸡鸣/狗盗 四更\n"},
        Golden{"zodiac", {"zodiac", "2024"}, "龙\n"},
        Golden{"festivals_two_slots", {"festivals", "2020-10-01"}, "中秋国庆\n"},
        Golden{"festivals_floating", {"festivals", "2024-05-12"}, "护士母亲节\n"},
        Golden{"festivals_leap_month", {"festivals", "1995-10-09"}, "中秋\n"},
        Golden{"festivals_spring_and_valentine", {"festivals", "2010-02-14"}, "春节情人\n"},
        Golden{"festivals_cold_food", {"festivals", "2024-04-03"}, "寒食\n"},
        Golden{"festivals_none", {"festivals", "2024-03-01"}, "\n"},
        Golden{"whole", {"whole", "2023-01-31", "2024-03-01"}, "1 1 1\n"},
        Golden{"whole_either_order", {"whole", "2024-03-01", "2023-01-31"}, "1 1 1\n"},
        Golden{"whole_same_day", {"whole", "2024-02-29", "2024-02-29"}, "0 0 0\n"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(TermsCommand, ListsIndexNameAndDateOfAllTwentyFourTerms) {
    const CliRun run = RunCli({"terms", "2024"});
    EXPECT_EQ(run.status, cli::kExitOk);
    EXPECT_EQ(
        run.out,
        "1\t立春\t2024-2-4\n2\t雨水\t2024-2-19\n3\t惊蛰\t2024-3-5\n4\t春分\t2024-3-20\n"
        "5\t清明\t2024-4-4\n6\t谷雨\t2024-4-19\n7\t立夏\t2024-5-5\n8\t小满\t2024-5-20\n"
        "9\t芒种\t2024-6-5\n10\t夏至\t2024-6-21\n11\t小暑\t2024-7-6\n12\t大暑\t2024-7-22\n"
        "13\t立秋\t2024-8-7\n14\t处暑\t2024-8-22\n15\t白露\t2024-9-7\n16\t秋分\t2024-9-22\n"
        "17\t寒露\t2024-10-8\n18\t霜降\t2024-10-23\n19\t立冬\t2024-11-7\n20\t小雪\t2024-11-22\n"
        "21\t大雪\t2024-12-6\n22\t冬至\t2024-12-21\n23\t小寒\t2024-1-6\n24\t大寒\t2024-1-20\n");
}

// The terms in the order and on the days of `terms`, each with its moment; 1923 雨水 falls
// seconds before midnight of the day before its table day, so its day stands alone.
TEST(MomentsCommand, GivesEachTermItsMomentOrItsDayAlone) {
    const CliRun text = RunCli({"moments", "1923"});
    EXPECT_EQ(text.status, cli::kExitOk);
    EXPECT_EQ(text.out.substr(0, text.out.find("4\t")),
              "1\t立春\t1923-02-05 04:00:15\n2\t雨水\t1923-02-20\n3\t惊蛰\t1923-03-06 22:24:24\n");
    const CliRun json = RunCli({"moments", "1923", "--json"});
    EXPECT_EQ(json.status, cli::kExitOk);
    EXPECT_EQ(json.out.substr(0, json.out.find("{\"index\":3")),
              "{\"index\":1,\"name\":\"立春\",\"date\":\"1923-02-05\",\"time\":\"04:00:15\"}\n"
              "{\"index\":2,\"name\":\"雨水\",\"date\":\"1923-02-20\",\"time\":\"\"}\n");
    EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), 24);
}

}  // namespace

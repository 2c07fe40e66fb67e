#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/tavelon_cal.h"
#include "cli/tools_commands.h"

namespace {

struct ToolsRun {
    int status = -1;
    std::string out;
    std::string err;
};

ToolsRun RunTools(const std::vector<std::string>& args) {
    static constexpr cli::CommandGroup kGroups[] = {cli::ToolsCommands};
    std::ostringstream out;
    std::ostringstream err;
    ToolsRun run;
    run.status = cli::RunCommands(kGroups, args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

struct Printed {
    const char* name;
    std::vector<std::string> args;
    std::string out;
};

class ToolCommandOutput : public testing::TestWithParam<Printed> {};

TEST_P(ToolCommandOutput, PrintsTheWindowTextOnOneLine) {
    const ToolsRun run = RunTools(GetParam().args);
    EXPECT_EQ(run.status, cli::kExitOk);
    EXPECT_EQ(run.out, GetParam().out);
    EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    ToolCommands, ToolCommandOutput,
    testing::Values(
        Printed{
            "Interval", {"interval", "2004-01-29", "2021-12-19"}, "间隔：17年10月20天(共6534天)\n"},
        Printed{"IntervalBackwards",
                {"interval", "2021-12-19", "2004-01-29"},
                "间隔：17年10月20天(共-6534天)\n"},
        Printed{"DayLine",
                {"dayline", "2023-04-19 10:50:00", "0", "before"},
                " 阴历2023年[闰2月]  闰(花朝)二月[小]廿九   \n"},
        Printed{"DayLineWide",
                {"dayline", "2024-02-11 18:00:00", "1.5", "before", "--wide"},
                " 阴历2024年[无闰月]   (孟春)正月[小]初一   春节\n"},
        Printed{"DayLineNegativeCount",
                {"dayline", "2024-02-07", "-3", "before"},
                " 阴历2024年[无闰月]  (孟春)正月[小]初一   春节\n"},
        // A count the box rejects shows the empty line; it is no usage error.
        Printed{"DayLineLetters", {"dayline", "2024-02-10 00:00:00", "abc", "after"}, "\n"},
        Printed{"DayLineEmptyCount", {"dayline", "2024-02-10 00:00:00", "", "after"}, "\n"},
        Printed{"DayLineExponent", {"dayline", "2024-02-10 00:00:00", "1e3", "after"}, "\n"},
        Printed{"Bazi",
                {"bazi", "2016-03-03 05:33"},
                "八字：丙bǐng申shēn[猴]年   庚gēng寅yín月   甲jiǎ申shēn日   丁dīng卯mǎo时 \\r\\n"
                "五行：太阳火金年        斧钺金木月        栋梁木金日        哗灯火木时\\r\\n"
                "方位：南(西南)年         西(东北)月         东(西南)日               南东时\\r\\n"
                "纳音：山下火年           松柏木月           泉中水日            炉中火时\n"},
        Printed{"Week", {"week", "2021", "52"}, "2021-12-19至2021-12-25\n"},
        Printed{"WeekFiftyFour", {"week", "2000", "54"}, "2000-12-31至2000-12-31\n"},
        Printed{"CycleByName",
                {"cycle", "甲jiǎ子zǐ", "--year", "2026"},
                "1924年虚103岁  1984年虚43岁\n"},
        Printed{"CycleByHanzi", {"cycle", "丙午", "--year", "2026"}, "1966年虚61岁  2026年虚1岁\n"},
        Printed{"CycleByRow", {"cycle", "43", "--year", "2026"}, "1966年虚61岁  2026年虚1岁\n"}),
    [](const testing::TestParamInfo<Printed>& info) { return std::string(info.param.name); });

struct Misuse {
    const char* name;
    std::vector<std::string> args;
};

class ToolCommandMisuse : public testing::TestWithParam<Misuse> {};

TEST_P(ToolCommandMisuse, IsAUsageErrorWithNothingPrinted) {
    const ToolsRun run = RunTools(GetParam().args);
    EXPECT_EQ(run.status, cli::kExitUsage);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage: tavelon-cal "), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    ToolCommands, ToolCommandMisuse,
    testing::Values(Misuse{"IntervalBadDate", {"interval", "2021-02-30", "2021-03-01"}},
                    Misuse{"IntervalMissingDate", {"interval", "2021-02-28"}},
                    Misuse{"IntervalBeforePickers", {"interval", "1600-12-31", "2021-03-01"}},
                    Misuse{"DayLineBadMoment", {"dayline", "2024-02-10 25:00:00", "1", "after"}},
                    Misuse{"DayLineBeforePickers",
                           {"dayline", "1600-12-31 00:00:00", "1", "after"}},
                    Misuse{"DayLineBadDirection", {"dayline", "2024-02-10 10:00:00", "1", "later"}},
                    Misuse{"DayLineMissingDirection", {"dayline", "2024-02-10 10:00:00", "1"}},
                    Misuse{"DayLineUnknownOption",
                           {"dayline", "2024-02-10 10:00:00", "1", "after", "--narrow"}},
                    Misuse{"DayLineWideTwice",
                           {"dayline", "2024-02-10 10:00:00", "1", "after", "--wide", "--wide"}},
                    Misuse{"BaziHour24", {"bazi", "2016-03-03 24"}},
                    Misuse{"BaziGarbage", {"bazi", "2016-03-03T05"}},
                    Misuse{"BaziMinute60", {"bazi", "2016-03-03 05:60"}},
                    Misuse{"BaziExtra", {"bazi", "2016-03-03 05", "06"}},
                    Misuse{"WeekZero", {"week", "2021", "0"}},
                    Misuse{"WeekMissingInYear", {"week", "2021", "54"}},
                    Misuse{"WeekYearBeforePickers", {"week", "1600", "1"}},
                    Misuse{"CycleRowZero", {"cycle", "0", "--year", "2026"}},
                    Misuse{"CycleUnknownName", {"cycle", "甲丑", "--year", "2026"}},
                    Misuse{"CycleUnknownOption", {"cycle", "1", "--years", "2026"}},
                    Misuse{"CycleMissingYear", {"cycle", "1", "--year"}},
                    Misuse{"CycleYearOutOfRange", {"cycle", "1", "--year", "10000"}}),
    [](const testing::TestParamInfo<Misuse>& info) { return std::string(info.param.name); });

// The older form with the hour alone is minute 0: before 立春 2026 at 04:02, not after it.
TEST(ToolCommands, BaziWithTheHourAloneIsMinuteZero) {
    const ToolsRun hour = RunTools({"bazi", "2026-02-04 04"});
    EXPECT_EQ(hour.status, cli::kExitOk);
    EXPECT_EQ(hour.out, RunTools({"bazi", "2026-02-04 04:00"}).out);
    EXPECT_NE(hour.out, RunTools({"bazi", "2026-02-04 04:03"}).out);
}

TEST(ToolCommands, CycleDefaultsToTheCurrentYear) {
    const ToolsRun run = RunTools({"cycle", "1"});
    EXPECT_EQ(run.status, cli::kExitOk);
    EXPECT_NE(run.out.find("年虚"), std::string::npos) << run.err;
}

}  // namespace

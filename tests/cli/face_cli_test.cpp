#include <gtest/gtest.h>

#include <chrono>

#include "cli/face_commands.h"
#include "tests/cli/run_cli.h"

namespace {

using namespace std::chrono_literals;

TEST(FaceCommand, MainFaceInALeapMonthWithAStoredBlackColour) {
    const CliRun run = RunCli({"face", "main", "--at", "2023-03-22 07:00:00", "--colour", "0"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(
        run.out,
        "Label1\t07:00:00\n"
        "Label2\t星期三(第12/53周 325)\\r\\n2023 年 03 月 22 日\\r\\n 二〇二三闰(花朝)二月小 初一 \\r\\n"
        "癸guǐ卯mǎo[兔]年闰2月\n"
        "Label3\t乙yǐ卯mǎo月 己jǐ卯mǎo日\\r\\n戊wù辰chén时 朝食初刻\n"
        "colour\t0\n"
        "background\t3289650\n");
}

TEST(FaceCommand, MainFaceOutsideTheTableShowsTheMessageInsteadOfLabel2) {
    const CliRun run = RunCli({"face", "main", "--at", "2100-02-09 00:00:00"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\nmessage\t请检查您的日期，阳历日期最大为 2100-02-08 ！\n"),
              std::string::npos);
    EXPECT_EQ(run.out.find("Label2"), std::string::npos);
}

TEST(FaceCommand, UnreadableStoredColourFallsBackToTheDefault) {
    const CliRun run =
        RunCli({"face", "main", "--at", "2024-02-10 12:00:00", "--colour", "99999999999"});
    EXPECT_NE(run.out.find("colour\t8453888\nbackground\t5164338\n"), std::string::npos);
}

TEST(FaceCommand, AlternateFaceSplitsTheHourAfterItsBlank) {
    const CliRun run = RunCli({"face", "alt", "--at", "2023-03-22 23:16:00"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(
        run.out,
        "Label1\t23:16:00\n"
        "Label2\t2023年03月22日\n"
        "Label3\t星期三 12/53周 325天后春节\n"
        "Label4\t二〇二三闰(花朝)二月小 初一\\r\\n癸guǐ卯mǎo[兔]闰2月 \\r\\n乙yǐ卯mǎo月 己jǐ卯mǎo日\n"
        "Label5\t甲jiǎ子zǐ时 \\r\\n 子夜/夜半 三更一刻\n");
}

TEST(ChimeCommand, HourChimeThenAlarmInOneSecond) {
    const CliRun run = RunCli({"chime", "--at", "07:00:00", "--mode", "1", "--alarm1", "07:00"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(
        run.out,
        "play WAV_ZDSEN\nspeak 现在是7点整\nplay WAV_BAOSHI\nspeak 7点0分到了\nplay WAV_RING\n");
}

TEST(ChimeCommand, HalfHourAndQuietSeconds) {
    EXPECT_EQ(RunCli({"chime", "--at", "13:30:00", "--mode", "3"}).out,
              "play WAV_BDSEN\nspeak 现在是13点三十分\n");
    EXPECT_EQ(RunCli({"chime", "--mode", "2", "--at", "12:00:00"}).out, "");
    const CliRun late =
        RunCli({"chime", "--at", "07:00:01", "--mode", "3", "--alarm2", "07:00:00"});
    EXPECT_EQ(late.status, 0);
    EXPECT_EQ(late.out, "");
}

struct BadCall {
    const char* name;
    std::vector<std::string> args;
};

class FaceCommandErrors : public testing::TestWithParam<BadCall> {};

TEST_P(FaceCommandErrors, AreUsageErrorsWithNothingOnOut) {
    const CliRun run = RunCli(GetParam().args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage: tavelon-cal"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Calls, FaceCommandErrors,
    testing::Values(BadCall{"ImpossibleDate", {"face", "main", "--at", "2024-02-30 10:00:00"}},
                    BadCall{"TimeOutOfRange", {"face", "alt", "--at", "2024-02-10 24:00:00"}},
                    BadCall{"UnknownOption", {"face", "alt", "--colour", "5"}},
                    BadCall{"MissingValue", {"face", "main", "--at"}},
                    BadCall{"OptionTwice",
                            {"face", "main", "--at", "2024-02-10", "--at", "2024-02-11"}},
                    BadCall{"ChimeWithoutMode", {"chime", "--at", "07:00:00"}},
                    BadCall{"ChimeBadTime", {"chime", "--at", "7:00", "--mode", "1"}},
                    BadCall{"ChimeBadMode", {"chime", "--at", "07:00:00", "--mode", "1x"}},
                    BadCall{"ChimeBadAlarm",
                            {"chime", "--at", "07:00:00", "--mode", "1", "--alarm1", "25:00"}}),
    [](const testing::TestParamInfo<BadCall>& info) { return info.param.name; });

TEST(MainFaceView, PrintsTheLabelsAsLines) {
    const calendar::Moment springFestival{std::chrono::sys_days{2024y / 2 / 10}, 9h + 5min};
    EXPECT_EQ(cli::MainFaceView(springFestival),
              "09:05:00\n"
              "星期六 6/53周 354天后春节\n"
              "2024 年 02 月 10 日\n"
              " 二〇二四(孟春)正月小 初一 \n"
              "甲jiǎ辰chén[龙]无闰月春节\n"
              "丙bǐng寅yín月 甲jiǎ辰chén日\n"
              "己jǐ巳sì时 隅中初刻\n");
}

}  // namespace

#include "sticker/clock_labels.h"

#include <gtest/gtest.h>

#include "tests/support/fakes.h"

namespace sticker {
namespace {

using calendar::Moment;

using namespace std::chrono;
using namespace std::chrono_literals;

TEST(QuarterOfHour, SixteenMinuteFirstQuarter) {
    EXPECT_EQ(QuarterOfHour(0, 0), "初刻");
    EXPECT_EQ(QuarterOfHour(15, 30), "初刻");
    EXPECT_EQ(QuarterOfHour(15, 59), "初刻");
    EXPECT_EQ(QuarterOfHour(16, 0), "一刻");
    EXPECT_EQ(QuarterOfHour(29, 59), "一刻");
    EXPECT_EQ(QuarterOfHour(30, 0), "二刻");
    EXPECT_EQ(QuarterOfHour(45, 0), "三刻");
    EXPECT_EQ(QuarterOfHour(59, 59), "三刻");
    EXPECT_EQ(QuarterOfHour(60, 0), "");
    EXPECT_EQ(QuarterOfHour(-1, 0), "");
}

struct ClockCase {
    const char* name;
    const char* moment;
    const char* main1;
    const char* main3;
    const char* alt5;
};

class ComposeClockTexts : public testing::TestWithParam<ClockCase> {};

TEST_P(ComposeClockTexts, BothFaces) {
    const Moment now = calendar::ParseMoment(GetParam().moment).value();
    const MainClockTexts main = ComposeMainClockTexts(now);
    const AlternateClockTexts alternate = ComposeAlternateClockTexts(now);
    EXPECT_EQ(main.clock, GetParam().main1);
    EXPECT_EQ(main.pillarLines, GetParam().main3);
    EXPECT_EQ(alternate.clock, GetParam().main1);
    EXPECT_EQ(alternate.hourLines, GetParam().alt5);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, ComposeClockTexts,
    testing::Values(ClockCase{"HalfPastMidnightIsZi", "2024-02-10 00:30:00", "00:30:00",
                              "丙bǐng寅yín月 甲jiǎ辰chén日\r\n甲jiǎ子zǐ时 子夜/夜半 三更二刻",
                              "甲jiǎ子zǐ时 \r\n 子夜/夜半 三更二刻"},
                    ClockCase{"LateZiStaysOnTheSameDate", "2024-02-10 23:15:30", "23:15:30",
                              "丙bǐng寅yín月 甲jiǎ辰chén日\r\n甲jiǎ子zǐ时 子夜/夜半 三更初刻",
                              "甲jiǎ子zǐ时 \r\n 子夜/夜半 三更初刻"},
                    ClockCase{"SevenOClock", "2024-02-10 07:00:00", "07:00:00",
                              "丙bǐng寅yín月 甲jiǎ辰chén日\r\n戊wù辰chén时 朝食初刻",
                              "戊wù辰chén时 \r\n 朝食初刻"},
                    ClockCase{"SecondQuarterStartsAt16", "2025-01-10 16:16:00", "16:16:00",
                              "丁dīng丑chǒu月 己jǐ卯mǎo日\r\n壬rén申shēn时 哺bū时一刻",
                              "壬rén申shēn时 \r\n 哺bū时一刻"},
                    ClockCase{"LastSecondOfAnHour", "2024-12-21 15:59:59", "15:59:59",
                              "丙bǐng子zǐ月 己jǐ未wèi日\r\n壬rén申shēn时 哺bū时三刻",
                              "壬rén申shēn时 \r\n 哺bū时三刻"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sticker

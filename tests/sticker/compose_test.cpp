#include "sticker/compose.h"

#include <gtest/gtest.h>

#include <string>

#include "calendar/lunar.h"
#include "settings/forms.h"

namespace sticker {
namespace {

using calendar::Moment;

Moment At(const char* text) {
    auto m = calendar::ParseMoment(text);
    EXPECT_TRUE(m) << text;
    return m.value_or(Moment{});
}

struct MainCase {
    const char* name;
    const char* moment;
    const char* label2;
};

class ComposeMainFaceTexts : public testing::TestWithParam<MainCase> {};

TEST_P(ComposeMainFaceTexts, GivesTheWholeDateBlock) {
    const MainFaceTexts texts = sticker::ComposeMainFaceTexts(At(GetParam().moment));
    EXPECT_TRUE(texts.InRange());
    EXPECT_EQ(texts.label2, GetParam().label2);
}

INSTANTIATE_TEST_SUITE_P(
    Days, ComposeMainFaceTexts,
    testing::Values(
        MainCase{"LeapMonthFirstDay", "2023-03-22 10:30",
                 "星期三(第12/53周 325)\r\n2023 年 03 月 22 日\r\n 二〇二三闰(花朝)二月小 初一 \r\n"
                 "癸guǐ卯mǎo[兔]年闰2月"},
        MainCase{"LeapMonthLastDay", "2023-04-19",
                 "星期三(第16/53周 297)\r\n2023 年 04 月 19 日\r\n 二〇二三闰(花朝)二月小 廿九 \r\n"
                 "癸guǐ卯mǎo[兔]年闰2月"},
        MainCase{"LeapWinterMonth", "2033-12-22",
                 "星期四(第52/53周 59)\r\n2033 年 12 月 22 日\r\n 二〇三三闰(隆冬)冬月小 初一 \r\n"
                 "癸guǐ丑chǒu[牛]年闰11月"},
        MainCase{
            "SpringFestivalCountsToTheNextOne", "2024-02-10",
            "星期六 6/53周 354天后春节\r\n2024 年 02 月 10 日\r\n 二〇二四(孟春)正月小 初一 \r\n"
            "甲jiǎ辰chén[龙]无闰月春节"},
        MainCase{"EveCountsOne", "2024-02-09",
                 "星期五 6/53周 1天后春节\r\n2024 年 02 月 09 日\r\n 二〇二三(暮岁)腊月大 三十 \r\n"
                 "癸guǐ卯mǎo[兔]闰2月除夕"},
        MainCase{
            "JanuaryTermBeforeSpringFestival", "2024-01-20",
            "星期六 3/53周 21天后春节\r\n2024 年 01 月 20 日\r\n 二〇二三(暮岁)腊月大 初十 大寒\r\n"
            "癸guǐ卯mǎo[兔]闰2月"},
        MainCase{
            "Week54Of53", "2028-12-31",
            "星期日 54/53周 44天后春节\r\n2028 年 12 月 31 日\r\n 二〇二八(隆冬)冬月大 十六 \r\n"
            "戊wù申shēn[猴]闰5月"},
        // The year text follows the clamped working year 1902; the festival follows the
        // lunar date, which knows the first day of its year.
        MainCase{
            "FirstDayNamesLunarYear1901", "1901-02-19",
            "星期二 8/53周 354天后春节\r\n1901 年 02 月 19 日\r\n 一九〇一(孟春)正月小 初一 雨水\r\n"
            "辛xīn丑chǒu[牛]无闰月春节"},
        MainCase{
            "SolsticeIn1901", "1901-12-22",
            "星期日 52/53周 48天后春节\r\n1901 年 12 月 22 日\r\n 一九〇一(隆冬)冬月大 十二 冬至\r\n"
            "辛xīn丑chǒu[牛]无闰月入九"},
        MainCase{"LastDay", "2100-02-08",
                 "星期一 7/53周 1天后春节\r\n2100 年 02 月 08 日\r\n 二〇九九(暮岁)腊月大 三十 \r\n"
                 "己jǐ未wèi[羊]闰2月除夕"},
        MainCase{
            "SolsticeStartsTheNines", "2024-12-21",
            "星期六 51/53周 39天后春节\r\n2024 年 12 月 21 日\r\n 二〇二四(隆冬)冬月大 廿一 冬至\r\n"
            "甲jiǎ辰chén[龙]无闰月入九"},
        MainCase{
            "OutOfTheNinesWithAFestival", "2024-03-11",
            "星期一 11/53周 324天后春节\r\n2024 年 03 月 11 日\r\n 二〇二四(花朝)二月大 初二 \r\n"
            "甲jiǎ辰chén[龙]无闰月龙头出九"},
        MainCase{
            "TermAndFloatingFestival", "2020-06-21",
            "星期日 26/53周 236天后春节\r\n2020 年 06 月 21 日\r\n 二〇二〇(仲夏)五月大 初一 夏至\r\n"
            "庚gēng子zǐ[鼠]闰4月父亲节"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComposeMainFaceTextsRange, OutsideTheTableGivesTheMessageAndNoText) {
    for (const char* day : {"1901-02-18", "1900-06-01", "0001-01-01"}) {
        const MainFaceTexts texts = sticker::ComposeMainFaceTexts(At(day));
        EXPECT_FALSE(texts.InRange()) << day;
        EXPECT_EQ(texts.message, "请检查您的日期，阳历日期最小为 1901-02-19 ！") << day;
        EXPECT_EQ(texts.label2, "") << day;
    }
    for (const char* day : {"2100-02-09", "2100-12-31", "9999-12-31"}) {
        const MainFaceTexts texts = sticker::ComposeMainFaceTexts(At(day));
        EXPECT_EQ(texts.message, "请检查您的日期，阳历日期最大为 2100-02-08 ！") << day;
        EXPECT_EQ(texts.label2, "") << day;
    }
}

struct AlternateCase {
    const char* name;
    const char* moment;
    const char* label2;
    const char* label3;
    const char* label4;
};

class ComposeAlternateFaceTexts : public testing::TestWithParam<AlternateCase> {};

TEST_P(ComposeAlternateFaceTexts, GivesTheThreeDateLabels) {
    const AlternateFaceTexts texts = sticker::ComposeAlternateFaceTexts(At(GetParam().moment));
    EXPECT_EQ(texts.label2, GetParam().label2);
    EXPECT_EQ(texts.label3, GetParam().label3);
    EXPECT_EQ(texts.label4, GetParam().label4);
}

constexpr const char* kEarly = "请检查您的日期，阳历日期最小为 1901-02-19 ！";
constexpr const char* kLate = "请检查您的日期，阳历日期最大为 2100-02-08 ！";

INSTANTIATE_TEST_SUITE_P(
    Days, ComposeAlternateFaceTexts,
    testing::Values(
        AlternateCase{
            "LeapMonthKeepsTheOrdinaryForms", "2023-03-22 10:30", "2023年03月22日",
            "星期三 12/53周 325天后春节",
            "二〇二三闰(花朝)二月小 初一\r\n癸guǐ卯mǎo[兔]闰2月 \r\n乙yǐ卯mǎo月 己jǐ卯mǎo日"},
        AlternateCase{
            "SpringFestival", "2024-02-10 00:30", "2024年02月10日", "星期六 6/53周 354天后春节",
            "二〇二四(孟春)正月小 初一\r\n甲jiǎ辰chén[龙]无闰月春节 \r\n丙bǐng寅yín月 甲jiǎ辰chén日"},
        AlternateCase{
            "TermAndNines", "2024-12-21 16:50", "2024年12月21日", "星期六 51/53周 39天后春节",
            "二〇二四(隆冬)冬月大 廿一\r\n甲jiǎ辰chén[龙]无闰月冬至 入九\r\n丙bǐng子zǐ月 己jǐ未wèi日"},
        AlternateCase{
            "OutOfTheNines", "2024-03-11 07:00", "2024年03月11日", "星期一 11/53周 324天后春节",
            "二〇二四(花朝)二月大 初二\r\n甲jiǎ辰chén[龙]无闰月龙头 出九\r\n丁dīng卯mǎo月 甲jiǎ戌xū日"},
        AlternateCase{
            "FirstDayConvertsLikeEveryCaller", "1901-02-19 23:15", "1901年02月19日",
            "星期二 8/53周 354天后春节",
            "一九〇一(孟春)正月小 初一\r\n辛xīn丑chǒu[牛]无闰月雨水春节 \r\n庚gēng寅yín月 戊wù辰chén日"},
        AlternateCase{
            "LastDayIsTheEve", "2100-02-08 12:00", "2100年02月08日", "星期一 7/53周 1天后春节",
            "二〇九九(暮岁)腊月大 三十\r\n己jǐ未wèi[羊]闰2月除夕 \r\n戊wù寅yín月 辛xīn巳sì日"},
        AlternateCase{"BeforeTheTable", "1901-02-18 12:00", "1901年02月18日", kEarly, kEarly},
        AlternateCase{"AfterTheTable", "2100-02-09 12:00", "2100年02月09日", kLate, kLate}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplitRangeMessage, PutsTheFirstClauseAboveAndTheRestBelowLosingNothing) {
    const RangeMessageParts late = SplitRangeMessage(kLate);
    EXPECT_EQ(late.head, "请检查您的日期，");
    EXPECT_EQ(late.tail, "阳历日期最大为 2100-02-08 ！");
    const RangeMessageParts early = SplitRangeMessage(kEarly);
    EXPECT_EQ(early.head + early.tail, kEarly);
    EXPECT_EQ(early.tail, "阳历日期最小为 1901-02-19 ！");
    const RangeMessageParts plain = SplitRangeMessage("无逗号");
    EXPECT_EQ(plain.head, "无逗号");
    EXPECT_EQ(plain.tail, "");
}

TEST(ColoursForText, BackgroundIsTheShiftedLow24Bits) {
    EXPECT_EQ(ColoursForText(settings::kDefaultTextColour), (FaceColours{0x80FF00, 0x4ECD32}));
    EXPECT_EQ(ColoursForText(0), (FaceColours{0, 0x323232}));
    // A stored colour with a high byte (e.g. ZS "-1") draws as white on the shifted white.
    EXPECT_EQ(ColoursForText(0xFFFFFFFFu), (FaceColours{0xFFFFFF, 0xCDCDCD}));
}

std::size_t LineCount(const std::string& text) {
    std::size_t lines = 1;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2)) {
        ++lines;
    }
    return lines;
}

// Every day of the table and a year beyond each end: the blocks keep their shape, the
// countdown never reaches 0, nothing outside the table is passed off as a date, and both faces
// name a new year (and zodiac) on the Spring Festival and on no other day.
TEST(ComposeFaceTextsSweep, EveryDayHasItsLinesOrTheMessage) {
    using namespace std::chrono;
    // The year's name with its zodiac: the last line of the main face's block up to "]", and
    // the alternate face's second line.
    auto yearName = [](const std::string& block, size_t line) {
        size_t start = 0;
        for (size_t i = 0; i < line; ++i) start = block.find("\r\n", start) + 2;
        return block.substr(start, block.find(']', start) - start + 1);
    };
    std::string mainYear;
    int newYears = 0;
    for (sys_days d = sys_days{1900y / 1 / 1}; d <= sys_days{2101y / 12 / 31}; d += days{1}) {
        const Moment now{d, hours{12}};
        const MainFaceTexts main = sticker::ComposeMainFaceTexts(now);
        const AlternateFaceTexts alternate = sticker::ComposeAlternateFaceTexts(now);
        const bool inRange = d >= sys_days{1901y / 2 / 19} && d <= sys_days{2100y / 2 / 8};
        ASSERT_EQ(main.InRange(), inRange) << main.label2;
        if (!inRange) {
            ASSERT_EQ(alternate.label3, main.message);
            continue;
        }
        ASSERT_EQ(LineCount(main.label2), 4u) << main.label2;
        ASSERT_EQ(LineCount(alternate.label4), 3u) << alternate.label4;
        ASSERT_EQ(main.label2.find(" 0天后春节"), std::string::npos) << main.label2;
        ASSERT_EQ(alternate.label3.find(" 0天后春节"), std::string::npos) << alternate.label3;
        ASSERT_EQ(alternate.label3.find(" -"), std::string::npos) << alternate.label3;
        const std::string mainNow = yearName(main.label2, 3);
        const std::string alternateNow = yearName(alternate.label4, 1);
        ASSERT_EQ(mainNow, alternateNow) << main.label2;
        const bool springFestival = calendar::SpringFestivalDay(int(year_month_day{d}.year())) == d;
        ASSERT_EQ(mainNow != mainYear, springFestival || mainYear.empty()) << main.label2;
        newYears += springFestival;
        mainYear = mainNow;
    }
    EXPECT_EQ(newYears, 2099 - 1901 + 1);
    // Before the Spring Festival the year is still the one of the lunar date above it.
    EXPECT_EQ(yearName(sticker::ComposeMainFaceTexts(At("2026-01-10")).label2, 3), "乙yǐ巳sì[蛇]");
    EXPECT_EQ(yearName(sticker::ComposeMainFaceTexts(At("1901-06-01")).label2, 3), "辛xīn丑chǒu[牛]");
}

}  // namespace
}  // namespace sticker

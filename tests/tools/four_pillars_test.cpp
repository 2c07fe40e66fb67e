#include "tools/four_pillars.h"

#include <string>

#include <gtest/gtest.h>

#include "test_dates.h"

namespace {

using tools::FourPillarsText;
using tools_test::Day;
using namespace std::chrono_literals;

const std::string kStartUpReading =
    "八字：丙bǐng申shēn[猴]年   庚gēng寅yín月   甲jiǎ申shēn日   丁dīng卯mǎo时 \r\n"
    "五行：太阳火金年        斧钺金木月        栋梁木金日        哗灯火木时\r\n"
    "方位：南(西南)年         西(东北)月         东(西南)日               南东时\r\n"
    "纳音：山下火年           松柏木月           泉中水日            炉中火时";

TEST(FourPillarsText, StartUpReadingIsExact) {
    EXPECT_EQ(FourPillarsText(Day("2016-03-03"), 5h + 33min), kStartUpReading);
}

TEST(FourPillarsText, MinutesAwayFromATermMomentChangeNothing) {
    EXPECT_EQ(FourPillarsText(Day("2016-03-03"), 5h), kStartUpReading);
    EXPECT_EQ(FourPillarsText(Day("2016-03-03"), 5h + 59min), kStartUpReading);
    // 06:59 is still the 卯 period; 07:00 begins the 辰 period.
    EXPECT_EQ(FourPillarsText(Day("2016-03-03"), 6h + 59min + 59s), kStartUpReading);
    EXPECT_NE(FourPillarsText(Day("2016-03-03"), 7h), kStartUpReading);
}

struct TurnRow {
    const char* name;
    const char* date;
    std::chrono::seconds time;
    const char* yearAndMonth;  // the first line up to the month pillar
};

class YearAndMonthTurn : public testing::TestWithParam<TurnRow> {};

// The year turns at the moment of 立春 and the month at that of each 节 term, to the minute;
// the Spring Festival turns nothing.
TEST_P(YearAndMonthTurn, AtTheTermMomentItself) {
    const std::string text = FourPillarsText(Day(GetParam().date), GetParam().time);
    EXPECT_EQ(text.substr(0, text.find("月") + std::string("月").size()), GetParam().yearAndMonth)
        << text;
}

INSTANTIATE_TEST_SUITE_P(
    FourPillarsText, YearAndMonthTurn,
    testing::Values(
        // 立春 2026 at 04:02:09.
        TurnRow{"TheMinuteOfSpringBeginning", "2026-02-04", 4h + 2min,
                "八字：乙yǐ巳sì[蛇]年   己jǐ丑chǒu月"},
        TurnRow{"AfterSpringBegins", "2026-02-04", 4h + 3min,
                "八字：丙bǐng午wǔ[马]年   庚gēng寅yín月"},
        TurnRow{"BeforeTheSpringFestival", "2026-02-10", 12h,
                "八字：丙bǐng午wǔ[马]年   庚gēng寅yín月"},
        // 惊蛰 1948 at 23:57:52 of the 5th, the day before the one the calendar names.
        TurnRow{"BeforeAnEveningTerm", "1948-03-05", 23h + 57min,
                "八字：戊wù子zǐ[鼠]年   甲jiǎ寅yín月"},
        TurnRow{"AfterAnEveningTerm", "1948-03-05", 23h + 58min,
                "八字：戊wù子zǐ[鼠]年   乙yǐ卯mǎo月"}),
    [](const testing::TestParamInfo<TurnRow>& info) { return std::string(info.param.name); });

TEST(FourPillarsText, EveryLineTakesTheYearAndMonthOfTheMoment) {
    EXPECT_EQ(FourPillarsText(Day("2026-02-04"), 3h),
              "八字：乙yǐ巳sì[蛇]年   己jǐ丑chǒu月   己jǐ酉yǒu日   丙bǐng寅yín时 \r\n"
              "五行：花果木火年        田园土土月        田园土金日        太阳火木时\r\n"
              "方位：东(东南)年         中(东北)月         中西日               南(东北)时\r\n"
              "纳音：覆灯火年           霹雳火月           大驿土日            炉中火时");
}

TEST(FourPillarsText, HourTextIsCutAfterItsFirstHourMark) {
    // Every period keeps its name and the blank after "时", never the description.
    for (int hour = 0; hour < 24; ++hour) {
        const std::string text = FourPillarsText(Day("2024-02-10"), std::chrono::hours{hour});
        const std::string first = text.substr(0, text.find("\r\n"));
        ASSERT_GE(first.size(), 4u) << hour;
        EXPECT_EQ(first.substr(first.size() - 4), "时 ") << hour;
        EXPECT_EQ(first.find("时"), first.size() - 4) << hour;
    }
    // 甲 days open with the 甲子 hour; 23:00 stays on the date passed.
    const std::string midnight = FourPillarsText(Day("2024-02-10"), 0h);
    EXPECT_EQ(midnight.substr(0, midnight.find("\r\n")),
              "八字：甲jiǎ辰chén[龙]年   丙bǐng寅yín月   甲jiǎ辰chén日   甲jiǎ子zǐ时 ");
    EXPECT_EQ(FourPillarsText(Day("2024-02-10"), 23h), midnight);
}

TEST(FourPillarsText, HasExactlyFourLines) {
    const std::string text = FourPillarsText(Day("2023-04-19"), 16h);
    std::size_t breaks = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2)) {
        ++breaks;
    }
    EXPECT_EQ(breaks, 3u);
    EXPECT_NE(text.substr(text.size() - 2), "\r\n");
}

TEST(FourPillarsText, OutsideTheLunarTableShowsTheRangeMessage) {
    EXPECT_EQ(FourPillarsText(Day("1901-02-18"), 23h),
              "请检查您的日期，阳历日期最小为 1901-02-19 ！");
    EXPECT_EQ(FourPillarsText(Day("1601-01-01"), 0s),
              "请检查您的日期，阳历日期最小为 1901-02-19 ！");
    EXPECT_EQ(FourPillarsText(Day("2100-02-09"), 0h),
              "请检查您的日期，阳历日期最大为 2100-02-08 ！");
    EXPECT_EQ(FourPillarsText(Day("9999-12-31"), 23h + 59min),
              "请检查您的日期，阳历日期最大为 2100-02-08 ！");
    EXPECT_EQ(FourPillarsText(Day("1901-02-19"), 0h).rfind("八字：", 0), 0u);
    EXPECT_EQ(FourPillarsText(Day("2100-02-08"), 23h).rfind("八字：", 0), 0u);
}

TEST(FourPillarsText, InvalidInputGivesEmptyText) {
    EXPECT_EQ(FourPillarsText(Day("2024-02-10"), 24h), "");
    EXPECT_EQ(FourPillarsText(Day("2024-02-10"), -1s), "");
}

}  // namespace

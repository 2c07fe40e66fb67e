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

TEST(FourPillarsText, MinutesNeverEnter) {
    EXPECT_EQ(FourPillarsText(Day("2016-03-03"), 5h), kStartUpReading);
    EXPECT_EQ(FourPillarsText(Day("2016-03-03"), 5h + 59min), kStartUpReading);
    // 06:59 is still the 卯 period; 07:00 begins the 辰 period.
    EXPECT_EQ(FourPillarsText(Day("2016-03-03"), 6h + 59min + 59s), kStartUpReading);
    EXPECT_NE(FourPillarsText(Day("2016-03-03"), 7h), kStartUpReading);
}

TEST(FourPillarsText, YearPillarTurnsAtTheSpringFestival) {
    const std::string eve = FourPillarsText(Day("2024-02-09"), 12h);
    const std::string festival = FourPillarsText(Day("2024-02-10"), 12h);
    EXPECT_EQ(eve.rfind("八字：癸guǐ卯mǎo[兔]年   ", 0), 0u) << eve;
    EXPECT_EQ(festival.rfind("八字：甲jiǎ辰chén[龙]年   ", 0), 0u) << festival;
    EXPECT_NE(festival.find("\r\n纳音：覆灯火年           "), std::string::npos) << festival;
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

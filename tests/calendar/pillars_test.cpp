#include <gtest/gtest.h>

#include "calendar/name_tables.h"
#include "calendar/pillars.h"
#include "calendar/solar_terms.h"
#include "tests/support/day.h"

namespace calendar {
namespace {

using testing::Day;
using namespace std::chrono;
using enum PillarKind;

struct YearRow {
    int year;
    PillarKind kind;
    const char* text;
};

class YearPillarTest : public ::testing::TestWithParam<YearRow> {};

TEST_P(YearPillarTest, NamesTheYear) {
    EXPECT_EQ(YearPillar(GetParam().year, GetParam().kind), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    YearPillar, YearPillarTest,
    ::testing::Values(YearRow{2024, StemBranch, "甲jiǎ辰chén"}, YearRow{2024, Element, "栋梁木土"},
                      YearRow{2024, Direction, "东(东南)"}, YearRow{2024, Nayin, "覆灯火"},
                      YearRow{1984, StemBranch, "甲jiǎ子zǐ"},
                      YearRow{2044, StemBranch, "甲jiǎ子zǐ"}, YearRow{2023, Nayin, "金箔金"},
                      YearRow{3, StemBranch, "癸guǐ亥hài"}, YearRow{-56, StemBranch, "甲jiǎ子zǐ"}));

TEST(YearZodiac, FollowsTheBranch) {
    EXPECT_EQ(YearZodiac(2024), "龙");
    EXPECT_EQ(YearZodiac(1984), "鼠");
    EXPECT_EQ(YearZodiac(2031), "猪");
    EXPECT_EQ(YearZodiac(-1), "羊");
}

struct MonthRow {
    const char* date;
    PillarKind kind;
    const char* text;
};

class MonthPillarTest : public ::testing::TestWithParam<MonthRow> {};

TEST_P(MonthPillarTest, NamesTheSolarMonth) {
    EXPECT_EQ(MonthPillar(Day(GetParam().date), GetParam().kind), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    MonthPillar, MonthPillarTest,
    ::testing::Values(
        MonthRow{"2024-03-10", StemBranch, "丁dīng卯mǎo月"},
        MonthRow{"2024-12-10", StemBranch, "丙bǐng子zǐ月"},
        MonthRow{"2025-01-03", StemBranch, "丙bǐng子zǐ月"},
        MonthRow{"2025-01-10", StemBranch, "丁dīng丑chǒu月"},
        MonthRow{"2025-02-02", StemBranch, "丁dīng丑chǒu月"},
        MonthRow{"2025-02-03", StemBranch, "戊wù寅yín月"},
        MonthRow{"2024-03-10", Element, "哗灯火木月"}, MonthRow{"2024-03-10", Direction, "南东月"},
        MonthRow{"2024-03-10", Nayin, "炉中火月"},
        // Without term dates no boundary is crossed: the 丑 month of the year as it stands.
        MonthRow{"1900-07-01", StemBranch, "己jǐ丑chǒu月"},
        MonthRow{"2101-07-01", StemBranch, "辛xīn丑chǒu月"}));

TEST(MonthPillar, EachMonthOpensOnA节TermAndFollowsTheLastInTheCycle) {
    auto position = [](sys_days d) {
        std::string text = MonthPillar(d, StemBranch);
        return JiaziPosition(
            std::string_view(text).substr(0, text.size() - std::string_view("月").size()));
    };
    int previous = position(Day("1901-01-01"));
    ASSERT_NE(previous, 0);
    for (sys_days d = Day("1901-01-02"); d <= Day("2100-12-31"); d += days{1}) {
        const int current = position(d);
        ASSERT_NE(current, 0) << FormatDate(d);
        const int index = SolarTermIndexOn(d);
        if (index % 2 == 1) {
            ASSERT_EQ(current, previous % 60 + 1) << FormatDate(d);
        } else {
            ASSERT_EQ(current, previous) << FormatDate(d);
        }
        previous = current;
    }
}

struct DayRow {
    const char* date;
    PillarKind kind;
    const char* text;
};

class DayPillarTest : public ::testing::TestWithParam<DayRow> {};

TEST_P(DayPillarTest, NamesTheDay) {
    EXPECT_EQ(DayPillar(Day(GetParam().date), GetParam().kind), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(DayPillar, DayPillarTest,
                         ::testing::Values(DayRow{"2024-02-10", StemBranch, "甲jiǎ辰chén日"},
                                           DayRow{"2000-01-01", StemBranch, "戊wù午wǔ日"},
                                           DayRow{"2024-01-01", StemBranch, "甲jiǎ子zǐ日"},
                                           DayRow{"1949-10-01", StemBranch, "甲jiǎ子zǐ日"},
                                           DayRow{"2024-02-10", Element, "栋梁木土日"},
                                           DayRow{"2024-02-10", Direction, "东(东南)日"},
                                           DayRow{"2024-02-10", Nayin, "覆灯火日"}));

struct HourRow {
    const char* date;
    seconds time;
    PillarKind kind;
    const char* text;
};

class HourPillarTest : public ::testing::TestWithParam<HourRow> {};

TEST_P(HourPillarTest, NamesTheHour) {
    const HourRow& r = GetParam();
    EXPECT_EQ(HourPillar(Day(r.date), r.time, r.kind), r.text);
}

INSTANTIATE_TEST_SUITE_P(
    HourPillar, HourPillarTest,
    ::testing::Values(HourRow{"2024-02-10", 30min, StemBranch, "甲jiǎ子zǐ时 子夜/夜半 三更"},
                      HourRow{"2024-02-10", 23h + 15min, StemBranch, "甲jiǎ子zǐ时 子夜/夜半 三更"},
                      HourRow{"2024-02-10", 12h, StemBranch, "庚gēng午wǔ时 日中"},
                      HourRow{"2024-02-10", 12h, Element, "斧钺金火时"},
                      HourRow{"2024-02-10", 12h, Direction, "西南时"},
                      HourRow{"2024-02-10", 12h, Nayin, "路旁土时"},
                      // 己 day: 甲子 again; 戊 and 癸 days: 壬子.
                      HourRow{"2024-02-15", 10min, StemBranch, "甲jiǎ子zǐ时 子夜/夜半 三更"},
                      HourRow{"2000-01-01", 23h + 59min + 59s, StemBranch,
                              "壬rén子zǐ时 子夜/夜半 三更"},
                      HourRow{"2024-02-19", 0s, StemBranch, "壬rén子zǐ时 子夜/夜半 三更"},
                      // A period ends with its last second.
                      HourRow{"2024-02-10", 12h + 59min + 59s, Direction, "西南时"},
                      HourRow{"2024-02-10", 13h, Direction, "西(西南)时"},
                      HourRow{"2024-02-10", 24h, StemBranch, ""},
                      HourRow{"2024-02-10", -1s, Element, ""},
                      HourRow{"2024-02-10", hours{99}, Nayin, ""}));

TEST(DayPillar, EachDayFollowsThePreviousInTheSixtyCycle) {
    auto position = [](sys_days d) {
        const std::string text = DayPillar(d, StemBranch);
        return JiaziPosition(
            std::string_view(text).substr(0, text.size() - std::string_view("日").size()));
    };
    int previous = position(Day("1600-01-01"));
    ASSERT_NE(previous, 0);
    for (sys_days d = Day("1600-01-02"); d <= Day("2200-12-31"); d += days{1}) {
        const int current = position(d);
        ASSERT_EQ(current, previous % 60 + 1) << FormatDate(d);
        ASSERT_EQ(JiaziName(current).substr(0, StemName(DayStem(d)).size()), StemName(DayStem(d)));
        previous = current;
    }
}

}  // namespace
}  // namespace calendar

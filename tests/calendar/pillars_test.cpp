#include <gtest/gtest.h>

#include "calendar/name_tables.h"
#include "calendar/pillars.h"
#include "calendar/solar_terms.h"
#include "tests/support/day.h"

namespace calendar {
namespace {

using testing::Day;
using namespace std::chrono;

struct YearRow {
    int year;
    const char* kind;
    const char* text;
};

class YearPillarTest : public ::testing::TestWithParam<YearRow> {};

TEST_P(YearPillarTest, NamesTheYear) {
    EXPECT_EQ(YearPillar(GetParam().year, GetParam().kind), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    YearPillar, YearPillarTest,
    ::testing::Values(YearRow{2024, "D", "甲jiǎ辰chén"}, YearRow{2024, "W", "栋梁木土"},
                      YearRow{2024, "F", "东(东南)"}, YearRow{2024, "L", "覆灯火"},
                      YearRow{2024, "l", "覆灯火"}, YearRow{1984, "D", "甲jiǎ子zǐ"},
                      YearRow{2044, "d", "甲jiǎ子zǐ"}, YearRow{2023, "L", "金箔金"},
                      YearRow{3, "D", "癸guǐ亥hài"}, YearRow{-56, "D", "甲jiǎ子zǐ"},
                      YearRow{2024, "N", ""}, YearRow{2024, "Q", ""}, YearRow{2024, "", ""},
                      YearRow{2024, "DD", ""}));

TEST(YearZodiac, FollowsTheBranch) {
    EXPECT_EQ(YearZodiac(2024), "龙");
    EXPECT_EQ(YearZodiac(1984), "鼠");
    EXPECT_EQ(YearZodiac(2031), "猪");
    EXPECT_EQ(YearZodiac(-1), "羊");
}

struct MonthRow {
    const char* date;
    const char* kind;
    const char* text;
};

class MonthPillarTest : public ::testing::TestWithParam<MonthRow> {};

TEST_P(MonthPillarTest, NamesTheSolarMonth) {
    EXPECT_EQ(MonthPillar(GetParam().date, GetParam().kind), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    MonthPillar, MonthPillarTest,
    ::testing::Values(
        MonthRow{"2024-03-10", "D", "丁dīng卯mǎo月"}, MonthRow{"2024-12-10", "D", "丙bǐng子zǐ月"},
        MonthRow{"2025-01-03", "D", "丙bǐng子zǐ月"}, MonthRow{"2025-01-10", "D", "丁dīng丑chǒu月"},
        MonthRow{"2025-02-02", "D", "丁dīng丑chǒu月"}, MonthRow{"2025-02-03", "D", "戊wù寅yín月"},
        MonthRow{"2024-03-10", "W", "哗灯火木月"}, MonthRow{"2024-03-10", "F", "南东月"},
        MonthRow{"2024-03-10", "L", "炉中火月"}, MonthRow{"2024-03-10", "T", ""},
        MonthRow{"2024-3-10", "d", "丁dīng卯mǎo月"}, MonthRow{"2024-02-30", "D", ""},
        // Without term dates no boundary is crossed: the 丑 month of the year as it stands.
        MonthRow{"1900-07-01", "D", "己jǐ丑chǒu月"}, MonthRow{"2101-07-01", "D", "辛xīn丑chǒu月"}));

TEST(MonthPillar, EachMonthOpensOnA节TermAndFollowsTheLastInTheCycle) {
    auto position = [](sys_days d) {
        std::string text = MonthPillar(d, "D");
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
    int hour;
    int minute;
    const char* kind;
    const char* text;
};

class DayHourPillarTest : public ::testing::TestWithParam<DayRow> {};

TEST_P(DayHourPillarTest, NamesTheDayOrTheHour) {
    const DayRow& r = GetParam();
    EXPECT_EQ(DayHourPillar(r.date, r.hour, r.minute, r.kind), r.text);
}

INSTANTIATE_TEST_SUITE_P(
    DayHourPillar, DayHourPillarTest,
    ::testing::Values(
        DayRow{"2024-02-10", 0, 0, "D", "甲jiǎ辰chén日"},
        DayRow{"2000-01-01", 12, 0, "D", "戊wù午wǔ日"},
        DayRow{"2024-01-01", 0, 0, "D", "甲jiǎ子zǐ日"},
        DayRow{"1949-10-01", 0, 0, "d", "甲jiǎ子zǐ日"},
        DayRow{"2024-02-10", 0, 0, "W", "栋梁木土日"},
        DayRow{"2024-02-10", 0, 0, "F", "东(东南)日"}, DayRow{"2024-02-10", 0, 0, "N", "覆灯火日"},
        DayRow{"2024-02-10", 0, 30, "T", "甲jiǎ子zǐ时 子夜/夜半 三更"},
        DayRow{"2024-02-10", 23, 15, "T", "甲jiǎ子zǐ时 子夜/夜半 三更"},
        DayRow{"2024-02-10", 12, 0, "t", "庚gēng午wǔ时 日中"},
        DayRow{"2024-02-10", 12, 0, "X", "斧钺金火时"}, DayRow{"2024-02-10", 12, 0, "V", "西南时"},
        DayRow{"2024-02-10", 12, 0, "L", "路旁土时"},
        // 己 day: 甲子 again; 戊 and 癸 days: 壬子.
        DayRow{"2024-02-15", 0, 10, "T", "甲jiǎ子zǐ时 子夜/夜半 三更"},
        DayRow{"2000-01-01", 23, 59, "T", "壬rén子zǐ时 子夜/夜半 三更"},
        DayRow{"2024-02-19", 0, 0, "T", "壬rén子zǐ时 子夜/夜半 三更"},
        DayRow{"2024-02-10", 24, 0, "T", ""}, DayRow{"2024-02-10", 12, 60, "X", ""},
        DayRow{"2024-02-10", -1, 0, "L", ""}, DayRow{"2024-02-10", 99, 99, "D", "甲jiǎ辰chén日"},
        DayRow{"2024-02-10", 0, 0, "Q", ""}, DayRow{"2024-02-10", 0, 0, "", ""},
        DayRow{"2024-02-30", 0, 0, "D", ""}, DayRow{"garbage", 0, 0, "D", ""}));

TEST(DayHourPillar, EachDayFollowsThePreviousInTheSixtyCycle) {
    auto position = [](sys_days d) {
        const std::string text = DayHourPillar(d, 0, 0, "D");
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

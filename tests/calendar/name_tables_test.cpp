#include <gtest/gtest.h>

#include <string>

#include "calendar/name_tables.h"
#include "calendar/pillars.h"

namespace calendar {
namespace {

int Minutes(std::string_view hhmm) {
    return std::stoi(std::string(hhmm.substr(0, 2))) * 60 +
           std::stoi(std::string(hhmm.substr(3, 2)));
}

TEST(NameTables, JiaziNamesFollowTheStemAndBranchRule) {
    for (int n = 1; n <= 60; ++n) {
        const std::string expected =
            std::string(StemName((n - 1) % 10 + 1)) + std::string(BranchName((n - 1) % 12 + 1));
        EXPECT_EQ(JiaziName(n), expected) << n;
        EXPECT_EQ(JiaziPosition(expected), n);
    }
    EXPECT_EQ(JiaziName(41), "甲jiǎ辰chén");
    EXPECT_EQ(JiaziPosition("甲子"), 0);
}

TEST(NameTables, NayinNamesComeInPairs) {
    for (int n = 1; n <= 59; n += 2) EXPECT_EQ(NayinName(n), NayinName(n + 1)) << n;
    for (int n = 2; n <= 58; n += 2) EXPECT_NE(NayinName(n), NayinName(n + 1)) << n;
    EXPECT_EQ(NayinName(9), "剑锋金");
    EXPECT_EQ(NayinName(13), "漳下水");
    EXPECT_EQ(NayinName(60), "大海水");
}

TEST(NameTables, MonthOrderTablesAreTheBranchTablesFromYin) {
    for (int q = 1; q <= 12; ++q) {
        const int b = (q + 1) % 12 + 1;
        EXPECT_EQ(MonthBranchName(q), BranchName(b)) << q;
        EXPECT_EQ(MonthBranchElement(q), BranchElement(b)) << q;
        EXPECT_EQ(MonthBranchDirection(q), BranchDirection(b)) << q;
    }
}

TEST(NameTables, PositionsOutsideATableGiveNothing) {
    EXPECT_EQ(StemName(0), "");
    EXPECT_EQ(StemName(11), "");
    EXPECT_EQ(BranchName(-1), "");
    EXPECT_EQ(JiaziName(61), "");
    EXPECT_EQ(ChineseDigit(0), "〇");
    EXPECT_EQ(ChineseDigit(10), "");
    EXPECT_EQ(NibbleBits(17), "");
    EXPECT_EQ(LunarDayName(31), "");
    EXPECT_EQ(SolarTermName(25), "");
}

// The period a time falls in, found the long way through the tables with hour 0 as 24.
int PeriodByTable(int hour, int minute) {
    const int t = minute + 60 * (hour == 0 ? 24 : hour);
    for (int r = 1; r <= 12; ++r) {
        if (Minutes(HourStartTime(r)) <= t && t <= Minutes(HourEndTime(r))) return r;
    }
    return 0;
}

TEST(NameTables, EveryMinuteFallsInExactlyTheHourPeriodTheTablesGive) {
    for (int hour = 0; hour < 24; ++hour) {
        for (int minute = 0; minute < 60; ++minute) {
            ASSERT_EQ(HourPeriod(hour, minute), PeriodByTable(hour, minute))
                << hour << ":" << minute;
        }
    }
    EXPECT_EQ(HourPeriod(0, 30), 1);
    EXPECT_EQ(HourPeriod(23, 0), 1);
    EXPECT_EQ(HourPeriod(24, 0), 0);
    EXPECT_EQ(HourPeriod(12, 60), 0);
    EXPECT_EQ(HourPeriod(-1, 0), 0);
}

std::string_view QuarterAt(int minute, int second) {
    const int t = minute * 60 + second;
    for (int q = 1; q <= 4; ++q) {
        if (Minutes(QuarterStartTime(q)) <= t && t <= Minutes(QuarterEndTime(q)))
            return QuarterName(q);
    }
    return {};
}

TEST(NameTables, QuartersCoverTheHourWithTheLateSecondQuarter) {
    EXPECT_EQ(QuarterAt(15, 30), "初刻");
    EXPECT_EQ(QuarterAt(15, 59), "初刻");
    EXPECT_EQ(QuarterAt(16, 0), "一刻");
    EXPECT_EQ(QuarterAt(59, 59), "三刻");
    for (int s = 0; s < 3600; ++s) EXPECT_NE(QuarterAt(s / 60, s % 60), "") << s;
}

}  // namespace
}  // namespace calendar

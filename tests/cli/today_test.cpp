#include <gtest/gtest.h>

#include "cli/today.h"

namespace {

using namespace std::chrono_literals;
using std::chrono::sys_days;

TEST(TodayCalendarText, SpringFestivalAfterMidnight) {
    EXPECT_EQ(cli::TodayCalendarText({sys_days{2024y / 2 / 10}, 30min}),
              "2024-02-10 星期六\n"
              "农历 二〇二四年(孟春)正月小 初一\n"
              "节气 无 (下一个: 雨水 2024-2-19)\n"
              "干支 甲jiǎ辰chén年 丙bǐng寅yín月 甲jiǎ辰chén日 甲jiǎ子zǐ时 子夜/夜半 三更\n"
              "生肖 龙\n"
              "节日 春节\n");
}

TEST(TodayCalendarText, LeapMonthAndTermDay) {
    const std::string before = cli::TodayCalendarText({sys_days{2023y / 3 / 21}, 12h});
    EXPECT_NE(before.find("\n农历 二〇二三年(花朝)二月大 三十\n"), std::string::npos) << before;
    const std::string leap = cli::TodayCalendarText({sys_days{2023y / 3 / 22}, 12h});
    EXPECT_NE(leap.find("\n农历 二〇二三年闰(花朝)二月小 初一\n"), std::string::npos) << leap;
    const std::string term = cli::TodayCalendarText({sys_days{2024y / 2 / 4}, 12h});
    EXPECT_NE(term.find("\n节气 立春\n"), std::string::npos) << term;
}

// In late December the next term lies in the next year's January.
TEST(TodayCalendarText, NextTermCrossesTheYear) {
    const std::string text = cli::TodayCalendarText({sys_days{2024y / 12 / 25}, 12h});
    EXPECT_NE(text.find("\n节气 无 (下一个: 小寒 2025-1-5)\n"), std::string::npos) << text;
}

}  // namespace

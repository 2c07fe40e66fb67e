#include <gtest/gtest.h>

#include "month/day_details.h"

namespace month {
namespace {

using namespace std::chrono;

sys_days Day(int y, unsigned m, unsigned d) { return sys_days{year{y} / m / d}; }

TEST(DayDetails, SpringFestival2026WithTermFestivalHolidayAndNines) {
    const calendar::HolidaySchedule holidays;
    EXPECT_EQ(DayDetails(Day(2026, 2, 17), Day(2026, 2, 14), holidays),
              "2026年2月17日 星期二 第8周  3天后\r\n"
              "农历二〇二六年(孟春)正月大 初一\r\n"
              "丙bǐng午wǔ[马]年 庚gēng寅yín月 壬rén戌xū日\r\n"
              "春节  休 春节  七九第五天");
    // After 立春 but before the Spring Festival: the 寅 month, still the lunar year before.
    EXPECT_EQ(DayDetails(Day(2026, 2, 4), Day(2026, 2, 4), holidays),
              "2026年2月4日 星期三 第6周  今天\r\n"
              "农历二〇二五年(暮岁)腊月小 十七\r\n"
              "乙yǐ巳sì[蛇]年 庚gēng寅yín月 己jǐ酉yǒu日\r\n"
              "立春 04:02  六九第一天");
    // Nothing to add: three lines.
    EXPECT_EQ(DayDetails(Day(2026, 6, 10), Day(2026, 6, 22), holidays),
              "2026年6月10日 星期三 第24周  12天前\r\n"
              "农历二〇二六年(清和)四月小 廿五\r\n"
              "丙bǐng午wǔ[马]年 甲jiǎ午wǔ月 乙yǐ卯mǎo日");
    EXPECT_EQ(DayDetails(Day(1901, 2, 18), Day(1901, 2, 18), holidays),
              "1901年2月18日 星期一 第8周  今天\r\n"
              "农历日期只在1901-02-19至2100-02-08之间");
}

// The term's minute is that of its moment, cut (冬至 2025 at 23:03:06); a term whose moment
// falls across midnight from its day shows no time (雨水 1923 at 23:59:39 of the day before).
TEST(DayDetails, TermWithTheMinuteOfItsMoment) {
    const calendar::HolidaySchedule holidays;
    const auto lastLine = [&](sys_days day) {
        const std::string text = DayDetails(day, day, holidays);
        return text.substr(text.rfind("\r\n") + 2);
    };
    EXPECT_EQ(lastLine(Day(2026, 12, 22)), "冬至 04:50  一九第一天 入九");
    EXPECT_EQ(lastLine(Day(2025, 12, 21)), "冬至 23:03  一九第一天 入九");
    EXPECT_EQ(lastLine(Day(1923, 2, 20)), "雨水  七九第七天");
}

TEST(NineNinesCount, CountsTheEightyOneDaysFromTheSolstice) {
    // 冬至 2025 is 2025-12-21.
    EXPECT_EQ(NineNinesCount(Day(2025, 12, 20)), "");
    EXPECT_EQ(NineNinesCount(Day(2025, 12, 21)), "一九第一天 入九");
    EXPECT_EQ(NineNinesCount(Day(2025, 12, 30)), "二九第一天");
    EXPECT_EQ(NineNinesCount(Day(2026, 1, 9)), "三九第二天");
    EXPECT_EQ(NineNinesCount(Day(2026, 3, 11)), "九九第九天 出九");
    EXPECT_EQ(NineNinesCount(Day(2026, 3, 12)), "");
}

TEST(DaysFromToday, SaysTodayOrHowManyDaysBeforeOrAfter) {
    EXPECT_EQ(DaysFromToday(Day(2026, 2, 17), Day(2026, 2, 17)), "今天");
    EXPECT_EQ(DaysFromToday(Day(2026, 2, 20), Day(2026, 2, 17)), "3天后");
    EXPECT_EQ(DaysFromToday(Day(2026, 2, 5), Day(2026, 2, 17)), "12天前");
}

}  // namespace
}  // namespace month

#include <gtest/gtest.h>

#include "month/holiday_source.h"

namespace month {
namespace {

using namespace std::chrono;

sys_days Day(int y, unsigned m, unsigned d) { return sys_days{year{y} / m / d}; }

TEST(LoadHolidays, AMissingFileIsNoErrorAndATooBigOrUnreadableOneIsSaidOnce) {
    const Holidays missing = LoadHolidays({HolidayFileState::Absent, ""});
    EXPECT_TRUE(missing.problems.empty());
    EXPECT_EQ(calendar::HolidayText(missing.schedule.On(Day(2025, 1, 26))), "班 春节");

    const Holidays big = LoadHolidays({HolidayFileState::TooBig, ""});
    EXPECT_EQ(big.problems, std::vector<std::string>{"holidays.txt 超过1 MB，未读取"});
    EXPECT_TRUE(big.schedule.HasYear(2026));

    const Holidays locked = LoadHolidays({HolidayFileState::Unreadable, ""});
    EXPECT_EQ(locked.problems, std::vector<std::string>{"holidays.txt 无法读取，未使用"});
}

TEST(LoadHolidays, TheUsersYearsCountAndTheirBadLinesAreListed) {
    const Holidays holidays =
        LoadHolidays({HolidayFileState::Read,
                      "2027-02-06\t休\t春节\n2027-02-30\t休\t春节\n2027-02-07\t歇\t春节\n"});
    EXPECT_EQ(calendar::HolidayText(holidays.schedule.On(Day(2027, 2, 6))), "休 春节");
    EXPECT_EQ(holidays.problems,
              (std::vector<std::string>{"holidays.txt 第2行：日期无效，已跳过",
                                        "holidays.txt 第3行：类别须为“休”或“班”，已跳过"}));
}

// Every line is named, however many; a file that was not read keeps "no schedule" unsaid.
TEST(MonthNote, TheYearWithoutScheduleTheFilesYearsAndEverySkippedLine) {
    MonthPage page;
    page.month = 2027y / 3;
    page.scheduleKnown = false;
    std::string text;
    for (int i = 0; i < 6; ++i) text += "2027-02-3" + std::to_string(i) + "\t休\t春节\n";
    text += "2026-10-01\t休\t国庆节\n2028-01-01\t休\t元旦\n";
    const Holidays holidays = LoadHolidays({HolidayFileState::Read, text});
    const std::string note = MonthNote(page, holidays);
    EXPECT_TRUE(
        note.starts_with("暂无2027年放假安排\r\n2026、2028年放假安排取自holidays.txt，"
                         "代替内置的2026年安排\r\nholidays.txt 第1行：日期无效，已跳过"))
        << note;
    EXPECT_TRUE(note.ends_with("\r\nholidays.txt 第6行：日期无效，已跳过")) << note;
    EXPECT_TRUE(OffersSchedule(page, holidays));

    for (const HolidayFileState state : {HolidayFileState::Unreadable, HolidayFileState::TooBig}) {
        const Holidays unread = LoadHolidays({state, ""});
        EXPECT_EQ(MonthNote(page, unread), unread.problems.front());
        EXPECT_EQ(OffersSchedule(page, unread), state == HolidayFileState::TooBig);
    }
    page.scheduleKnown = true;
    EXPECT_EQ(MonthNote(page, LoadHolidays({})), "");
    EXPECT_FALSE(OffersSchedule(page, LoadHolidays({})));
}

TEST(YearsText, SpansOfThreeOrMore) {
    EXPECT_EQ(YearsText({}), "");
    EXPECT_EQ(YearsText({2027}), "2027");
    EXPECT_EQ(YearsText({2026, 2027, 2030}), "2026、2027、2030");
    EXPECT_EQ(YearsText({2004, 2005, 2006, 2008, 2010, 2011, 2012, 2013}),
              "2004至2006、2008、2010至2013");
}

// The template reads as nothing until the user writes a day, and its example, uncommented, is
// a day of the year it was made for.
TEST(HolidayFileTemplate, ReadsAsNothingAndItsExampleAsADay) {
    const std::string text = HolidayFileTemplate(2027);
    const Holidays holidays = LoadHolidays({HolidayFileState::Read, text});
    EXPECT_TRUE(holidays.problems.empty());
    EXPECT_TRUE(holidays.schedule.UserYears().empty());
    const std::size_t example = text.find("# 2027-01-01");
    ASSERT_NE(example, std::string::npos);
    const Holidays uncommented =
        LoadHolidays({HolidayFileState::Read, text.substr(0, example) + text.substr(example + 2)});
    EXPECT_TRUE(uncommented.problems.empty());
    EXPECT_EQ(calendar::HolidayText(uncommented.schedule.On(Day(2027, 1, 1))), "休 元旦");
    EXPECT_TRUE(text.ends_with("\r\n"));
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
}

}  // namespace
}  // namespace month

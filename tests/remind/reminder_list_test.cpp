#include <gtest/gtest.h>

#include "remind/reminder_list.h"

namespace remind {
namespace {

using namespace std::chrono;

constexpr sys_days kToday = 2026y / May / 17d;

Reminder Lunar(std::string name, int month, int day, bool leap = false, int ahead = 0) {
    return {std::move(name), {RuleKind::LunarYearly, 0, month, day, leap}, ahead};
}
Reminder Gregorian(std::string name, int month, int day, int ahead = 0) {
    return {std::move(name), {RuleKind::GregorianYearly, 0, month, day, false}, ahead};
}
Reminder Once(std::string name, int year, int month, int day) {
    return {std::move(name), {RuleKind::Once, year, month, day, false}, 0};
}

// An edit rewrites only its own line: the others, read or not, come back as they were typed.
TEST(ReminderEdits, KeepEveryOtherLineAsItWasAndNameTheBadOnesWhereTheyNowStand) {
    ReminderFile file = ParseReminderFile(
        "# 家人\r\n"
        "公历05-20\t结婚纪念日\r\n"
        "农历13-01\t没有这个月\r\n"
        "公历10-1　国庆 节\r\n"
        "农历03-15\t妈妈生日\t提前3天\r\n");
    ASSERT_EQ(LineProblemsText(file), "第3行：日期不存在");
    EXPECT_TRUE(RemoveReminder(file, 0));
    EXPECT_TRUE(ChangeReminder(file, 1, Lunar("妈妈生日", 3, 16, false, 3)));
    AddReminder(file, Once("体检", 2027, 1, 15));
    EXPECT_FALSE(ChangeReminder(file, 3, Once("多余", 2027, 1, 1)));
    EXPECT_FALSE(RemoveReminder(file, 3));
    EXPECT_EQ(ReminderFileText(file),
              "# 家人\r\n"
              "农历13-01\t没有这个月\r\n"
              "公历10-1　国庆 节\r\n"
              "农历03-16\t妈妈生日\t提前3天\r\n"
              "2027-01-15\t体检\r\n");
    EXPECT_EQ(LineProblemsText(file), "第2行：日期不存在");
    EXPECT_EQ(LineProblemsText(ParseReminderFile(ReminderFileText(file))), "第2行：日期不存在");
}

TEST(ReminderRows, SayTheRuleTheNextDayAndHowFarOff) {
    ReminderFile file;
    for (const Reminder& r :
         {Gregorian("今天的", 5, 17), Gregorian("纪念日", 5, 20), Lunar("外婆生日", 4, 15, true),
          Lunar("除夕", 12, 30), Once("过去的", 2026, 5, 16), Once("体检", 2027, 1, 15)})
        AddReminder(file, r);
    const std::vector<ReminderRow> rows = ListRows(file, kToday);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].until, "今天");
    EXPECT_EQ(rows[1].rule, "每年5月20日");
    EXPECT_EQ(rows[1].next, "2026-05-20");
    EXPECT_EQ(rows[1].until, "3天后");
    EXPECT_EQ(rows[2].rule, "农历闰四月十五");
    EXPECT_EQ(rows[3].rule, "农历腊月三十");
    EXPECT_EQ(rows[4].next, "");
    EXPECT_EQ(rows[4].until, "已过");
    EXPECT_EQ(rows[5].rule, "2027年1月15日");
}

std::string Repeat(std::string_view text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

struct EditCase {
    const char* label;
    Reminder reminder;
    bool kept;
};

class EditProblemTest : public testing::TestWithParam<EditCase> {};

TEST_P(EditProblemTest, RefusesWhatWouldNotComeBackFromTheFile) {
    EXPECT_EQ(!EditProblem(GetParam().reminder).has_value(), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    EditProblem, EditProblemTest,
    testing::Values(EditCase{"NoName", Gregorian("", 5, 20), false},
                    EditCase{"FortyCharacters", Gregorian(Repeat("字", 40), 5, 20), true},
                    EditCase{"FortyOneCharacters", Gregorian(std::string(41, 'a'), 5, 20), false},
                    EditCase{"NameEndingInDaysAhead", Gregorian("买票 提前3天", 5, 20), false},
                    EditCase{"NameStartingWithHash", Gregorian("#1 纪念日", 5, 20), true},
                    EditCase{"TheThirtiethOfFebruary", Gregorian("二月三十", 2, 30), false},
                    EditCase{"TheTwentyNinthOfFebruary", Gregorian("闰日", 2, 29), true},
                    EditCase{"LunarThirtieth", Lunar("除夕", 12, 30), true},
                    EditCase{"ThirtyOneDaysAhead", Gregorian("早早", 5, 20, 31), false}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(DayNote, NamesEachDueReminderOnceADayAndCountsTheRestPastItsLines) {
    const std::vector<Reminder> reminders = {Gregorian("今天的", 5, 17),
                                             Gregorian("纪念日", 5, 20, 3)};
    const std::vector<Occurrence> due = DueOn(reminders, kToday);
    ASSERT_EQ(due.size(), 2u);
    EXPECT_EQ(NoteText(reminders, due, kToday),
              "今天  今天的（每年5月17日）\r\n3天后  纪念日（每年5月20日）");
    EXPECT_EQ(NoteText(reminders, due, kToday, 1), "另有2项，见“提醒”窗口");

    NotedToday noted;
    EXPECT_EQ(noted.TakeNew(reminders, due, kToday).size(), 2u);
    EXPECT_TRUE(noted.TakeNew(reminders, due, kToday).empty());
    // A reminder added or changed during the day is new; the next day names all again.
    std::vector<Reminder> changed = reminders;
    changed[1].name = "结婚纪念日";
    EXPECT_EQ(noted.TakeNew(changed, due, kToday).size(), 1u);
    const sys_days tomorrow = kToday + days{1};
    EXPECT_EQ(noted.TakeNew(reminders, DueOn(reminders, tomorrow), tomorrow).size(), 1u);
}

}  // namespace
}  // namespace remind

#include <gtest/gtest.h>

#include "remind/reminders_file.h"

namespace remind {
namespace {

TEST(ReminderFile, ReadsTheFourRulesAndWritesBackEveryLineAsItCame) {
    const std::string text =
        "# 家人\r\n"
        "农历03-15\t妈妈生日\t提前3天\r\n"
        "农历闰04-15\t外婆生日\r\n"
        "公历5-20　结婚 纪念日\r\n"
        "2027-01-15\t体检\r\n"
        "\r\n"
        "农历13-01\t没有这个月\r\n"
        "生日\t\xE6\x98\r\n";
    ReminderFile file = ParseReminderFile(text);
    const std::vector<Reminder> reminders = file.Reminders();
    ASSERT_EQ(reminders.size(), 4u);
    EXPECT_EQ(reminders[0], (Reminder{"妈妈生日", {RuleKind::LunarYearly, 0, 3, 15, false}, 3}));
    EXPECT_EQ(reminders[1], (Reminder{"外婆生日", {RuleKind::LunarYearly, 0, 4, 15, true}, 0}));
    EXPECT_EQ(reminders[2],
              (Reminder{"结婚 纪念日", {RuleKind::GregorianYearly, 0, 5, 20, false}, 0}));
    EXPECT_EQ(reminders[3], (Reminder{"体检", {RuleKind::Once, 2027, 1, 15, false}, 0}));
    EXPECT_EQ(file.RuleFields()[2], "公历5-20");
    EXPECT_EQ(file.errors,
              (std::vector<LineError>{{7, LineProblem::NoSuchDay}, {8, LineProblem::InvalidUtf8}}));
    // Unchanged, the file comes back byte for byte, with the line end it was written with.
    EXPECT_EQ(ReminderFileText(file), text);
    EXPECT_EQ(ReminderFileText(ParseReminderFile("公历01-01\t元旦")), "公历01-01\t元旦\r\n");
    EXPECT_EQ(ReminderFileText(ParseReminderFile("公历01-01\t元旦\n")), "公历01-01\t元旦\n");
}

struct LineRow {
    const char* label;
    std::string line;
    std::optional<LineProblem> problem;
    std::string name = {};
    int daysAhead = 0;
};

void PrintTo(const LineRow& row, std::ostream* os) { *os << row.label; }

class ParseReminderLineTable : public ::testing::TestWithParam<LineRow> {};

TEST_P(ParseReminderLineTable, ReadsOrNamesTheProblem) {
    std::optional<LineProblem> problem;
    const auto reminder = ParseReminderLine(GetParam().line, problem);
    EXPECT_EQ(problem, GetParam().problem);
    EXPECT_EQ(reminder.has_value(), !GetParam().problem && !GetParam().name.empty());
    if (reminder) {
        EXPECT_EQ(reminder->name, GetParam().name);
        EXPECT_EQ(reminder->daysAhead, GetParam().daysAhead);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseReminderLineTable,
    ::testing::Values(
        LineRow{"comment", "  # 农历03-15\t妈妈生日", std::nullopt},
        LineRow{"blank_and_ideographic_spaces", " \t　", std::nullopt},
        LineRow{"name_with_blanks_and_days_ahead", "农历03-15  妈妈 生日  提前30天", std::nullopt,
                "妈妈 生日", 30},
        LineRow{"name_that_starts_like_days_ahead", "公历01-01\t提前准备", std::nullopt,
                "提前准备"},
        LineRow{"name_made_showable", "公历01-01\t\xE2\x80\xAE元\x1B旦", std::nullopt, "元 旦"},
        LineRow{"forty_characters", "公历01-01\t" + std::string(40, 'a'), std::nullopt,
                std::string(40, 'a')},
        LineRow{"unknown_rule", "阴历03-15\t生日", LineProblem::BadRule},
        LineRow{"rule_without_day", "农历03\t生日", LineProblem::BadRule},
        LineRow{"three_digit_month", "公历003-15\t生日", LineProblem::BadRule},
        LineRow{"lunar_day_31", "农历03-31\t生日", LineProblem::NoSuchDay},
        LineRow{"gregorian_february_30", "公历02-30\t生日", LineProblem::NoSuchDay},
        LineRow{"date_that_does_not_exist", "2027-02-29\t体检", LineProblem::NoSuchDay},
        LineRow{"no_name", "公历01-01", LineProblem::MissingName},
        LineRow{"only_days_ahead", "公历01-01\t提前3天", std::nullopt, "提前3天"},
        LineRow{"name_too_long", "公历01-01\t" + std::string(41, 'a'), LineProblem::NameTooLong},
        LineRow{"days_ahead_too_many", "公历01-01\t元旦\t提前31天", LineProblem::BadDaysAhead},
        LineRow{"days_ahead_in_words", "公历01-01\t元旦\t提前三天", LineProblem::BadDaysAhead}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace remind

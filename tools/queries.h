#pragma once
// The three one-line queries: the dates of a week, the date of a solar term, and the
// latest years of a stem-branch name.
#include <optional>
#include <string>
#include <string_view>

namespace tools {

// The week range: the first and last day of week N of the year, "yyyy-m-d至yyyy-m-d". Weeks run
// Sunday to Saturday and are clipped to the year, so week 1 starts on 1 January and the
// last week ends on 31 December. N is the number value of the week box's text, rounded. "" when
// the year has no week N (including 0 and negatives), or the year lies outside 1601..9999.
std::string WeekRangeText(int year, std::string_view weekText);

// The term date: the day of solar term `index` (1 = 立春 .. 24 = 大寒) of the year with the
// moment's Beijing time, "2026年12月22日 04:50:15"; the day alone, "1923年02月20日", where the
// moment falls seconds across midnight from the day the calendar names. "" for a year outside
// 1901..2100. Nothing when no term is selected (index outside 1..24): the caption is then
// left as it stands.
std::optional<std::string> TermDateText(int year, int index);

// The cycle years: for row 1..60 of the cycle names (1 = 甲jiǎ子zǐ), the last two years up to
// currentYear that bear the name, each with the nominal age (虚岁) of someone born then:
// "1924年虚103岁  1984年虚43岁". "" for a row outside 1..60 or a year outside 1601..9999.
std::string CycleYearsText(int row, int currentYear);

// The row of a cycle name, with or without its pinyin ("甲jiǎ子zǐ" or "甲子"); 0 when none.
int CycleRowOf(std::string_view name);

}  // namespace tools

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "calendar/lunar.h"
#include "calendar/range.h"
#include "remind/reminder.h"
#include "tests/support/day.h"

namespace remind {
namespace {

using calendar::testing::Day;
using namespace std::chrono;

// Every lunar month of the table as the day-by-day conversion sees it: its first day and its
// length, by (year, month, leap).
struct MonthSpan {
    sys_days first;
    int length = 0;
};
using MonthKey = std::tuple<int, int, bool>;

std::map<MonthKey, MonthSpan> MonthsFromTheConversion() {
    std::map<MonthKey, MonthSpan> months;
    for (sys_days d = calendar::kFirstLunarDay; d <= calendar::kLastLunarDay; d += days{1}) {
        const calendar::LunarDate l = *calendar::LunarOf(d);
        MonthSpan& span = months[{l.year, l.month, l.leap}];
        if (span.length++ == 0) span.first = d;
    }
    return months;
}

// The four settled rules, checked for every month and the days that matter, in every Gregorian
// year, against the months the conversion sweeps out (not against the code's own arithmetic):
// a leap reminder in the leap month where the year has one and in the ordinary month elsewhere,
// an ordinary reminder never in the leap month, day 30 on day 29 in a short month, and
// 2月29日 on the 28th in a common year.
TEST(OccurrencesInYear, FollowTheSettledRulesInEveryYear) {
    const auto months = MonthsFromTheConversion();
    std::vector<Reminder> reminders;
    for (const bool leap : {false, true})
        for (int month = 1; month <= 12; ++month)
            for (const int day : {1, 15, 29, 30})
                reminders.push_back({"r", {RuleKind::LunarYearly, 0, month, day, leap}, 0});
    reminders.push_back({"leap day", {RuleKind::GregorianYearly, 0, 2, 29, false}, 0});
    const std::size_t leapDay = reminders.size() - 1;

    const auto expected = [&](const Rule& rule, int lunarYear) -> std::optional<sys_days> {
        auto span = months.find({lunarYear, rule.month, rule.leap});
        if (span == months.end()) span = months.find({lunarYear, rule.month, false});
        if (span == months.end()) return std::nullopt;
        return span->second.first + days{std::min(rule.day, span->second.length) - 1};
    };
    int leapMonthsMet = 0;
    for (int year = 1901; year <= 2100; ++year) {
        std::vector<std::vector<sys_days>> want(reminders.size());
        for (std::size_t i = 0; i < leapDay; ++i) {
            for (const int lunarYear : {year - 1, year}) {
                const auto d = expected(reminders[i].rule, lunarYear);
                if (d && year_month_day{*d}.year() == std::chrono::year{year})
                    want[i].push_back(*d);
            }
        }
        const std::chrono::year y{year};
        want[leapDay].push_back(sys_days{y / 2 / (y.is_leap() ? 29 : 28)});
        std::vector<std::vector<sys_days>> got(reminders.size());
        for (const Occurrence& o : OccurrencesInYear(reminders, year))
            got[o.index].push_back(o.date);
        for (std::size_t i = 0; i < reminders.size(); ++i) {
            ASSERT_EQ(got[i], want[i]) << year << " " << RuleText(reminders[i].rule);
            if (reminders[i].rule.leap && !got[i].empty() && calendar::LunarOf(got[i][0])->leap)
                ++leapMonthsMet;
        }
    }
    EXPECT_GT(leapMonthsMet, 100);  // the leap branch was taken, not only its fallback

    std::set<int> leapMonths;
    for (const auto& [key, span] : months)
        if (std::get<2>(key)) leapMonths.insert(std::get<1>(key));
    EXPECT_EQ(LeapMonthNumbers(), std::vector<int>(leapMonths.begin(), leapMonths.end()));
}

// A lunar day can fall twice in a Gregorian year, or not at all.
TEST(OccurrencesInYear, ComeInDateOrderAndOnceOnlyInItsYear) {
    const std::vector<Reminder> reminders = {
        {"体检", {RuleKind::Once, 2027, 1, 15, false}, 0},
        {"纪念日", {RuleKind::GregorianYearly, 0, 5, 20, false}, 0},
        {"腊月初一", {RuleKind::LunarYearly, 0, 12, 1, false}, 0},
    };
    EXPECT_EQ(OccurrencesInYear(reminders, 2027),
              (std::vector<Occurrence>{{Day("2027-01-08"), 2},
                                       {Day("2027-01-15"), 0},
                                       {Day("2027-05-20"), 1},
                                       {Day("2027-12-28"), 2}}));
    EXPECT_EQ(OccurrencesInYear(reminders, 2025),
              (std::vector<Occurrence>{{Day("2025-05-20"), 1}}));
}

TEST(OccurrencesFrom, CrossTheYearAndDueOnHonoursDaysAhead) {
    const std::vector<Reminder> reminders = {
        {"新年", {RuleKind::GregorianYearly, 0, 1, 1, false}, 3},
        {"圣诞", {RuleKind::GregorianYearly, 0, 12, 25, false}, 0},
    };
    const auto next = OccurrencesFrom(reminders, Day("2026-12-25"), 7);
    ASSERT_EQ(next.size(), 2u);
    EXPECT_EQ(next[0], (Occurrence{Day("2026-12-25"), 1}));
    EXPECT_EQ(next[1], (Occurrence{Day("2027-01-01"), 0}));
    EXPECT_EQ(OccurrencesFrom(reminders, Day("2026-12-26"), 5).size(), 0u);
    EXPECT_EQ(DueOn(reminders, Day("2026-12-28")).size(), 0u);
    ASSERT_EQ(DueOn(reminders, Day("2026-12-29")).size(), 1u);
    EXPECT_EQ(DueOn(reminders, Day("2027-01-01")).size(), 1u);
    EXPECT_EQ(DueOn(reminders, Day("2027-01-02")).size(), 0u);
}

}  // namespace
}  // namespace remind

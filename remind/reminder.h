#pragma once
// A reminder and the days it falls on. The rules people argue about are settled so:
// - a leap-month reminder falls in the leap month in a year that has it, and in the ordinary
//   month of that number in every other year;
// - an ordinary-month reminder falls in the ordinary month, never also in the leap month;
// - day 30 of a month that has 29 days falls on day 29 (腊月三十 becomes 腊月廿九, 除夕);
// - 2月29日 falls on 2月28日 in a common year.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calendar/date.h"

namespace remind {

using calendar::sys_days;

inline constexpr std::size_t kMaxNameLength = 40;  // code points
inline constexpr int kMaxDaysAhead = 30;

enum class RuleKind { LunarYearly, GregorianYearly, Once };

struct Rule {
    RuleKind kind = RuleKind::GregorianYearly;
    int year = 0;       // Once only
    int month = 1;      // 1..12, lunar or Gregorian as the kind says
    int day = 1;        // 1..30 lunar, 1..31 Gregorian
    bool leap = false;  // LunarYearly only: the leap month of that number, where a year has it
    friend bool operator==(const Rule&, const Rule&) = default;
};

struct Reminder {
    std::string name;  // 1..kMaxNameLength code points
    Rule rule;
    int daysAhead = 0;  // 0..kMaxDaysAhead: remind from that many days before
    friend bool operator==(const Reminder&, const Reminder&) = default;
};

// The rule as the reminders file writes it: "农历03-15", "农历闰04-15", "公历05-20",
// "2027-01-15".
std::string RuleText(const Rule& rule);
// Whether the rule names a day that can exist: a lunar month 1..12 and day 1..30, a Gregorian
// month and day that some year has (2月29日 included), a date that exists.
bool IsValidRule(const Rule& rule);

// The month numbers that are a leap month in some lunar year of the table, ascending: the ones
// a rule editor offers as 闰.
std::vector<int> LeapMonthNumbers();

// The day the rule gives in a lunar year (1901..2099), for yearly lunar rules; nothing
// outside the table.
std::optional<sys_days> LunarOccurrence(const Rule& rule, int lunarYear);

struct Occurrence {
    sys_days date;
    std::size_t index = 0;  // of the reminder in the list given
    friend bool operator==(const Occurrence&, const Occurrence&) = default;
};

// Every day the reminders fall on in a Gregorian year, in date order (a reminder's order in the
// list breaks ties). A lunar date can fall twice in one Gregorian year (a 冬月 day in January
// and again in December); lunar days exist only from 1901-02-19 to 2100-02-08.
std::vector<Occurrence> OccurrencesInYear(std::span<const Reminder> reminders, int year);
// The days from `from` to `days` days after it, both included, in date order.
std::vector<Occurrence> OccurrencesFrom(std::span<const Reminder> reminders, sys_days from,
                                        int days);
// What to remind of on a day: the occurrences from today on that lie within their reminder's
// days ahead.
std::vector<Occurrence> DueOn(std::span<const Reminder> reminders, sys_days today);

}  // namespace remind

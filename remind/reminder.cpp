#include "remind/reminder.h"

#include <algorithm>

#include "calendar/lunar.h"
#include "calendar/range.h"
#include "calendar/text.h"

namespace remind {

namespace {

using namespace std::chrono;

std::optional<sys_days> GregorianOccurrence(const Rule& rule, int year) {
    const year_month_day ymd{std::chrono::year{year}, month{static_cast<unsigned>(rule.month)},
                             day{static_cast<unsigned>(rule.day)}};
    if (ymd.ok()) return sys_days{ymd};
    // Only 2月29日 is missing in some years; it falls on the 28th.
    if (rule.month == 2 && rule.day == 29) return sys_days{std::chrono::year{year} / 2 / 28};
    return std::nullopt;
}

std::optional<sys_days> OnceOccurrence(const Rule& rule) {
    const year_month_day ymd{std::chrono::year{rule.year}, month{static_cast<unsigned>(rule.month)},
                             day{static_cast<unsigned>(rule.day)}};
    if (!ymd.ok()) return std::nullopt;
    return sys_days{ymd};
}

void AddOccurrences(const Reminder& reminder, std::size_t index, int year,
                    std::vector<Occurrence>& out) {
    const auto add = [&](std::optional<sys_days> d) {
        if (d && year_month_day{*d}.year() == std::chrono::year{year}) out.push_back({*d, index});
    };
    switch (reminder.rule.kind) {
        case RuleKind::LunarYearly:
            // A Gregorian year holds the end of one lunar year and the start of the next.
            add(LunarOccurrence(reminder.rule, year - 1));
            add(LunarOccurrence(reminder.rule, year));
            break;
        case RuleKind::GregorianYearly:
            add(GregorianOccurrence(reminder.rule, year));
            break;
        case RuleKind::Once:
            add(OnceOccurrence(reminder.rule));
            break;
    }
}

void SortByDate(std::vector<Occurrence>& occurrences) {
    std::sort(occurrences.begin(), occurrences.end(), [](const Occurrence& a, const Occurrence& b) {
        return a.date != b.date ? a.date < b.date : a.index < b.index;
    });
}

}  // namespace

std::string RuleText(const Rule& rule) {
    std::string text;
    switch (rule.kind) {
        case RuleKind::LunarYearly:
            text = rule.leap ? "农历闰" : "农历";
            break;
        case RuleKind::GregorianYearly:
            text = "公历";
            break;
        case RuleKind::Once:
            calendar::AppendZeroPadded(text, rule.year, 4);
            text += '-';
            break;
    }
    calendar::AppendZeroPadded(text, rule.month, 2);
    text += '-';
    calendar::AppendZeroPadded(text, rule.day, 2);
    return text;
}

bool IsValidRule(const Rule& rule) {
    if (rule.month < 1 || rule.month > 12 || rule.day < 1) return false;
    switch (rule.kind) {
        case RuleKind::LunarYearly:
            return rule.day <= 30;
        case RuleKind::GregorianYearly:
            // 2000 is a leap year, so every month and day of some year is valid in it.
            return rule.day <= 31 && !rule.leap &&
                   year_month_day{2000y, month{static_cast<unsigned>(rule.month)},
                                  day{static_cast<unsigned>(rule.day)}}
                       .ok();
        case RuleKind::Once:
            return !rule.leap && rule.day <= 31 && OnceOccurrence(rule).has_value();
    }
    return false;
}

std::vector<int> LeapMonthNumbers() {
    std::vector<int> months;
    for (int month = 1; month <= 12; ++month) {
        for (int year = calendar::kFirstLunarYear; year <= calendar::kLastLunarYear; ++year) {
            if (calendar::LeapMonthOf(year) == month) {
                months.push_back(month);
                break;
            }
        }
    }
    return months;
}

std::optional<sys_days> LunarOccurrence(const Rule& rule, int lunarYear) {
    if (rule.kind != RuleKind::LunarYearly || lunarYear < calendar::kFirstLunarYear ||
        lunarYear > calendar::kLastLunarYear || rule.month < 1 || rule.month > 12 || rule.day < 1 ||
        rule.day > 30)
        return std::nullopt;
    calendar::LunarDate date{lunarYear, rule.month, 1,
                             rule.leap && calendar::LeapMonthOf(lunarYear) == rule.month};
    const int length = calendar::LunarMonthLength(lunarYear, calendar::MonthSlot(date));
    date.day = std::min(rule.day, length);
    return calendar::GregorianOf(date);
}

std::vector<Occurrence> OccurrencesInYear(std::span<const Reminder> reminders, int year) {
    std::vector<Occurrence> out;
    out.reserve(reminders.size() + reminders.size() / 8);
    for (std::size_t i = 0; i < reminders.size(); ++i) AddOccurrences(reminders[i], i, year, out);
    SortByDate(out);
    return out;
}

std::vector<Occurrence> OccurrencesFrom(std::span<const Reminder> reminders, sys_days from,
                                        int days) {
    const sys_days to = from + std::chrono::days{std::max(days, 0)};
    std::vector<Occurrence> out;
    for (int year = static_cast<int>(year_month_day{from}.year());
         year <= static_cast<int>(year_month_day{to}.year()); ++year) {
        for (std::size_t i = 0; i < reminders.size(); ++i) {
            const std::size_t before = out.size();
            AddOccurrences(reminders[i], i, year, out);
            out.erase(
                std::remove_if(out.begin() + static_cast<std::ptrdiff_t>(before), out.end(),
                               [&](const Occurrence& o) { return o.date < from || o.date > to; }),
                out.end());
        }
    }
    SortByDate(out);
    return out;
}

std::vector<Occurrence> DueOn(std::span<const Reminder> reminders, sys_days today) {
    std::vector<Occurrence> due = OccurrencesFrom(reminders, today, kMaxDaysAhead);
    std::erase_if(due, [&](const Occurrence& o) {
        return o.date - today > std::chrono::days{reminders[o.index].daysAhead};
    });
    return due;
}

}  // namespace remind

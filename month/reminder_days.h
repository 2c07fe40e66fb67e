#pragma once
// The user's reminders as the month view sees them: names on days. What a reminder is and how
// its days are found belongs to the reminders; the program shell hands the view their days.
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "calendar/date.h"

namespace month {

using calendar::sys_days;

struct DayReminder {
    sys_days date;
    std::string name;
};

// The reminders falling in a Gregorian year, in date order (a day may carry several).
using RemindersOfYear = std::function<std::vector<DayReminder>(int year)>;

// The days of the years from `first` to `last`, both included, in date order; nothing without
// a source.
std::vector<DayReminder> RemindersOfYears(const RemindersOfYear& source, int first, int last);

// The names on one day, in the order given.
std::vector<std::string> RemindersOn(std::span<const DayReminder> reminders, sys_days day);

// The details' line of a day's reminders, "提醒：妈妈生日、结婚纪念日", naming the first `shown`
// of them and counting the rest ("提醒：妈妈生日、外婆生日等5项"); "" for none.
std::string ReminderLine(std::span<const std::string> names, std::size_t shown);

}  // namespace month

#include "month/reminder_days.h"

namespace month {

std::vector<DayReminder> RemindersOfYears(const RemindersOfYear& source, int first, int last) {
    std::vector<DayReminder> all;
    if (!source) return all;
    for (int year = first; year <= last; ++year) {
        std::vector<DayReminder> some = source(year);
        all.insert(all.end(), std::make_move_iterator(some.begin()),
                   std::make_move_iterator(some.end()));
    }
    return all;
}

std::vector<std::string> RemindersOn(std::span<const DayReminder> reminders, sys_days day) {
    std::vector<std::string> names;
    for (const DayReminder& reminder : reminders)
        if (reminder.date == day) names.push_back(reminder.name);
    return names;
}

std::string ReminderLine(std::span<const std::string> names, std::size_t shown) {
    if (names.empty()) return {};
    if (shown == 0) shown = 1;
    std::string line = "提醒：";
    for (std::size_t i = 0; i < shown && i < names.size(); ++i)
        line += (i > 0 ? "、" : "") + names[i];
    if (shown < names.size()) line += "等" + std::to_string(names.size()) + "项";
    return line;
}

}  // namespace month

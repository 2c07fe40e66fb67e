#include "app/reminder_days_win.h"

#include <memory>

#include "remind/file_system_win.h"
#include "remind/reminders_file.h"

namespace app {

month::RemindersOfYear ReadUserReminders() {
    remind::WinFileSystem files;
    const std::string path = remind::UserRemindersPath();
    if (path.empty()) return {};
    const calendar::UserFile file = files.Read(path);
    if (file.state != calendar::UserFileState::Read) return {};
    auto reminders = std::make_shared<const std::vector<remind::Reminder>>(
        remind::ParseReminderFile(file.text).Reminders());
    if (reminders->empty()) return {};
    return [reminders](int year) {
        std::vector<month::DayReminder> days;
        for (const remind::Occurrence& o : remind::OccurrencesInYear(*reminders, year))
            days.push_back({o.date, (*reminders)[o.index].name});
        return days;
    };
}

}  // namespace app

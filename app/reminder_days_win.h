#pragma once
// The user's reminders as the month view takes them: the file read now, its days found per
// year when the view asks. A missing or unreadable file, or its unreadable lines, give no
// days: the reminders window is where they are named.
#include "month/reminder_days.h"

namespace app {

month::RemindersOfYear ReadUserReminders();

}  // namespace app

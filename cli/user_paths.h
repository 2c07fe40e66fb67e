#pragma once
// Where the user's own files live when a command is not given one.
#include <string>

namespace cli {

// %APPDATA%\Tavelon\reminders.txt on Windows (cli/user_paths_win.cpp); elsewhere
// $XDG_CONFIG_HOME/Tavelon/reminders.txt, or ~/.config/Tavelon/reminders.txt without it.
// "" when neither the folder nor a home is known.
std::string DefaultRemindersPath();

}  // namespace cli

#include <cstdlib>
#include <string>

#include "cli/console_win.h"
#include "cli/user_paths.h"
#include "remind/reminders_file.h"

namespace cli {

std::string DefaultRemindersPath() {
    // The wide environment: a user name in Chinese survives only there.
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (!appData || !*appData) return {};
    return Utf8Of(appData) + "\\Tavelon\\" + std::string(remind::kRemindersFileName);
}

}  // namespace cli

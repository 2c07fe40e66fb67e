// The paths on systems other than Windows.
#ifndef _WIN32
#include <cstdlib>
#include <string>

#include "cli/user_paths.h"
#include "remind/reminders_file.h"

namespace cli {

std::string DefaultRemindersPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config && *config == '/') {
        folder = config;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        folder = std::string(home) + "/.config";
    } else {
        return {};
    }
    return folder + "/Tavelon/" + std::string(remind::kRemindersFileName);
}

}  // namespace cli
#endif

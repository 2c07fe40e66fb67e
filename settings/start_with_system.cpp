#include "settings/start_with_system.h"

namespace settings {

ProgramPath SplitProgramPath(std::string_view modulePath) {
    const auto cut = modulePath.find_last_of(":/\\");
    if (cut == std::string_view::npos) return {{}, std::string(modulePath)};
    return {std::string(modulePath.substr(0, cut + 1)), std::string(modulePath.substr(cut + 1))};
}

std::string StartWithSystemText(std::string_view directory, std::string_view file) {
    std::string path = std::string(directory) + std::string(file);
    if (path.find(' ') != std::string::npos) path = "\"" + path + "\"";
    return path;
}

bool SetStartWithSystem(SettingsStore& store, std::string_view directory, std::string_view file) {
    return WriteSetting(store, kRunKey, kRunValue, StartWithSystemText(directory, file));
}

bool RemoveStartWithSystem(SettingsStore& store) {
    return DeleteSetting(store, kRunKey, kRunValue);
}

}  // namespace settings

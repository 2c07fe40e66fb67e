#include "settings/store.h"

namespace settings {

std::string ReadSetting(SettingsStore& store, std::string_view subkey, std::string_view name) {
    return store.Read(subkey, name);
}

bool WriteSetting(SettingsStore& store, std::string_view subkey, std::string_view name,
                  std::string_view text) {
    return store.Write(subkey, name, text);
}

bool DeleteSetting(SettingsStore& store, std::string_view subkey, std::string_view name) {
    // With an empty name the key itself goes; an empty subkey would then name the root of
    // the current user's hive, which no caller may ever delete.
    if (subkey.empty()) return false;
    return store.Delete(subkey, name);
}

}  // namespace settings

#pragma once
// Text settings under the current user: the registry on Windows, a map in tests.
#include <string>
#include <string_view>

namespace settings {

inline constexpr std::string_view kSettingsKey = "Software\\Tavelon";
inline constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kRunValue = "Tavelon";
inline constexpr std::string_view kAlarm1Value = "L1";
inline constexpr std::string_view kAlarm2Value = "L2";
inline constexpr std::string_view kChimeValue = "BS";
inline constexpr std::string_view kColourValue = "ZS";

// Every key lives under the current user; subkeys are given without a trailing "\".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or "" when the key or value is missing or cannot be read.
    virtual std::string Read(std::string_view subkey, std::string_view name) = 0;
    // True only when the value now holds text.
    virtual bool Write(std::string_view subkey, std::string_view name, std::string_view text) = 0;
    // An empty name deletes the whole key with all its values. True on success.
    virtual bool Delete(std::string_view subkey, std::string_view name) = 0;
};

// An empty text means the setting is not set, whatever the reason.
std::string ReadSetting(SettingsStore& store, std::string_view subkey, std::string_view name);
bool WriteSetting(SettingsStore& store, std::string_view subkey, std::string_view name,
                  std::string_view text);
bool DeleteSetting(SettingsStore& store, std::string_view subkey, std::string_view name);

}  // namespace settings

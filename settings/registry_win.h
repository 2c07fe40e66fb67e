#pragma once
// The settings store in the registry under HKEY_CURRENT_USER; values are REG_SZ texts.
#include <string>
#include <string_view>

#include "settings/store.h"

namespace settings {

class RegistrySettingsStore final : public SettingsStore {
public:
    // Reads through a 2048-byte buffer: a longer value reads as "". The stored type is not
    // checked; only the bytes returned are used, up to the first NUL, an odd last byte dropped.
    std::string Read(std::string_view subkey, std::string_view name) override;
    // REG_SZ whose byte count is twice the UTF-16 length, the NUL not counted.
    bool Write(std::string_view subkey, std::string_view name, std::string_view text) override;
    bool Delete(std::string_view subkey, std::string_view name) override;
};

}  // namespace settings

#pragma once
// A settings store held in memory, for tests and for platforms without a registry. Writes and
// deletes can be made to fail so that every failure path can be exercised.
#include <map>
#include <string>
#include <string_view>

#include "settings/store.h"

namespace settings {

class MemorySettingsStore final : public SettingsStore {
public:
    std::string Read(std::string_view subkey, std::string_view name) override;
    bool Write(std::string_view subkey, std::string_view name, std::string_view text) override;
    bool Delete(std::string_view subkey, std::string_view name) override;

    // While set, Write or Delete changes nothing and returns false.
    bool failWrites = false;
    bool failDeletes = false;

    bool HasKey(std::string_view subkey) const;
    // subkey -> (name -> text). A key exists apart from its values, as registry keys do.
    std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> keys;
};

}  // namespace settings

#include "settings/memory_store.h"

namespace settings {

std::string MemorySettingsStore::Read(std::string_view subkey, std::string_view name) {
    auto key = keys.find(subkey);
    if (key == keys.end()) return {};
    auto value = key->second.find(name);
    return value == key->second.end() ? std::string() : value->second;
}

bool MemorySettingsStore::Write(std::string_view subkey, std::string_view name,
                                std::string_view text) {
    if (failWrites) return false;
    auto key = keys.try_emplace(std::string(subkey)).first;
    key->second.insert_or_assign(std::string(name), std::string(text));
    return true;
}

bool MemorySettingsStore::Delete(std::string_view subkey, std::string_view name) {
    if (failDeletes) return false;
    auto key = keys.find(subkey);
    if (key == keys.end()) return false;
    if (name.empty()) {
        keys.erase(key);
        return true;
    }
    auto value = key->second.find(name);
    if (value == key->second.end()) return false;
    key->second.erase(value);
    return true;
}

bool MemorySettingsStore::HasKey(std::string_view subkey) const {
    return keys.find(subkey) != keys.end();
}

}  // namespace settings

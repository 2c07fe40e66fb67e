#include "settings/registry_win.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <limits>

#include "ui/text.h"
#include "ui/unique.h"

namespace settings {

namespace {

constexpr DWORD kReadBufferBytes = 2048;

// Keys are opened as subkey + "\"; the bare subkey is what RegDeleteKeyW wants.
std::wstring OpenPath(std::string_view subkey) { return ui::Widen(subkey) + L"\\"; }

}  // namespace

std::string RegistrySettingsStore::Read(std::string_view subkey, std::string_view name) {
    ui::UniqueKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, OpenPath(subkey).c_str(), 0, KEY_READ, key.put()) !=
        ERROR_SUCCESS) {
        return {};
    }
    std::array<wchar_t, kReadBufferBytes / sizeof(wchar_t)> buffer{};
    DWORD bytes = kReadBufferBytes;
    // A value longer than the buffer fails with ERROR_MORE_DATA and reads as not set.
    if (RegQueryValueExW(key.get(), ui::Widen(name).c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(buffer.data()), &bytes) != ERROR_SUCCESS) {
        return {};
    }
    // Whatever the stored type, only the bytes returned count: an odd last byte is no whole
    // UTF-16 unit, and the text may or may not carry its NUL.
    std::wstring_view text(buffer.data(),
                           std::min<DWORD>(bytes, kReadBufferBytes) / sizeof(wchar_t));
    text = text.substr(0, text.find(L'\0'));
    return ui::Narrow(text);
}

bool RegistrySettingsStore::Write(std::string_view subkey, std::string_view name,
                                  std::string_view text) {
    const std::wstring wide = ui::Widen(text);
    if (wide.size() > std::numeric_limits<DWORD>::max() / sizeof(wchar_t)) return false;
    ui::UniqueKey key;
    wchar_t emptyClass[] = L"";
    if (RegCreateKeyExW(HKEY_CURRENT_USER, OpenPath(subkey).c_str(), 0, emptyClass,
                        REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, key.put(),
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    // The byte count leaves the terminating NUL out; readers of the value do not need it.
    const DWORD bytes = static_cast<DWORD>(wide.size() * sizeof(wchar_t));
    return RegSetValueExW(key.get(), ui::Widen(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(wide.c_str()), bytes) == ERROR_SUCCESS;
}

bool RegistrySettingsStore::Delete(std::string_view subkey, std::string_view name) {
    if (name.empty()) {
        return RegDeleteKeyW(HKEY_CURRENT_USER, ui::Widen(subkey).c_str()) == ERROR_SUCCESS;
    }
    ui::UniqueKey key;
    if (RegOpenKeyW(HKEY_CURRENT_USER, OpenPath(subkey).c_str(), key.put()) != ERROR_SUCCESS) {
        return false;
    }
    return RegDeleteValueW(key.get(), ui::Widen(name).c_str()) == ERROR_SUCCESS;
}

}  // namespace settings

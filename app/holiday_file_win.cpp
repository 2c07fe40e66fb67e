#include "app/holiday_file_win.h"

#include <windows.h>
#include <shlobj.h>
#include <knownfolders.h>

#include "ui/text.h"
#include "ui/unique.h"

namespace app {

month::HolidayFile ReadHolidayFile(const std::wstring& path) {
    using month::HolidayFileState;
    if (path.empty()) return {};
    // Shared with writers too: an editor that keeps the file open must not make it unreadable.
    HANDLE opened = CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return {};
    const ui::UniqueHandle file(opened);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return {};
    if (static_cast<unsigned long long>(size.QuadPart) > month::kMaxHolidayFileBytes)
        return {HolidayFileState::TooBig, {}};
    std::string text(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!text.empty() &&
        !ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr))
        return {};
    text.resize(read);
    return {HolidayFileState::Read, std::move(text)};
}

std::wstring UserHolidayFilePath() {
    PWSTR folder = nullptr;
    std::wstring path;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder)) && folder)
        path = std::wstring(folder) + L"\\Tavelon\\" + ui::Widen(month::kHolidayFileName);
    CoTaskMemFree(folder);
    return path;
}

month::HolidayFile ReadUserHolidayFile() { return ReadHolidayFile(UserHolidayFilePath()); }

}  // namespace app

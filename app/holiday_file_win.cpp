#include "app/holiday_file_win.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <knownfolders.h>
#include <objbase.h>

#include "settings/user_file.h"
#include "ui/text.h"
#include "ui/unique.h"

namespace app {

month::HolidayFile ReadHolidayFile(const std::wstring& path) {
    return settings::ReadUserFile(ui::Narrow(path), month::kMaxHolidayFileBytes);
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

bool CreateHolidayFile(const std::wstring& path, std::string_view text) {
    const std::size_t slash = path.find_last_of(L'\\');
    if (path.empty() || slash == std::wstring::npos) return false;
    // The folder exists once the program has saved anything; on a first run it may not.
    CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
    HANDLE opened = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_EXISTS;
    bool whole = true;
    {
        const ui::UniqueHandle file(opened);
        DWORD written = 0;
        whole = WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written,
                          nullptr) &&
                written == text.size();
    }
    if (!whole) DeleteFileW(path.c_str());
    return whole;
}

bool CreateUserHolidayFile(std::string_view text) {
    return CreateHolidayFile(UserHolidayFilePath(), text);
}

bool OpenUserHolidayFile() {
    const std::wstring path = UserHolidayFilePath();
    if (path.empty()) return false;
    // The shell may hand the file to an extension, which needs COM on the calling thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const HINSTANCE done =
        ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (SUCCEEDED(com)) CoUninitialize();
    return reinterpret_cast<INT_PTR>(done) > 32;
}

}  // namespace app

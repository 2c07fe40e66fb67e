#include "app/holiday_file_win.h"

#include <windows.h>
#include <shlobj.h>
#include <knownfolders.h>

#include "settings/user_file.h"
#include "ui/text.h"

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

}  // namespace app

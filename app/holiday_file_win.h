#pragma once
// The user's holiday schedule, %APPDATA%\Tavelon\holidays.txt: read when the month view opens,
// never written. A missing file is no error; one that cannot be read or is over the size
// limit is said in the view.
#include <string>

#include "month/holiday_source.h"

namespace app {

month::HolidayFile ReadHolidayFile(const std::wstring& path);
// The file in the user's roaming application data folder; "" when the folder is unknown.
std::wstring UserHolidayFilePath();
month::HolidayFile ReadUserHolidayFile();

}  // namespace app

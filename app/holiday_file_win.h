#pragma once
// The user's holiday schedule, %APPDATA%\Tavelon\holidays.txt: read when the month view opens,
// written only to create it from the template when the user asks to add a year. A missing
// file is no error; one that cannot be read or is over the size limit is said in the view.
#include <string>
#include <string_view>

#include "month/holiday_source.h"

namespace app {

month::HolidayFile ReadHolidayFile(const std::wstring& path);
// The file in the user's roaming application data folder; "" when the folder is unknown.
std::wstring UserHolidayFilePath();
month::HolidayFile ReadUserHolidayFile();

// Creates the file (and its folder) with the text, never over a file already there: true when
// the file is there afterwards. A file that cannot be written whole is removed again.
bool CreateHolidayFile(const std::wstring& path, std::string_view text);
bool CreateUserHolidayFile(std::string_view text);
// Opens the user's file with the program the system opens text files with.
bool OpenUserHolidayFile();

}  // namespace app

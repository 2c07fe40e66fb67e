#pragma once
// The holiday schedule the month view and tavelon-cal use: the built-in one with the user's
// file over it, and what the view says about that file and about a year without a schedule.
// Reading the file is left to the caller (the program reads it from the user's application
// data folder, tavelon-cal from the file it is given); nothing ever writes it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/holidays.h"
#include "calendar/user_text.h"
#include "month/month_page.h"

namespace month {

inline constexpr std::string_view kHolidayFileName = "holidays.txt";
inline constexpr std::uintmax_t kMaxHolidayFileBytes = calendar::kMaxUserFileBytes;

// Absent: the built-in schedule alone, and no complaint; TooBig and Unreadable are said.
using HolidayFileState = calendar::UserFileState;
using HolidayFile = calendar::UserFile;

struct Holidays {
    calendar::HolidaySchedule schedule;
    // "holidays.txt 第3行：日期无效，已跳过", one per skipped line; or why the file was not read.
    std::vector<std::string> problems;
};

// The problems name the file as `shownName`: the program's own file, or the one tavelon-cal
// was given.
Holidays LoadHolidays(const HolidayFile& file, std::string_view shownName = kHolidayFileName);

// At most this many lines below the details: the year without a schedule, then the file's
// problems, the last line counting those left out.
inline constexpr std::size_t kNoteLines = 3;

// The note of the month shown, lines joined by CR LF; "" when there is nothing to say.
std::string MonthNote(const MonthPage& page, const Holidays& holidays);

}  // namespace month

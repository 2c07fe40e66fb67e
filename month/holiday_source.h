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
#include "month/month_page.h"

namespace month {

inline constexpr std::string_view kHolidayFileName = "holidays.txt";
// A schedule file is a few kilobytes; anything this large is not one, and is not read.
inline constexpr std::uintmax_t kMaxHolidayFileBytes = 1024 * 1024;

enum class HolidayFileState {
    Absent,  // missing or unreadable: the built-in schedule alone, and no complaint
    Read,
    TooBig,  // over kMaxHolidayFileBytes, not read
};

struct HolidayFile {
    HolidayFileState state = HolidayFileState::Absent;
    std::string text;
};

struct Holidays {
    calendar::HolidaySchedule schedule;
    // "holidays.txt 第3行：日期无效，已跳过", one per skipped line; or the file's size.
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

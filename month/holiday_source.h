#pragma once
// The holiday schedule the month view and tavelon-cal use: the built-in one with the user's
// file over it, and what the view says about that file and about a year without a schedule.
// Reading the file is left to the caller (the program reads it from the user's application
// data folder, tavelon-cal from the file it is given); the program writes it only once, to
// create it with the template below when the user asks to add a year's schedule.
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
    HolidayFileState fileState = HolidayFileState::Absent;
    // "2026、2027年放假安排取自holidays.txt，代替内置的2026年安排": the years the file gave,
    // and which of them it took from the built-in schedule; "" when it gave none.
    std::string fileYears;
};

// The problems name the file as `shownName`: the program's own file, or the one tavelon-cal
// was given.
Holidays LoadHolidays(const HolidayFile& file, std::string_view shownName = kHolidayFileName);

// "2004至2006、2027": the years ascending, three or more in a row as a span.
std::string YearsText(const std::vector<int>& years);

// The note of the month shown, lines joined by CR LF, every one of them (the view scrolls
// them): the year without a schedule, unless the file that may hold it was not read; the
// years the file gave; why the file was not read, or each line it skipped. "" when there is
// nothing to say.
std::string MonthNote(const MonthPage& page, const Holidays& holidays);

// Whether the view offers to add the shown year's schedule to the file: the year has none,
// and the file is absent or can be opened.
bool OffersSchedule(const MonthPage& page, const Holidays& holidays);

// The file a user starts from: comments, CR LF ended, in UTF-8 with a byte-order mark so that
// an editor that would guess the local code page keeps UTF-8. It explains the form with the
// year shown and leaves every day to the user: a commented example reads as nothing.
std::string HolidayFileTemplate(int year);

}  // namespace month

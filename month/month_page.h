#pragma once
// One month at a glance: six weeks of seven days, Sunday first, with the week number of each
// row, each day's one line below its number and its holiday badge, and the header above.
#include <array>
#include <chrono>
#include <span>
#include <string>

#include "calendar/date.h"
#include "calendar/holidays.h"
#include "month/reminder_days.h"

namespace month {

using calendar::sys_days;
using std::chrono::year_month;

// The months the view offers: those with a day of lunar date, 1901-02 (whose lunar days
// begin on the 19th) to 2100-02 (whose end on the 8th).
inline constexpr year_month kFirstMonth{std::chrono::year{1901}, std::chrono::February};
inline constexpr year_month kLastMonth{std::chrono::year{2100}, std::chrono::February};
constexpr bool InMonthRange(year_month m) { return m >= kFirstMonth && m <= kLastMonth; }
// The nearest month the view offers.
year_month ClampMonth(year_month m);

inline constexpr int kColumns = 7;
inline constexpr int kRows = 6;
inline constexpr int kCells = kColumns * kRows;

enum class Badge { None, Off, Work };  // 休, 班

// What a cell's line names, so that the window can tell them apart at a glance.
enum class LineKind { None, LunarDay, MonthName, Term, Festival };

struct MonthCell {
    sys_days date;
    int day = 0;       // 1..31
    std::string line;  // festivals, else the term, else the lunar day; "" without a lunar date
    LineKind lineKind = LineKind::None;
    bool dimmed = false;  // a day of the month before or after
    bool today = false;
    bool weekend = false;  // Saturday or Sunday
    Badge badge = Badge::None;
    bool reminder = false;  // a reminder falls on the day
};

struct MonthPage {
    year_month month;
    std::string header;                   // "2026年12月 · 丙午马年 十月/冬月"
    std::array<MonthCell, kCells> cells;  // row by row, from the Sunday on or before the 1st
    std::array<int, kRows> weeks{};       // the week number at the left of each row
    bool scheduleKnown = false;  // whether the holiday schedule of the month's year is known
};

// The line under a day's number: the festivals of the day (as the festival list gives them),
// else the solar term on its day, else the lunar day ("初二" .. "三十"), where the first day of
// a lunar month shows the month's plain name ("正月", "闰二月"). "" outside the lunar range.
std::string CellLine(sys_days day);

// "2026年12月 · 丙午马年 十月/冬月": the year and month, then the lunar years and months its
// days fall in, each list joined by "/" ("乙巳蛇年/丙午马年 腊月/正月" across a Spring Festival).
std::string MonthHeader(year_month m);

// The week number a row shows: that of its first day in the month shown (weeks run Sunday to
// Saturday and week 1 holds 1 January), or of its Sunday when none of its days is.
int RowWeek(sys_days sunday, year_month shown);

// The first cell: the Sunday on or before the 1st of the month.
sys_days FirstCellDay(year_month m);

// The reminders mark the cells of their days.
MonthPage ComposeMonthPage(year_month m, sys_days today, const calendar::HolidaySchedule& holidays,
                           std::span<const DayReminder> reminders = {});

}  // namespace month

#pragma once
// The public holidays: days off (休) and make-up working days (班) as the State Council
// announces them each year. A built-in schedule, the parser of a user's text in the same form,
// and the schedule in which the user's years replace the built-in ones whole.
//
// The text form, one day a line: "yyyy-mm-dd", 休 or 班, the holiday's name, separated by a
// tab (or any run of blanks, tabs and ideographic spaces, as an editor or an input method may
// type them). Lines that begin with "#" and blank lines are skipped; the file is read as
// calendar/user_text.h describes.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/date.h"

namespace calendar {

enum class HolidayKind { Off, Work };

// "休" or "班".
std::string_view HolidayKindName(HolidayKind kind);

struct HolidayDay {
    sys_days date;
    HolidayKind kind = HolidayKind::Off;
    std::string name;
    // The year whose announcement lists the day: the 元旦 break may begin in the last days of
    // the December before, and those days belong to the new year's schedule.
    int scheduleYear = 0;
};

// Why a line was skipped.
enum class HolidayProblem {
    BadDate,      // not a yyyy-mm-dd day that exists in 1901..2100
    UnknownKind,  // neither 休 nor 班
    MissingName,
    TooLong,  // the line, or the name, beyond its limit
    InvalidUtf8,
    Repeated,  // a date given on an earlier line already
};

struct HolidayLineError {
    int line = 0;  // counted from 1
    HolidayProblem problem = HolidayProblem::BadDate;
    friend bool operator==(const HolidayLineError&, const HolidayLineError&) = default;
};

// A line longer than this is not a schedule line; a name longer than kMaxHolidayNameLength
// code points would not fit where the name is shown.
inline constexpr std::size_t kMaxHolidayLineBytes = 256;
inline constexpr std::size_t kMaxHolidayNameLength = 16;

struct HolidayList {
    std::vector<HolidayDay> days;  // in date order
    std::vector<HolidayLineError> errors;
};

// Every good line becomes a day; every bad one is skipped and reported with its number.
HolidayList ParseHolidayText(std::string_view text);

// "第3行：日期无效", the report of one skipped line.
std::string HolidayProblemText(const HolidayLineError& error);

class HolidaySchedule {
public:
    // The built-in schedule alone.
    HolidaySchedule();
    // The built-in schedule, with every year that the user's days cover replaced by them.
    explicit HolidaySchedule(const HolidayList& user);

    // The day's entry, or null on an ordinary day.
    const HolidayDay* On(sys_days date) const;
    // Whether the schedule of that year is known.
    bool HasYear(int year) const;
    // The years the user's days replaced, ascending: what the view names as the user's.
    const std::vector<int>& UserYears() const { return userYears_; }

private:
    std::vector<HolidayDay> days_;  // in date order, one per date
    std::vector<int> years_;        // schedule years, ascending
    std::vector<int> userYears_;    // the user's schedule years, ascending
};

// "休 春节", "班 春节", or "" for an ordinary day.
std::string HolidayText(const HolidayDay* day);

// "暂无2027年放假安排".
std::string NoScheduleText(int year);

// The built-in schedule as text, in the form ParseHolidayText reads (made by the build from
// calendar/holidays-cn.tsv).
std::string_view BuiltInHolidayText();

}  // namespace calendar

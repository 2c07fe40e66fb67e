#pragma once
// The reminders file, %APPDATA%\Tavelon\reminders.txt: UTF-8, one reminder a line, fields
// separated by a tab (or any run of blanks): the rule ("农历MM-DD", "农历闰MM-DD",
// "公历MM-DD" or "YYYY-MM-DD"), the name, and optionally "提前N天". "#" starts a comment.
//
// It is user data: a line the program cannot read is kept, as it is and in its place, and
// written back so; the file is written whole (see remind/save.h).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "remind/reminder.h"

namespace remind {

inline constexpr std::string_view kRemindersFileName = "reminders.txt";
inline constexpr std::string_view kBackupFileName = "reminders.bak";

// Why a line was not read.
enum class LineProblem {
    BadRule,    // no rule of the four forms
    NoSuchDay,  // a rule of those forms that names no day: 农历13-01, 公历02-30, 2027-02-30
    MissingName,
    NameTooLong,
    BadDaysAhead,  // a third field that is not 提前0天..提前30天
    InvalidUtf8,
};

struct LineError {
    int line = 0;  // counted from 1
    LineProblem problem = LineProblem::BadRule;
    friend bool operator==(const LineError&, const LineError&) = default;
};

// "第3行：日期不存在", the report of one line.
std::string LineProblemText(const LineError& error);

// One line of the file: what it says, and the reminder read from it. A comment, a blank line
// and an unreadable line have none and are written back as they are; a reminder's line is
// written as it is while it still reads as that reminder, and anew once it was changed.
struct ReminderLine {
    std::string text;
    std::optional<Reminder> reminder;
};

struct ReminderFile {
    std::vector<ReminderLine> lines;
    std::vector<LineError> errors;  // in line order
    bool crLf = true;  // the line ends to write: those found, or Windows' own for a new file

    std::vector<Reminder> Reminders() const;
    // The rule field of each reminder's line as written there, in the order of Reminders().
    std::vector<std::string> RuleFields() const;
};

// One line; nothing with `problem` set when it is not a reminder (a comment or a blank line
// leaves `problem` alone as nothing too).
std::optional<Reminder> ParseReminderLine(std::string_view line,
                                          std::optional<LineProblem>& problem);
// The line a reminder is written as: rule, tab, name, and a tab and "提前N天" when N > 0.
std::string ReminderLineText(const Reminder& reminder);

ReminderFile ParseReminderFile(std::string_view bytes);
// The whole file to write, every line ended.
std::string ReminderFileText(const ReminderFile& file);

}  // namespace remind

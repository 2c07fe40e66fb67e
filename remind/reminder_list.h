#pragma once
// What the reminders window shows and does to the file it edits: a row per reminder, the
// rule as a person says it, the next day it falls on, and the edits, which leave every other
// line of the file (comments, blank lines, lines the program cannot read) where it was.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "remind/reminders_file.h"

namespace remind {

// "农历三月十五", "农历闰四月十五", "每年5月20日", "2027年1月15日".
std::string RuleLabel(const Rule& rule);

struct ReminderRow {
    std::string name;
    std::string rule;   // RuleLabel
    std::string next;   // "2026-05-20", or "" when the day has passed (a date once) or lies
                        // outside the lunar table
    std::string until;  // "今天", "3天后", "已过", or ""
};

// The rows of the file's reminders, in the file's order, as seen on `today`.
std::vector<ReminderRow> ListRows(const ReminderFile& file, sys_days today);

// The next day a reminder falls on, from today on; nothing after a date once has passed.
std::optional<sys_days> NextOccurrence(const Reminder& reminder, sys_days today);

// Why the editor's reminder cannot be kept, as the window says it; nothing when it can. The
// name is taken as trimmed, and it must read back from its line as the same reminder (a name
// that ends in "提前3天" would come back as the days ahead).
std::optional<std::string> EditProblem(const Reminder& reminder);
// The name as the editor keeps it: blanks at the ends dropped, a tab read as a blank.
std::string CleanName(std::string_view name);

// The edits; `index` counts the reminders in file order, as ListRows does. An index out of
// range changes nothing and answers false.
void AddReminder(ReminderFile& file, const Reminder& reminder);
bool ChangeReminder(ReminderFile& file, std::size_t index, const Reminder& reminder);
bool RemoveReminder(ReminderFile& file, std::size_t index);

// The lines the program could not read, one "第3行：日期不存在" a line, joined by CR LF.
std::string LineProblemsText(const ReminderFile& file);

// The day's note: one line per due reminder, "今天  妈妈生日（农历三月十五）" or
// "3天后  结婚纪念日（每年5月20日）", joined by CR LF. Past `maxLines` lines the last one
// counts the rest: "另有5项，见“提醒”窗口".
std::string NoteText(std::span<const Reminder> reminders, std::span<const Occurrence> due,
                     sys_days today, std::size_t maxLines = 10);

// Which due reminders the day's note has already named today, so that each is named once a
// day: a reminder counts as the same while its name, rule and day are.
class NotedToday {
public:
    // The ones of `due` not yet named on `today`, now counted as named. A new day forgets the
    // old one.
    std::vector<Occurrence> TakeNew(std::span<const Reminder> reminders,
                                    std::span<const Occurrence> due, sys_days today);

private:
    sys_days day_{};
    std::vector<std::string> named_;
};

}  // namespace remind

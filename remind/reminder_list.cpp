#include "remind/reminder_list.h"

#include <algorithm>

#include "calendar/name_tables.h"
#include "calendar/text.h"
#include "calendar/user_text.h"

namespace remind {

namespace {

// A lunar year has at most 385 days, so a yearly reminder falls within this span of any day.
constexpr int kYearAhead = 400;

std::string UntilText(int days) {
    return days == 0 ? std::string("今天") : std::to_string(days) + "天后";
}

// The reminders' lines, in file order, by the reminder's index.
std::optional<std::size_t> LineOfReminder(const ReminderFile& file, std::size_t index) {
    for (std::size_t i = 0; i < file.lines.size(); ++i)
        if (file.lines[i].reminder && index-- == 0) return i;
    return std::nullopt;
}

}  // namespace

std::string RuleLabel(const Rule& rule) {
    switch (rule.kind) {
        case RuleKind::LunarYearly:
            return std::string("农历") + (rule.leap ? "闰" : "") +
                   std::string(calendar::LunarMonthPlainName(rule.month)) +
                   std::string(calendar::LunarDayName(rule.day));
        case RuleKind::GregorianYearly:
            return "每年" + std::to_string(rule.month) + "月" + std::to_string(rule.day) + "日";
        case RuleKind::Once:
            return std::to_string(rule.year) + "年" + std::to_string(rule.month) + "月" +
                   std::to_string(rule.day) + "日";
    }
    return {};
}

std::optional<sys_days> NextOccurrence(const Reminder& reminder, sys_days today) {
    const std::vector<Occurrence> next =
        OccurrencesFrom(std::span<const Reminder>(&reminder, 1), today, kYearAhead);
    if (next.empty()) return std::nullopt;
    return next.front().date;
}

std::vector<ReminderRow> ListRows(const ReminderFile& file, sys_days today) {
    std::vector<ReminderRow> rows;
    for (const ReminderLine& line : file.lines) {
        if (!line.reminder) continue;
        const Reminder& r = *line.reminder;
        ReminderRow row{r.name, RuleLabel(r.rule), {}, {}};
        if (const auto next = NextOccurrence(r, today)) {
            row.next = calendar::FormatDate(*next);
            row.until = UntilText(static_cast<int>((*next - today).count()));
        } else if (r.rule.kind == RuleKind::Once) {
            row.until = "已过";
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string CleanName(std::string_view name) {
    return calendar::TabsAsBlanks(calendar::TrimBlanks(name));
}

std::optional<std::string> EditProblem(const Reminder& reminder) {
    if (reminder.name.empty()) return "请填写名称。";
    if (calendar::CodePointCount(reminder.name) > kMaxNameLength)
        return "名称最多" + std::to_string(kMaxNameLength) + "个字。";
    if (!IsValidRule(reminder.rule)) return "这一天不存在，请另选月份或日子。";
    if (reminder.daysAhead < 0 || reminder.daysAhead > kMaxDaysAhead)
        return "提前天数须在0到" + std::to_string(kMaxDaysAhead) + "天之间。";
    std::optional<LineProblem> problem;
    if (ParseReminderLine(ReminderLineText(reminder), problem) != reminder)
        return "这个名称存不进提醒文件（不能以“提前N天”结尾，也不能含控制字符），请改一改。";
    return std::nullopt;
}

void AddReminder(ReminderFile& file, const Reminder& reminder) {
    file.lines.push_back({ReminderLineText(reminder), reminder});
}

bool ChangeReminder(ReminderFile& file, std::size_t index, const Reminder& reminder) {
    const auto line = LineOfReminder(file, index);
    if (!line) return false;
    file.lines[*line].reminder = reminder;
    return true;
}

bool RemoveReminder(ReminderFile& file, std::size_t index) {
    const auto line = LineOfReminder(file, index);
    if (!line) return false;
    file.lines.erase(file.lines.begin() + static_cast<std::ptrdiff_t>(*line));
    // The unreadable lines after it moved up one: their numbers name them as they now stand.
    for (LineError& error : file.errors)
        if (error.line > static_cast<int>(*line) + 1) --error.line;
    return true;
}

std::string LineProblemsText(const ReminderFile& file) {
    std::string out;
    for (const LineError& error : file.errors) {
        if (!out.empty()) out += "\r\n";
        out += LineProblemText(error);
    }
    return out;
}

std::string NoteText(std::span<const Reminder> reminders, std::span<const Occurrence> due,
                     sys_days today, std::size_t maxLines) {
    std::string out;
    std::size_t lines = 0;
    for (std::size_t i = 0; i < due.size(); ++i) {
        const Occurrence& o = due[i];
        if (o.index >= reminders.size()) continue;
        const Reminder& r = reminders[o.index];
        if (!out.empty()) out += "\r\n";
        if (++lines == maxLines && i + 1 < due.size()) {
            out += "另有" + std::to_string(due.size() - i) + "项，见“提醒”窗口";
            break;
        }
        out += UntilText(static_cast<int>((o.date - today).count()));
        out += "  ";
        out += r.name;
        out += "（" + RuleLabel(r.rule) + "）";
    }
    return out;
}

std::vector<Occurrence> NotedToday::TakeNew(std::span<const Reminder> reminders,
                                            std::span<const Occurrence> due, sys_days today) {
    if (today != day_) {
        day_ = today;
        named_.clear();
    }
    std::vector<Occurrence> fresh;
    for (const Occurrence& o : due) {
        if (o.index >= reminders.size()) continue;
        std::string key =
            ReminderLineText(reminders[o.index]) + '\n' + calendar::FormatDate(o.date);
        if (std::find(named_.begin(), named_.end(), key) != named_.end()) continue;
        named_.push_back(std::move(key));
        fresh.push_back(o);
    }
    return fresh;
}

}  // namespace remind

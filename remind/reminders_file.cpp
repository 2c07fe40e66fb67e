#include "remind/reminders_file.h"

#include <charconv>

#include "calendar/text.h"
#include "calendar/user_text.h"

namespace remind {

namespace {

constexpr std::string_view kLunar = "农历";
constexpr std::string_view kLeap = "闰";
constexpr std::string_view kGregorian = "公历";
constexpr std::string_view kAheadPrefix = "提前";
constexpr std::string_view kAheadSuffix = "天";

// One or two digits (four for a year), nothing else.
std::optional<int> Number(std::string_view text, std::size_t minDigits, std::size_t maxDigits) {
    if (text.size() < minDigits || text.size() > maxDigits) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// "MM-DD" into the rule's month and day; false when the form is not that.
bool ReadMonthDay(std::string_view text, Rule& rule) {
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos) return false;
    const auto month = Number(text.substr(0, dash), 1, 2);
    const auto day = Number(text.substr(dash + 1), 1, 2);
    if (!month || !day) return false;
    rule.month = *month;
    rule.day = *day;
    return true;
}

std::optional<Rule> ReadRule(std::string_view field, std::optional<LineProblem>& problem) {
    Rule rule;
    bool formed = false;
    if (field.starts_with(kLunar)) {
        field.remove_prefix(kLunar.size());
        rule.kind = RuleKind::LunarYearly;
        rule.leap = field.starts_with(kLeap);
        if (rule.leap) field.remove_prefix(kLeap.size());
        formed = ReadMonthDay(field, rule);
    } else if (field.starts_with(kGregorian)) {
        field.remove_prefix(kGregorian.size());
        formed = ReadMonthDay(field, rule);
    } else if (const std::size_t dash = field.find('-'); dash != std::string_view::npos) {
        rule.kind = RuleKind::Once;
        const auto year = Number(field.substr(0, dash), 4, 4);
        formed = year && ReadMonthDay(field.substr(dash + 1), rule);
        rule.year = year.value_or(0);
    }
    if (!formed) {
        problem = LineProblem::BadRule;
        return std::nullopt;
    }
    if (!IsValidRule(rule)) {
        problem = LineProblem::NoSuchDay;
        return std::nullopt;
    }
    return rule;
}

std::optional<int> ReadDaysAhead(std::string_view field) {
    if (!field.starts_with(kAheadPrefix) || !field.ends_with(kAheadSuffix)) return std::nullopt;
    field.remove_prefix(kAheadPrefix.size());
    field.remove_suffix(kAheadSuffix.size());
    const auto days = Number(field, 1, 2);
    if (!days || *days > kMaxDaysAhead) return std::nullopt;
    return days;
}

}  // namespace

std::string LineProblemText(const LineError& error) {
    std::string_view what;
    switch (error.problem) {
        case LineProblem::BadRule:
            what = "日期须写作农历MM-DD、农历闰MM-DD、公历MM-DD或YYYY-MM-DD";
            break;
        case LineProblem::NoSuchDay:
            what = "日期不存在";
            break;
        case LineProblem::MissingName:
            what = "缺少名称";
            break;
        case LineProblem::NameTooLong:
            what = "名称超过40个字";
            break;
        case LineProblem::BadDaysAhead:
            what = "提前天数须为提前0天至提前30天";
            break;
        case LineProblem::InvalidUtf8:
            what = "不是有效的UTF-8文本";
            break;
    }
    return "第" + std::to_string(error.line) + "行：" + std::string(what);
}

std::optional<Reminder> ParseReminderLine(std::string_view raw,
                                          std::optional<LineProblem>& problem) {
    problem.reset();
    const std::optional<std::string> showable = calendar::ShowableLine(raw);
    if (!showable) {
        problem = LineProblem::InvalidUtf8;
        return std::nullopt;
    }
    std::string_view line = calendar::TrimBlanks(*showable);
    if (line.empty() || line.starts_with('#')) return std::nullopt;
    const auto rule = ReadRule(calendar::TakeField(line), problem);
    if (!rule) return std::nullopt;
    Reminder reminder{{}, *rule, 0};
    // The name may hold blanks of its own: it is everything up to a last field of 提前N天.
    line = calendar::TrimBlanks(line);
    std::string_view rest = line, last;
    for (std::string_view field; !(field = calendar::TakeField(rest)).empty();) last = field;
    const std::size_t lastStart =
        last.empty() ? 0 : static_cast<std::size_t>(last.data() - line.data());
    if (lastStart > 0 && last.starts_with(kAheadPrefix) && last.ends_with(kAheadSuffix)) {
        const auto days = ReadDaysAhead(last);
        if (!days) {
            problem = LineProblem::BadDaysAhead;
            return std::nullopt;
        }
        reminder.daysAhead = *days;
        line = calendar::TrimBlanks(line.substr(0, lastStart));
    }
    if (line.empty()) {
        problem = LineProblem::MissingName;
        return std::nullopt;
    }
    if (calendar::CodePointCount(line) > kMaxNameLength) {
        problem = LineProblem::NameTooLong;
        return std::nullopt;
    }
    reminder.name = calendar::TabsAsBlanks(line);
    return reminder;
}

std::string ReminderLineText(const Reminder& reminder) {
    std::string line = RuleText(reminder.rule);
    line += '\t';
    line += reminder.name;
    if (reminder.daysAhead > 0) {
        line += '\t';
        line += kAheadPrefix;
        line += std::to_string(reminder.daysAhead);
        line += kAheadSuffix;
    }
    return line;
}

std::vector<Reminder> ReminderFile::Reminders() const {
    std::vector<Reminder> out;
    for (const ReminderLine& line : lines)
        if (line.reminder) out.push_back(*line.reminder);
    return out;
}

std::vector<std::string> ReminderFile::RuleFields() const {
    std::vector<std::string> out;
    for (const ReminderLine& line : lines) {
        if (!line.reminder) continue;
        const std::optional<std::string> showable = calendar::ShowableLine(line.text);
        std::string_view rest = showable ? std::string_view(*showable) : std::string_view();
        out.emplace_back(calendar::TakeField(rest));
    }
    return out;
}

ReminderFile ParseReminderFile(std::string_view bytes) {
    calendar::UserText text = calendar::SplitUserText(bytes);
    ReminderFile file;
    file.crLf = text.lineEnd != "\n";
    file.lines.reserve(text.lines.size());
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        std::optional<LineProblem> problem;
        auto reminder = ParseReminderLine(text.lines[i], problem);
        if (problem) file.errors.push_back({static_cast<int>(i + 1), *problem});
        file.lines.push_back({std::move(text.lines[i]), std::move(reminder)});
    }
    return file;
}

std::string ReminderFileText(const ReminderFile& file) {
    const std::string_view end = file.crLf ? "\r\n" : "\n";
    std::string out;
    for (const ReminderLine& line : file.lines) {
        if (line.reminder) {
            std::optional<LineProblem> problem;
            const auto asRead = ParseReminderLine(line.text, problem);
            out += asRead == line.reminder ? line.text : ReminderLineText(*line.reminder);
        } else {
            out += line.text;
        }
        out += end;
    }
    return out;
}

}  // namespace remind

#include "calendar/holidays.h"

#include <algorithm>

#include "calendar/range.h"
#include "calendar/text.h"

namespace calendar {

using namespace std::chrono;

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kOff = "休";
constexpr std::string_view kWork = "班";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The field up to the next blank; text keeps what follows it.
std::string_view TakeField(std::string_view& text) {
    text = Trimmed(text);
    std::size_t end = 0;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    const std::string_view field = text.substr(0, end);
    text.remove_prefix(end);
    return field;
}

// Well-formed UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF) without control
// characters other than the tab: what an editor saves as text, and what can be shown.
bool IsShowableText(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            if ((lead < 0x20 && lead != '\t') || lead == 0x7F) return false;
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t value = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, value = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, value = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, value = lead & 0x07u;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0u) != 0x80u) return false;
            value = (value << 6) | (next & 0x3Fu);
        }
        const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
        if (overlong || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) return false;
        i += length;
    }
    return true;
}

int YearOf(sys_days d) { return static_cast<int>(year_month_day{d}.year()); }

// A problem, or nothing with the day filled in.
std::optional<HolidayProblem> ReadLine(std::string_view line, HolidayDay& day) {
    if (line.size() > kMaxHolidayLineBytes) return HolidayProblem::TooLong;
    if (!IsShowableText(line)) return HolidayProblem::InvalidUtf8;
    const auto date = ParseDate(TakeField(line));
    if (!date || YearOf(*date) < kFirstTermYear || YearOf(*date) > kLastTermYear)
        return HolidayProblem::BadDate;
    const std::string_view kind = TakeField(line);
    if (kind != kOff && kind != kWork) return HolidayProblem::UnknownKind;
    const std::string_view name = Trimmed(line);
    if (name.empty()) return HolidayProblem::MissingName;
    if (CodePointCount(name) > kMaxHolidayNameLength) return HolidayProblem::TooLong;
    day.date = *date;
    day.kind = kind == kOff ? HolidayKind::Off : HolidayKind::Work;
    day.name.clear();
    // A tab inside the name reads as the blank it looks like.
    for (const char c : name) day.name += c == '\t' ? ' ' : c;
    return std::nullopt;
}

// Days in date order get the year of the announcement that lists them: a December day of the
// same holiday as 1 January of the next year opens that year's break.
void AssignScheduleYears(std::vector<HolidayDay>& days) {
    for (HolidayDay& day : days) {
        const year_month_day ymd{day.date};
        day.scheduleYear = static_cast<int>(ymd.year());
        if (ymd.month() != December) continue;
        const sys_days newYear{(ymd.year() + years{1}) / January / 1};
        const auto next =
            std::lower_bound(days.begin(), days.end(), newYear,
                             [](const HolidayDay& d, sys_days date) { return d.date < date; });
        if (next != days.end() && next->date == newYear && next->name == day.name)
            ++day.scheduleYear;
    }
}

const HolidayList& BuiltInList() {
    static const HolidayList list = ParseHolidayText(BuiltInHolidayText());
    return list;
}

}  // namespace

std::string_view HolidayKindName(HolidayKind kind) {
    return kind == HolidayKind::Off ? kOff : kWork;
}

HolidayList ParseHolidayText(std::string_view text) {
    HolidayList list;
    std::vector<int> lineOf;  // the line of each day read, for a repeated date's report
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        const std::string_view content = Trimmed(line);
        if (content.empty() || content.starts_with('#')) continue;
        HolidayDay day;
        if (const auto problem = ReadLine(line, day)) {
            list.errors.push_back({number, *problem});
            continue;
        }
        list.days.push_back(std::move(day));
        lineOf.push_back(number);
    }
    // The first line of a date counts; a later one is reported where it stands.
    std::vector<std::size_t> order(list.days.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return list.days[a].date < list.days[b].date;
    });
    std::vector<HolidayDay> days;
    days.reserve(order.size());
    for (const std::size_t i : order) {
        if (!days.empty() && days.back().date == list.days[i].date) {
            list.errors.push_back({lineOf[i], HolidayProblem::Repeated});
            continue;
        }
        days.push_back(std::move(list.days[i]));
    }
    std::sort(list.errors.begin(), list.errors.end(),
              [](const HolidayLineError& a, const HolidayLineError& b) { return a.line < b.line; });
    AssignScheduleYears(days);
    list.days = std::move(days);
    return list;
}

std::string HolidayProblemText(const HolidayLineError& error) {
    std::string_view what;
    switch (error.problem) {
        case HolidayProblem::BadDate:
            what = "日期无效";
            break;
        case HolidayProblem::UnknownKind:
            what = "类别须为“休”或“班”";
            break;
        case HolidayProblem::MissingName:
            what = "缺少假日名称";
            break;
        case HolidayProblem::TooLong:
            what = "内容过长";
            break;
        case HolidayProblem::InvalidUtf8:
            what = "不是有效的UTF-8文本";
            break;
        case HolidayProblem::Repeated:
            what = "日期重复";
            break;
    }
    return "第" + std::to_string(error.line) + "行：" + std::string(what);
}

HolidaySchedule::HolidaySchedule() : days_(BuiltInList().days) {
    for (const HolidayDay& day : days_) years_.push_back(day.scheduleYear);
    std::sort(years_.begin(), years_.end());
    years_.erase(std::unique(years_.begin(), years_.end()), years_.end());
}

HolidaySchedule::HolidaySchedule(const HolidayList& user) : HolidaySchedule() {
    std::vector<int> userYears;
    for (const HolidayDay& day : user.days) userYears.push_back(day.scheduleYear);
    std::sort(userYears.begin(), userYears.end());
    const auto replaced = [&](const HolidayDay& day) {
        return std::binary_search(userYears.begin(), userYears.end(), day.scheduleYear) ||
               std::binary_search(
                   user.days.begin(), user.days.end(), day,
                   [](const HolidayDay& a, const HolidayDay& b) { return a.date < b.date; });
    };
    std::erase_if(days_, replaced);
    days_.insert(days_.end(), user.days.begin(), user.days.end());
    std::sort(days_.begin(), days_.end(),
              [](const HolidayDay& a, const HolidayDay& b) { return a.date < b.date; });
    years_.insert(years_.end(), userYears.begin(), userYears.end());
    std::sort(years_.begin(), years_.end());
    years_.erase(std::unique(years_.begin(), years_.end()), years_.end());
}

const HolidayDay* HolidaySchedule::On(sys_days date) const {
    const auto it =
        std::lower_bound(days_.begin(), days_.end(), date,
                         [](const HolidayDay& day, sys_days d) { return day.date < d; });
    return it != days_.end() && it->date == date ? &*it : nullptr;
}

bool HolidaySchedule::HasYear(int year) const {
    return std::binary_search(years_.begin(), years_.end(), year);
}

std::string HolidayText(const HolidayDay* day) {
    if (!day) return {};
    return std::string(HolidayKindName(day->kind)) + " " + day->name;
}

std::string NoScheduleText(int year) { return "暂无" + std::to_string(year) + "年放假安排"; }

}  // namespace calendar

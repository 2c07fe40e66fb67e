#include "calendar/holidays.h"

#include <algorithm>

#include "calendar/range.h"
#include "calendar/text.h"
#include "calendar/user_text.h"

namespace calendar {

using namespace std::chrono;

namespace {

constexpr std::string_view kOff = "休";
constexpr std::string_view kWork = "班";

// A problem, or nothing with the day filled in.
std::optional<HolidayProblem> ReadLine(std::string_view raw, HolidayDay& day) {
    if (raw.size() > kMaxHolidayLineBytes) return HolidayProblem::TooLong;
    const std::optional<std::string> showable = ShowableLine(raw);
    if (!showable) return HolidayProblem::InvalidUtf8;
    std::string_view line = *showable;
    const auto date = ParseDate(TakeField(line));
    if (!date || YearOf(*date) < kFirstTermYear || YearOf(*date) > kLastTermYear)
        return HolidayProblem::BadDate;
    const std::string_view kind = TakeField(line);
    if (kind != kOff && kind != kWork) return HolidayProblem::UnknownKind;
    const std::string_view name = TrimBlanks(line);
    if (name.empty()) return HolidayProblem::MissingName;
    if (CodePointCount(name) > kMaxHolidayNameLength) return HolidayProblem::TooLong;
    day.date = *date;
    day.kind = kind == kOff ? HolidayKind::Off : HolidayKind::Work;
    day.name = TabsAsBlanks(name);
    return std::nullopt;
}

// Days in date order get the year of the announcement that lists them. A December day opens
// the next year's schedule when it is part of the break that runs into 1 January: every day
// from it to that 1 January is listed, and 1 January is a day off. A make-up working day right
// before the break counts with it, as the announcements list it; the names need not match
// (one line may say 元旦假期, the next 元旦).
void AssignScheduleYears(std::vector<HolidayDay>& days) {
    for (std::size_t i = days.size(); i-- > 0;) {
        const year_month_day ymd{days[i].date};
        days[i].scheduleYear = static_cast<int>(ymd.year());
        if (ymd.month() != December || i + 1 == days.size()) continue;
        const HolidayDay& next = days[i + 1];
        if (next.date != days[i].date + std::chrono::days{1}) continue;
        const bool newYearsDay = next.date == sys_days{(ymd.year() + years{1}) / January / 1};
        if (newYearsDay ? next.kind == HolidayKind::Off
                        : next.scheduleYear == days[i].scheduleYear + 1)
            ++days[i].scheduleYear;
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
    const UserText lines = SplitUserText(text);
    for (int number = 1; number <= static_cast<int>(lines.lines.size()); ++number) {
        const std::string& line = lines.lines[static_cast<std::size_t>(number - 1)];
        const std::optional<std::string> showable = ShowableLine(line);
        const std::string_view content = TrimBlanks(showable ? *showable : line);
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
    userYears.erase(std::unique(userYears.begin(), userYears.end()), userYears.end());
    userYears_ = userYears;
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

#include "month/holiday_source.h"

namespace month {

Holidays LoadHolidays(const HolidayFile& file, std::string_view shownName) {
    if (file.state == HolidayFileState::TooBig)
        return {calendar::HolidaySchedule(), {std::string(shownName) + " 超过1 MB，未读取"}};
    if (file.state == HolidayFileState::Unreadable)
        return {calendar::HolidaySchedule(), {std::string(shownName) + " 无法读取，未使用"}};
    if (file.state == HolidayFileState::Absent) return {calendar::HolidaySchedule(), {}};
    const calendar::HolidayList user = calendar::ParseHolidayText(file.text);
    Holidays holidays{calendar::HolidaySchedule(user), {}};
    for (const calendar::HolidayLineError& error : user.errors) {
        holidays.problems.push_back(std::string(shownName) + " " +
                                    calendar::HolidayProblemText(error) + "，已跳过");
    }
    return holidays;
}

std::string MonthNote(const MonthPage& page, const Holidays& holidays) {
    std::vector<std::string> lines;
    if (!page.scheduleKnown)
        lines.push_back(calendar::NoScheduleText(static_cast<int>(page.month.year())));
    const std::size_t room = kNoteLines - lines.size();
    const std::size_t count = holidays.problems.size();
    const std::size_t shown = count <= room ? count : room - 1;
    for (std::size_t i = 0; i < shown; ++i) lines.push_back(holidays.problems[i]);
    if (shown < count)
        lines.push_back(std::string(kHolidayFileName) + " 另有" + std::to_string(count - shown) +
                        "行有误，已跳过");
    std::string note;
    for (const std::string& line : lines) note += (note.empty() ? "" : "\r\n") + line;
    return note;
}

}  // namespace month

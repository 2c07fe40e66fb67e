#include "month/holiday_source.h"

namespace month {

namespace {

std::string LinesOf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

std::string FileYearsText(const calendar::HolidaySchedule& schedule, std::string_view shownName) {
    const std::vector<int>& years = schedule.UserYears();
    if (years.empty()) return {};
    const calendar::HolidaySchedule builtIn;
    std::vector<int> replaced;
    for (const int year : years)
        if (builtIn.HasYear(year)) replaced.push_back(year);
    std::string text = YearsText(years) + "年放假安排取自" + std::string(shownName);
    if (!replaced.empty()) text += "，代替内置的" + YearsText(replaced) + "年安排";
    return text;
}

}  // namespace

Holidays LoadHolidays(const HolidayFile& file, std::string_view shownName) {
    Holidays holidays;
    holidays.fileState = file.state;
    if (file.state == HolidayFileState::TooBig)
        holidays.problems = {std::string(shownName) + " 超过1 MB，未读取"};
    if (file.state == HolidayFileState::Unreadable)
        holidays.problems = {std::string(shownName) + " 无法读取，未使用"};
    if (file.state != HolidayFileState::Read) return holidays;
    const calendar::HolidayList user = calendar::ParseHolidayText(file.text);
    holidays.schedule = calendar::HolidaySchedule(user);
    holidays.fileYears = FileYearsText(holidays.schedule, shownName);
    for (const calendar::HolidayLineError& error : user.errors) {
        holidays.problems.push_back(std::string(shownName) + " " +
                                    calendar::HolidayProblemText(error) + "，已跳过");
    }
    return holidays;
}

std::string YearsText(const std::vector<int>& years) {
    std::string text;
    for (std::size_t i = 0; i < years.size();) {
        std::size_t end = i + 1;
        while (end < years.size() && years[end] == years[end - 1] + 1) ++end;
        if (!text.empty()) text += "、";
        if (end - i >= 3) {
            text += std::to_string(years[i]) + "至" + std::to_string(years[end - 1]);
        } else {
            for (std::size_t k = i; k < end; ++k)
                text += (k > i ? "、" : "") + std::to_string(years[k]);
        }
        i = end;
    }
    return text;
}

std::string MonthNote(const MonthPage& page, const Holidays& holidays) {
    std::vector<std::string> lines;
    // A file that was not read may hold the year: its own line says why, not "no schedule".
    const bool fileRead = holidays.fileState == HolidayFileState::Absent ||
                          holidays.fileState == HolidayFileState::Read;
    if (!page.scheduleKnown && fileRead)
        lines.push_back(calendar::NoScheduleText(static_cast<int>(page.month.year())));
    if (!holidays.fileYears.empty()) lines.push_back(holidays.fileYears);
    lines.insert(lines.end(), holidays.problems.begin(), holidays.problems.end());
    return LinesOf(lines);
}

bool OffersSchedule(const MonthPage& page, const Holidays& holidays) {
    return !page.scheduleKnown && holidays.fileState != HolidayFileState::Unreadable;
}

std::string HolidayFileTemplate(int year) {
    const std::string y = std::to_string(year);
    const std::vector<std::string> lines = {
        "\xEF\xBB\xBF# Tavelon 的放假安排：每行一天，写日期、休或班、节日名称，用Tab或空格隔开。",
        "# 以 # 开头的行是说明，不会读取。文件中出现的年份整年代替内置的安排。",
        "# 请按公布的" + y + "年放假安排逐日写下放假的日子（休）和调休上班的日子（班），",
        "# 保存后回到月历即可看到。例如元旦（去掉行首的 # 才会读取）：",
        "# " + y + "-01-01\t休\t元旦",
    };
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace month

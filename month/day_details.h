#pragma once
// What the month view tells about the selected day.
#include <string>
#include <string_view>

#include "calendar/date.h"
#include "calendar/holidays.h"

namespace month {

using calendar::sys_days;

// "今天", "3天后", "12天前".
std::string DaysFromToday(sys_days day, sys_days today);

// The day's place in the nine nines after the winter solstice, "三九第四天", with the
// sticker's marker where it names that day otherwise ("一九第一天 入九", "九九第九天 出九");
// "" outside the 81 days.
std::string NineNinesCount(sys_days day);

// The lines for the selected day, CR LF between them:
//   2026年2月17日 星期二 第8周  今天
//   农历二〇二六年(孟春)正月大 初一
//   丙bǐng午wǔ[马]年 庚gēng寅yín月 ...日
//   and, when the day has any: its term with the minute of its moment ("冬至 04:50"),
//   festivals, holiday (休/班 and name), nine-nines count;
//   and last the reminders' line (see month/reminder_days.h) when it is not "".
// A day without a lunar date gets the first line and the range it lies outside.
std::string DayDetails(sys_days day, sys_days today, const calendar::HolidaySchedule& holidays,
                       std::string_view reminderLine = {});

}  // namespace month

#pragma once
// The small text pieces every composition shares: zero-padded numbers and date texts, Chinese
// year digits, weekday names, the cut of an hour text after its "时", code-point cuts of UTF-8
// and the one-letter unit selector.
#include <optional>
#include <string>
#include <string_view>

#include "calendar/date.h"

namespace calendar {

// The value with at least `width` digits, zeros in front; a negative value keeps its sign
// before the zeros ("-0005").
void AppendZeroPadded(std::string& out, long long value, int width);
std::string ZeroPadded(long long value, int width);

// "yyyy-mm-dd" and its kin: the year with at least four digits, then month and day with at
// least `width` digits, `beforeMonth` (the leap mark of the lunar form) right before the month.
std::string DateText(long long year, int month, int day, int width,
                     std::string_view beforeMonth = {});

// "二〇二三": each decimal digit of the year as its Chinese numeral.
std::string ChineseYearDigits(int year);

// "星期日" .. "星期六".
std::string_view WeekdayName(sys_days d);

// An hour pillar's text runs on after its "时" with the period's description:
// "丁dīng卯mǎo时 日出/日始 ...". The head is everything through the first "时" and the one
// character after it (a blank); the tail is everything after that "时".
struct HourTextCut {
    std::string_view head;
    std::string_view tail;
};
// Nothing when the text holds no "时".
std::optional<HourTextCut> CutHourText(std::string_view hourText);

// UTF-8 is never cut by a byte count.
std::size_t CodePointCount(std::string_view utf8);
// The first n code points (all of them when there are fewer).
std::string_view CodePointPrefix(std::string_view utf8, std::size_t n);

// The interval's unit is one letter compared without regard to case; 0 for anything that is
// not a single ASCII letter.
char KindLetter(std::string_view kind);

}  // namespace calendar

#pragma once
// Year, month, day and hour in the sixty-pair cycle, with elements, directions and nayin.
#include <array>
#include <chrono>
#include <string>

#include "calendar/date.h"

namespace calendar {

// What a pillar's text tells of its stem and branch.
enum class PillarKind {
    StemBranch,  // the pair's names with their pinyin; the hour's runs on with the period's
                 // description ("甲jiǎ子zǐ时 子夜/夜半 三更")
    Element,     // the element of the stem and of the branch
    Direction,   // the direction of the stem and of the branch
    Nayin,       // the nayin of the pair
};
inline constexpr std::array<PillarKind, 4> kPillarKinds = {
    PillarKind::StemBranch, PillarKind::Element, PillarKind::Direction, PillarKind::Nayin};

// The year is used as passed: the callers choose whether it is a lunar or a Gregorian year.
std::string YearPillar(int year, PillarKind kind);
std::string YearZodiac(int year);

// The solar month opened by a 节 term. A year outside 1901..2100 has no term dates, so
// no boundary is crossed and the month stays the 丑 month of the stem year.
std::string MonthPillar(sys_days date, PillarKind kind);
// Solar month 1..12 (1 = the 寅 month that 立春 opens, 11 = 子, 12 = 丑) of the year of stems
// that 立春 of stemYear begins; "" for a month outside 1..12.
std::string SolarMonthPillar(int stemYear, int month, PillarKind kind);

std::string DayPillar(sys_days date, PillarKind kind);
// The hour stays on the date passed: 23:00-23:59 is the 子 period of that same day. Only the
// hour and minute count; a time outside 0:00 .. 23:59:59 gives "".
std::string HourPillar(sys_days date, std::chrono::seconds timeOfDay, PillarKind kind);

// Numbers behind the texts, for callers that need the cycle position itself.
int DayStem(sys_days date);            // 1..10
int DayBranch(sys_days date);          // 1..12
int HourPeriod(int hour, int minute);  // 1..12, 1 = 子; 0 when the time is outside the day

}  // namespace calendar

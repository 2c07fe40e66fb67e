#pragma once
// The labels that change every second: the clock, the hour's stem-branch name and the quarter.
#include <chrono>
#include <string>
#include <string_view>

#include "calendar/moment.h"

namespace sticker {

// The first quarter runs to 15:59 and the second starts at 16:00: the traditional division
// gives the first quarter of the hour 16 minutes and the second 14. Empty for a minute or
// second outside the hour.
std::string_view QuarterOfHour(int minute, int second);

// "hh:mm:ss" on the 24-hour clock.
std::string ClockText(std::chrono::seconds timeOfDay);

struct MainClockTexts {
    std::string label1;  // the clock
    std::string label3;  // month and day pillars, CR LF, hour pillar with the quarter
};
MainClockTexts ComposeMainClockTexts(const calendar::Moment& now);

struct AlternateClockTexts {
    std::string label1;  // the clock
    std::string label5;  // the hour text split after the character that follows its "时"
};
AlternateClockTexts ComposeAlternateClockTexts(const calendar::Moment& now);

}  // namespace sticker

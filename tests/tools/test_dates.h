#pragma once
// Helpers shared by the tools' tests: dates and picker values from readable texts.
#include <chrono>
#include <string_view>

#include "calendar/date.h"
#include "tests/support/day.h"
#include "tools/picker_moment.h"

namespace tools_test {

using calendar::testing::Day;

// The picker value of a day at hh:mm.
inline tools::PickerMoment At(std::string_view date, int hour = 0, int minute = 0) {
    return {Day(date), std::chrono::hours{hour} + std::chrono::minutes{minute}};
}

}  // namespace tools_test

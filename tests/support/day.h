#pragma once
// Test shorthand: a date from its text, failing the test (not crashing) on a bad literal.
#include <gtest/gtest.h>

#include "calendar/date.h"

namespace calendar::testing {

inline sys_days Day(std::string_view text) {
    const auto d = ParseDate(text);
    EXPECT_TRUE(d.has_value()) << text;
    return d.value_or(sys_days{});
}

}  // namespace calendar::testing

#include "tools/picker_moment.h"

#include <limits>

#include <gtest/gtest.h>

#include "test_dates.h"

namespace {

using namespace std::chrono_literals;
using tools::MomentOfSerial;
using tools::PickerMoment;
using tools_test::Day;

TEST(MomentOfSerial, CountsLinearlyOnBothSidesOfTheEpoch) {
    EXPECT_EQ(MomentOfSerial(0.25), (PickerMoment{Day("1899-12-30"), 6h}));
    EXPECT_EQ(MomentOfSerial(-1.75), (PickerMoment{Day("1899-12-28"), 6h}));
    // 1.75 days before 1899-12-30 06:00.
    EXPECT_EQ(MomentOfSerial(0.25 - 1.75), (PickerMoment{Day("1899-12-28"), 12h}));
    EXPECT_EQ(MomentOfSerial(-0.0), (PickerMoment{Day("1899-12-30"), 0s}));
}

TEST(MomentOfSerial, RoundsToTheSecondBeforeTakingTheDay) {
    // A hair below midnight is midnight: pickers hold whole seconds.
    EXPECT_EQ(MomentOfSerial(45000.0 - 1e-9), (PickerMoment{tools_test::Day("2023-03-15"), 0s}));
    EXPECT_EQ(MomentOfSerial(45000.0 - 1.0 / 86400), (PickerMoment{Day("2023-03-14"), 86399s}));
}

TEST(MomentOfSerial, KeepsToThePickersRange) {
    const double first = tools::SerialOf({tools::kFirstPickerDay, 0s});
    const double last = tools::SerialOf({tools::kLastPickerDay, 86399s});
    EXPECT_EQ(MomentOfSerial(first), (PickerMoment{tools::kFirstPickerDay, 0s}));
    EXPECT_EQ(MomentOfSerial(last), (PickerMoment{tools::kLastPickerDay, 86399s}));
    EXPECT_FALSE(MomentOfSerial(first - 1.0 / 86400));
    EXPECT_FALSE(MomentOfSerial(last + 1.0 / 86400));
    for (const double odd : {1e308, -1e308, std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_FALSE(MomentOfSerial(odd)) << odd;
    }
}

}  // namespace

#include "tools/interval.h"

#include <gtest/gtest.h>

#include <limits>

#include "test_dates.h"

namespace {

using tools::IntervalText;
using tools_test::Day;
using tools_test::Serial;

struct IntervalCase {
    const char* name;
    const char* start;
    const char* end;
    const char* expected;
};

class IntervalTextTest : public testing::TestWithParam<IntervalCase> {};

TEST_P(IntervalTextTest, ShowsWholeSpanAndSignedTotal) {
    const IntervalCase& c = GetParam();
    EXPECT_EQ(IntervalText(Day(c.start), Day(c.end)), c.expected);
    // The pickers' time of day never enters the interval.
    EXPECT_EQ(IntervalText(Serial(c.start, 10, 50), Serial(c.end, 23, 59)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    IntervalText, IntervalTextTest,
    testing::Values(
        IntervalCase{"DesignTimeDates", "2004-01-29", "2021-12-19", "间隔：17年10月20天(共6534天)"},
        IntervalCase{"Swapped", "2021-12-19", "2004-01-29", "间隔：17年10月20天(共-6534天)"},
        IntervalCase{"MonthEndIntoMarch", "2020-01-31", "2020-03-01", "间隔：00年01月01天(共30天)"},
        IntervalCase{"Equal", "2024-05-06", "2024-05-06", "间隔：00年00月00天(共0天)"},
        IntervalCase{"LeapDayToFeb28", "2020-02-29", "2021-02-28", "间隔：01年00月00天(共365天)"},
        IntervalCase{"LeapDayToMar1", "2020-02-29", "2021-03-01", "间隔：01年00月01天(共366天)"},
        IntervalCase{"Jan31PlusOneMonth", "2021-01-31", "2021-02-28", "间隔：00年01月00天(共28天)"},
        IntervalCase{"CenturyWithoutLeapDay", "1899-12-31", "1900-03-01",
                     "间隔：00年02月01天(共60天)"},
        IntervalCase{"WholePickerRange", "1601-01-01", "9999-12-31",
                     "间隔：8398年11月30天(共3067670天)"}),
    [](const testing::TestParamInfo<IntervalCase>& info) { return std::string(info.param.name); });

TEST(IntervalTextSerial, NegativeSerialsCountLinearly) {
    // -1.75 is 1899-12-28 06:00: its day is the 28th, not the 29th.
    EXPECT_EQ(IntervalText(-1.75, 0.25), "间隔：00年00月02天(共2天)");
    EXPECT_EQ(IntervalText(-0.5, 0.0), "间隔：00年00月01天(共1天)");
}

TEST(IntervalTextSerial, ValueOutsidePickersGivesEmptyText) {
    const double first = Serial("1601-01-01");
    EXPECT_EQ(IntervalText(first - 1, first), "");
    EXPECT_EQ(IntervalText(first, Serial("9999-12-31") + 1), "");
    EXPECT_EQ(IntervalText(first, 1e308), "");
    EXPECT_EQ(IntervalText(std::numeric_limits<double>::quiet_NaN(), first), "");
    EXPECT_NE(IntervalText(first, Serial("9999-12-31", 23, 59)), "");
}

}  // namespace

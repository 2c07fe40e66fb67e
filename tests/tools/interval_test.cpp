#include "tools/interval.h"

#include <gtest/gtest.h>

#include "test_dates.h"

namespace {

using tools::IntervalText;
using tools_test::Day;

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

}  // namespace

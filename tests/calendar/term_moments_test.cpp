#include <gtest/gtest.h>

#include <cstdlib>

#include "calendar/astro_time.h"
#include "calendar/moment.h"
#include "calendar/name_tables.h"
#include "calendar/solar_terms.h"
#include "calendar/term_moments.h"
#include "tests/support/day.h"

namespace calendar {
namespace {

using testing::Day;
using namespace std::chrono;

struct PublishedMoment {
    int year;
    int index;
    const char* beijing;  // "yyyy-mm-dd hh:mm", rounded to the minute as published
};

void PrintTo(const PublishedMoment& m, std::ostream* os) {
    *os << m.year << ' ' << SolarTermName(m.index);
}

class SolarTermMomentTest : public ::testing::TestWithParam<PublishedMoment> {};

// A published minute leaves half a minute either way; the computed moment must fall inside
// it with a few seconds to spare for the theories.
TEST_P(SolarTermMomentTest, AgreesWithThePublishedMinute) {
    const PublishedMoment& p = GetParam();
    const auto published = ParseMoment(p.beijing);
    ASSERT_TRUE(published.has_value()) << p.beijing;
    const auto moment = SolarTermMoment(p.year, p.index);
    ASSERT_TRUE(moment.has_value());
    const auto difference = *moment - (sys_seconds{published->today} + published->timeOfDay);
    EXPECT_LE(std::abs(difference.count()), 35) << difference.count() << " s";
}

// Hong Kong Observatory, "2013 年二十四节气的日期及时间资料" (Hong Kong time, UTC+8).
INSTANTIATE_TEST_SUITE_P(
    HongKongObservatory2013, SolarTermMomentTest,
    ::testing::Values(
        PublishedMoment{2013, 23, "2013-01-05 12:34"}, PublishedMoment{2013, 24, "2013-01-20 05:52"},
        PublishedMoment{2013, 1, "2013-02-04 00:13"}, PublishedMoment{2013, 2, "2013-02-18 20:02"},
        PublishedMoment{2013, 3, "2013-03-05 18:15"}, PublishedMoment{2013, 4, "2013-03-20 19:02"},
        PublishedMoment{2013, 5, "2013-04-04 23:02"}, PublishedMoment{2013, 6, "2013-04-20 06:03"},
        PublishedMoment{2013, 7, "2013-05-05 16:18"}, PublishedMoment{2013, 8, "2013-05-21 05:09"},
        PublishedMoment{2013, 9, "2013-06-05 20:23"}, PublishedMoment{2013, 10, "2013-06-21 13:04"},
        PublishedMoment{2013, 11, "2013-07-07 06:35"}, PublishedMoment{2013, 12, "2013-07-22 23:56"},
        PublishedMoment{2013, 13, "2013-08-07 16:20"}, PublishedMoment{2013, 14, "2013-08-23 07:02"},
        PublishedMoment{2013, 15, "2013-09-07 19:16"}, PublishedMoment{2013, 16, "2013-09-23 04:44"},
        PublishedMoment{2013, 17, "2013-10-08 10:58"}, PublishedMoment{2013, 18, "2013-10-23 14:10"},
        PublishedMoment{2013, 19, "2013-11-07 14:14"}, PublishedMoment{2013, 20, "2013-11-22 11:48"},
        PublishedMoment{2013, 21, "2013-12-07 07:09"}, PublishedMoment{2013, 22, "2013-12-22 01:11"}));

// U.S. Naval Observatory, "Earth's Seasons" for 2023, published in US Eastern time
// (03-20 17:24 EDT, 06-21 10:58 EDT, 09-23 02:50 EDT, 12-21 22:27 EST), here in Beijing time.
INSTANTIATE_TEST_SUITE_P(
    NavalObservatory2023, SolarTermMomentTest,
    ::testing::Values(
        PublishedMoment{2023, 4, "2023-03-21 05:24"}, PublishedMoment{2023, 10, "2023-06-21 22:58"},
        PublishedMoment{2023, 16, "2023-09-23 14:50"}, PublishedMoment{2023, 22, "2023-12-22 11:27"}));

TEST(ShownSolarTermText, GivesTheTimeOnTheTableDayAndTheDayAloneOffIt) {
    // To the ten seconds, as the published minute and the theories' few seconds allow.
    EXPECT_EQ(ShownSolarTermText(2026, 22).substr(0, 18), "2026-12-22 04:50:1");
    EXPECT_EQ(ShownSolarTermText(2013, 1).substr(0, 18), "2013-02-04 00:13:2");
    EXPECT_EQ(ShownSolarTermText(2013, 1).size(), 19u);
    // Computed 23:59:39 of the 19th; the table's day stands, without a time.
    EXPECT_EQ(ShownSolarTermText(1923, 2), "1923-02-20");
    EXPECT_EQ(ShownSolarTermText(1900, 1), "");
    EXPECT_EQ(ShownSolarTermText(2101, 1), "");
    EXPECT_EQ(ShownSolarTermText(2026, 0), "");
    EXPECT_EQ(ShownSolarTermText(2026, 25), "");
}

// The month before the one a 节 term opens: 小寒 follows the 子 month and 立春 the 丑 month,
// both of the stem year before.
SolarMonth MonthBefore(const SolarMonth& m) {
    if (m.month == 1) return {m.stemYear - 1, 12};
    return {m.stemYear, m.month - 1};
}

// Every 节 term of every year turns the month at its moment to the second, also where the
// moment falls seconds across midnight from its table day (1948 惊蛰, 23:57:52 of the day
// before); 立春 turns the stem year with it.
TEST(SolarMonthAt, TurnsAtTheMomentOfEach节Term) {
    for (int year = 1901; year <= 2100; ++year) {
        for (int index = kStartOfSpring; index <= kTermCount; index += 2) {
            const auto moment = SolarTermMoment(year, index);
            ASSERT_TRUE(moment.has_value()) << year << ' ' << index;
            const SolarMonth opened =
                index == kLesserCold ? SolarMonth{year - 1, 12} : SolarMonth{year, (index + 1) / 2};
            const auto at = SolarMonthAt(*moment);
            const auto before = SolarMonthAt(*moment - 1s);
            ASSERT_TRUE(at && before) << year << ' ' << index;
            EXPECT_EQ(at->stemYear, opened.stemYear) << year << ' ' << index;
            EXPECT_EQ(at->month, opened.month) << year << ' ' << index;
            const SolarMonth expected =
                index == kLesserCold ? SolarMonth{year - 1, 11} : MonthBefore(opened);
            EXPECT_EQ(before->stemYear, expected.stemYear) << year << ' ' << index;
            EXPECT_EQ(before->month, expected.month) << year << ' ' << index;
        }
    }
    EXPECT_EQ(SolarMonthAt(sys_seconds{Day("1900-12-31")} + 12h), std::nullopt);
    EXPECT_EQ(SolarMonthAt(sys_seconds{Day("2101-01-01")}), std::nullopt);
}

struct MeasuredDeltaT {
    int year;
    double seconds;  // TT - UT1 at the start of the year
};

// The model must keep to the measured clock error where there is one; the values are those
// of the Astronomical Almanac's table and the IERS.
TEST(DeltaTSeconds, KeepsCloseToTheMeasuredValues) {
    constexpr MeasuredDeltaT kMeasured[] = {
        {1910, 10.46}, {1930, 24.02}, {1950, 29.15}, {1970, 40.18},
        {1990, 56.86}, {2000, 63.83}, {2010, 66.07}, {2020, 69.36},
    };
    for (const MeasuredDeltaT& m : kMeasured) {
        const double jd = kJ2000 - 0.5 + (m.year - 2000) * 365.25;
        EXPECT_NEAR(DeltaTSeconds(jd), m.seconds, 0.5) << m.year;
    }
}

}  // namespace
}  // namespace calendar

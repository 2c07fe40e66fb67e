#include <gtest/gtest.h>

#include <cstdlib>

#include "calendar/astro_time.h"
#include "calendar/moment.h"
#include "calendar/solar_terms.h"
#include "calendar/term_moments.h"
#include "tests/support/day.h"

namespace calendar {
namespace {

using testing::Day;
using namespace std::chrono;

// A published minute leaves half a minute either way; the computed moment must fall inside
// it with a few seconds to spare for the theories.
void ExpectWithinThePublishedMinute(int index, const char* beijing) {
    const auto published = ParseMoment(beijing);
    ASSERT_TRUE(published.has_value()) << beijing;
    const auto moment = SolarTermMoment(std::atoi(beijing), index);
    ASSERT_TRUE(moment.has_value()) << beijing;
    const auto difference = *moment - (sys_seconds{published->today} + published->timeOfDay);
    EXPECT_LE(std::abs(difference.count()), 35) << beijing << ": " << difference.count() << " s";
}

TEST(SolarTermMoment, AgreesWithThePublishedMinutes) {
    // Hong Kong Observatory, "2013 年二十四节气的日期及时间资料" (Hong Kong time, UTC+8), in
    // date order from 小寒, term 23.
    const char* const kHongKong2013[] = {
        "2013-01-05 12:34", "2013-01-20 05:52", "2013-02-04 00:13", "2013-02-18 20:02",
        "2013-03-05 18:15", "2013-03-20 19:02", "2013-04-04 23:02", "2013-04-20 06:03",
        "2013-05-05 16:18", "2013-05-21 05:09", "2013-06-05 20:23", "2013-06-21 13:04",
        "2013-07-07 06:35", "2013-07-22 23:56", "2013-08-07 16:20", "2013-08-23 07:02",
        "2013-09-07 19:16", "2013-09-23 04:44", "2013-10-08 10:58", "2013-10-23 14:10",
        "2013-11-07 14:14", "2013-11-22 11:48", "2013-12-07 07:09", "2013-12-22 01:11"};
    for (int i = 0; i < 24; ++i)
        ExpectWithinThePublishedMinute((i + 22) % 24 + 1, kHongKong2013[i]);
    // U.S. Naval Observatory, "Earth's Seasons" for 2023, published in US Eastern time
    // (03-20 17:24 EDT, 06-21 10:58 EDT, 09-23 02:50 EDT, 12-21 22:27 EST), here in Beijing
    // time: the equinoxes and solstices, terms 4, 10, 16 and 22.
    const char* const kNavalObservatory2023[] = {"2023-03-21 05:24", "2023-06-21 22:58",
                                                 "2023-09-23 14:50", "2023-12-22 11:27"};
    for (int i = 0; i < 4; ++i) ExpectWithinThePublishedMinute(4 + 6 * i, kNavalObservatory2023[i]);
}

TEST(ShownSolarTermText, GivesTheTimeOnTheTableDayAndTheDayAloneOffIt) {
    // To the ten seconds, as the published minute and the theories' few seconds allow.
    EXPECT_EQ(ShownSolarTermText(2026, 22).substr(0, 18), "2026-12-22 04:50:1");
    EXPECT_EQ(ShownSolarTermText(2026, 22).size(), 19u);
    // Computed 23:59:39 of the 19th; the table's day stands, without a time.
    EXPECT_EQ(ShownSolarTermText(1923, 2), "1923-02-20");
    const std::pair<int, int> kOutside[] = {{1900, 1}, {2101, 1}, {2026, 0}, {2026, 25}};
    for (const auto& [year, index] : kOutside)
        EXPECT_EQ(ShownSolarTermText(year, index), "") << year << ' ' << index;
}

// Every 节 term of every year turns the month at its moment to the second, also where the
// moment falls seconds across midnight from its table day (1948 惊蛰, 23:57:52 of the day
// before); 立春 turns the stem year with it, and 小寒 opens the 丑 month of the year before.
TEST(SolarMonthAt, TurnsAtTheMomentOfEach节Term) {
    for (int year = 1901; year <= 2100; ++year) {
        for (int index = kStartOfSpring; index <= kTermCount; index += 2) {
            const auto moment = SolarTermMoment(year, index);
            ASSERT_TRUE(moment.has_value()) << year << ' ' << index;
            const SolarMonth opened =
                index == kLesserCold ? SolarMonth{year - 1, 12} : SolarMonth{year, (index + 1) / 2};
            SolarMonth before{opened.stemYear, opened.month - 1};
            if (before.month == 0) before = {year - 1, 12};
            EXPECT_EQ(SolarMonthAt(*moment), opened) << year << ' ' << index;
            EXPECT_EQ(SolarMonthAt(*moment - 1s), before) << year << ' ' << index;
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

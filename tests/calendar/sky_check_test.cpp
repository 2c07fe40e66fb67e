// The lunar table and the term table checked against the sky: every lunar month begins on the
// Beijing date of its new moon and every term falls on the Beijing date of its moment, apart
// from the few cases listed, each within seconds of midnight or on an older meridian.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "calendar/lunar.h"
#include "calendar/moon.h"
#include "calendar/solar_terms.h"
#include "calendar/term_moments.h"

namespace calendar {
namespace {

using namespace std::chrono;

// Before 1929 the months were reckoned in Beijing's mean solar time, UT+7:45:40, 14 min 20 s
// behind UTC+8. These three new moons fell just after midnight by UTC+8 and just before it by
// the older clock, and the table keeps the older day. (1906-04-24, with its new moon at
// 00:06:31 UTC+8, follows UTC+8 all the same.)
constexpr std::chrono::seconds kBeijingMeanTime = -(14min + 20s);
constexpr sys_days kOlderMeridianMonths[] = {
    1914y / 11 / 17,  // new moon 1914-11-18 00:01:43 (23:47:23 by Beijing mean time)
    1916y / 2 / 3,    // new moon 1916-02-04 00:05:16 (23:50:56)
    1920y / 11 / 10,  // new moon 1920-11-11 00:04:50 (23:50:30)
};

// New moons within the lunar theory's half minute of midnight: the table may take either day.
constexpr sys_days kNearMidnightMonths[] = {
    2057y / 9 / 29,  // new moon 2057-09-29 00:00:03
    2097y / 8 / 8,   // new moon 2097-08-07 23:59:46
};

// Terms computed within seconds of midnight on the day before or after the table's: the
// table's day stands and is shown without a time.
constexpr std::pair<int, int> kNearMidnightTerms[] = {
    {1923, 2},   // 雨水: 1923-02-19 23:59:39, table 1923-02-20
    {1948, 3},   // 惊蛰: 1948-03-05 23:57:52, table 1948-03-06
    {1951, 22},  // 冬至: 1951-12-23 00:00:02, table 1951-12-22
};

template <class List, class T>
bool Contains(const List& list, const T& value) {
    return std::ranges::find(list, value) != std::ranges::end(list);
}

TEST(SkyCheck, EveryLunarMonthBeginsOnTheDateOfItsNewMoon) {
    int months = 0;
    // Month by month from the Spring Festival, through the first day of lunar year 2100.
    for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
        sys_days first = SpringFestivalDay(year);
        const int slots = LeapMonthOf(year) == 0 ? 12 : 13;
        for (int slot = 1; slot <= slots + (year == kLastLunarYear ? 1 : 0); ++slot) {
            const sys_seconds newMoon = NewMoonNear(first);
            const sys_days newMoonDay = floor<days>(newMoon);
            ++months;
            if (Contains(kOlderMeridianMonths, first)) {
                EXPECT_EQ(FormatDate(newMoonDay), FormatDate(first + days{1}));
                EXPECT_EQ(FormatDate(floor<days>(newMoon + kBeijingMeanTime)), FormatDate(first));
            } else if (Contains(kNearMidnightMonths, first)) {
                EXPECT_LE(abs((newMoonDay - first).count()), 1) << FormatDate(first);
            } else {
                EXPECT_EQ(FormatDate(newMoonDay), FormatDate(first))
                    << "year " << year << " slot " << slot;
            }
            if (slot <= slots) first += days{LunarMonthLength(year, slot)};
        }
    }
    EXPECT_EQ(months, 2462);
}

TEST(SkyCheck, EveryTermFallsOnTheDateOfItsMoment) {
    for (int year = kFirstTermYear; year <= kLastTermYear; ++year) {
        for (int index = 1; index <= kTermCount; ++index) {
            const auto tableDay = SolarTermDay(year, index);
            const auto moment = SolarTermMoment(year, index);
            const auto shown = ShownSolarTerm(year, index);
            ASSERT_TRUE(tableDay && moment && shown);
            const sys_days momentDay = floor<days>(*moment);
            EXPECT_EQ(FormatDate(shown->day), FormatDate(*tableDay));
            if (Contains(kNearMidnightTerms, std::pair{year, index})) {
                EXPECT_LE(abs((momentDay - *tableDay).count()), 1) << year << ' ' << index;
            } else {
                EXPECT_EQ(FormatDate(momentDay), FormatDate(*tableDay)) << year << ' ' << index;
            }
            // The time is shown exactly where the moment falls on the table's day.
            if (momentDay == *tableDay) {
                EXPECT_EQ(shown->timeOfDay, *moment - momentDay);
            } else {
                EXPECT_FALSE(shown->timeOfDay.has_value());
            }
        }
    }
}

}  // namespace
}  // namespace calendar

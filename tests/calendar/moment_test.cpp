#include "calendar/moment.h"

#include <gtest/gtest.h>

namespace calendar {
namespace {

using namespace std::chrono;

TEST(ParseMoment, ReadsClockFieldsAndRefusesRollOver) {
    EXPECT_EQ(ParseMoment("2024-02-10"), (Moment{sys_days{2024y / 2 / 10}, 0s}));
    EXPECT_EQ(ParseMoment("2024-02-10 07:05"), (Moment{sys_days{2024y / 2 / 10}, 7h + 5min}));
    EXPECT_EQ(ParseMoment("2024-02-10 23:59:59"),
              (Moment{sys_days{2024y / 2 / 10}, 23h + 59min + 59s}));
    for (const char* bad : {"2023-02-29", "2024-13-01", "2024-02-10 24:00", "2024-02-10 07:60",
                            "2024-02-10 07:00:60", "2024-2-10", "2024-02-10 7:00", "2024-02-10 ",
                            "2024-02-10T07:00", "2024-02-10 07:00:00x", ""}) {
        EXPECT_EQ(ParseMoment(bad), std::nullopt) << bad;
    }
}

TEST(ParseTimeOfDay, TwoDigitFieldsOnTheDay) {
    EXPECT_EQ(ParseTimeOfDay("00:00"), 0s);
    EXPECT_EQ(ParseTimeOfDay("07:05:09"), 7h + 5min + 9s);
    EXPECT_EQ(ParseTimeOfDay("23:59:59"), 23h + 59min + 59s);
    for (const char* bad : {"24:00", "12:60", "12:00:60", "7:00", "07:0", "07-00",
                            "07:00:", "07:00:0", " 07:00", "07:00 ", "0a:00", "", "07:00:00:00"}) {
        EXPECT_EQ(ParseTimeOfDay(bad), std::nullopt) << bad;
    }
}

TEST(DateChanged, OnlyAnotherDayCounts) {
    const sys_days day{2024y / 12 / 31};
    EXPECT_FALSE(DateChanged(day, Moment{day, 23h + 59min + 59s}));
    EXPECT_TRUE(DateChanged(day, Moment{day + days{1}, 0s}));
    EXPECT_TRUE(DateChanged(day, Moment{day - days{1}, 23h}));
}

}  // namespace
}  // namespace calendar

#include "settings/desktop.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "settings/memory_store.h"

namespace settings {
namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

TEST(LoadDesktopSettings, EverySavedValueReadsBack) {
    MemorySettingsStore store;
    const Place main{-12, 30, "\\\\.\\DISPLAY2"}, alternate{500, 0, "\\\\.\\DISPLAY1"};
    ASSERT_TRUE(SaveClickThrough(store, true) && SaveLock(store, true) && SaveOpacity(store, 60) &&
                SaveHideForFullScreen(store, false) && SaveRememberPlace(store, false) &&
                SaveMainPlace(store, main) && SaveAlternatePlace(store, alternate));
    EXPECT_EQ(LoadDesktopSettings(store),
              (DesktopSettings{true, true, 60, false, false, main, alternate}));
    EXPECT_EQ(store.Read(kSettingsKey, "P1"), "-12,30,\\\\.\\DISPLAY2");
    EXPECT_EQ(store.Read(kSettingsKey, "MP"), "0");
}

// Each bad text alone gives that value's default, and loading leaves the store as it was.
TEST(LoadDesktopSettings, BadValuesGiveTheDefaultAndAreNotWrittenBack) {
    MemorySettingsStore store;
    auto& values = store.keys[std::string(kSettingsKey)];
    values = {{"CT", "yes"}, {"LK", "2"}, {"OP", "39"}, {"FS", " 0"}, {"MP", "00"}, {"P1", "1,2"}};
    values["P4"] = "x,2,\\\\.\\DISPLAY1";
    const auto before = store.keys;
    // The defaults: full-screen hiding and remembered places on, fully opaque, the rest off.
    EXPECT_EQ(LoadDesktopSettings(store),
              (DesktopSettings{false, false, 100, true, true, std::nullopt, std::nullopt}));
    MemorySettingsStore empty;
    EXPECT_EQ(LoadDesktopSettings(empty), DesktopSettings{});
    EXPECT_EQ(store.keys, before);
}

TEST(Opacity, WholePercentFromFortyToAHundredScaledToAByte) {
    EXPECT_EQ(OpacityFromText("40"), 40);
    EXPECT_EQ(OpacityFromText("100"), 100);
    EXPECT_EQ(OpacityFromText("075"), 75);
    for (const char* bad :
         {"", "39", "101", "-60", "+60", "60%", "60.0", " 60", "1e2", "99999999999"}) {
        EXPECT_EQ(OpacityFromText(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(OpacityAlpha(60), 153);
    EXPECT_EQ(OpacityAlpha(0), 102);
    EXPECT_EQ(OpacityAlpha(250), 255);
    MemorySettingsStore store;
    SaveOpacity(store, 10);
    EXPECT_EQ(store.Read(kSettingsKey, "OP"), "40");
}

TEST(PlaceFromText, ReadsTwoIntegersAndTheRestAsTheDevice) {
    EXPECT_EQ(PlaceFromText("0,0,D"), (Place{0, 0, "D"}));
    EXPECT_EQ(PlaceFromText("-5,7,\\\\.\\DISPLAY1"), (Place{-5, 7, "\\\\.\\DISPLAY1"}));
    EXPECT_EQ(PlaceFromText("1,2,a,b"), (Place{1, 2, "a,b"}));
    EXPECT_EQ(PlaceFromText("1,2,显示器"), (Place{1, 2, "显示器"}));
    for (const char* bad : {"", "1,2", "1,2,", ",2,D", "1,,D", "1.5,2,D", "+1,2,D", " 1,2,D",
                            "1,2x,D", "99999999999,0,D"}) {
        EXPECT_EQ(PlaceFromText(bad), std::nullopt) << bad;
    }
}

TEST(QuietHoursFromText, ReadsTwoClockTimesOrNothing) {
    EXPECT_EQ(QuietHoursFromText("22:00-07:00"), (QuietHours{22h, 7h}));
    EXPECT_EQ(QuietHoursFromText("00:00-23:59"), (QuietHours{0h, 23h + 59min}));
    EXPECT_EQ(QuietHoursText(QuietHours{22h + 30min, 6h + 5min}), "22:30-06:05");
    EXPECT_EQ(QuietHoursText(std::nullopt), "");
    for (const char* bad : {"", "22:00", "22:00-7:00", "24:00-07:00", "22:60-07:00", "22:00 07:00",
                            "22:00-07:00 ", "2a:00-07:00", "22-00-07-00"}) {
        EXPECT_EQ(QuietHoursFromText(bad), std::nullopt) << bad;
    }
}

TEST(SavePlace, ForgettingRemovesTheValueAndReportsFailures) {
    MemorySettingsStore store;
    EXPECT_TRUE(SaveMainPlace(store, std::nullopt));  // nothing stored: already forgotten
    ASSERT_TRUE(SaveMainPlace(store, Place{1, 2, "D"}));
    ASSERT_TRUE(SaveAlternatePlace(store, Place{3, 4, "D"}));
    store.failDeletes = true;
    EXPECT_FALSE(SaveMainPlace(store, std::nullopt));
    store.failDeletes = false;
    EXPECT_TRUE(SaveMainPlace(store, std::nullopt));
    EXPECT_EQ(LoadDesktopSettings(store).mainPlace, std::nullopt);
    EXPECT_EQ(LoadDesktopSettings(store).alternatePlace, (Place{3, 4, "D"}));
    store.failWrites = true;
    EXPECT_FALSE(SaveLock(store, true));
    EXPECT_FALSE(SaveQuietHours(store, QuietHours{22h, 7h}));
}

// Two monitors side by side; the left one has its taskbar at the bottom, the right one on top.
const std::vector<MonitorArea> kMonitors{{"\\\\.\\DISPLAY1", {0, 0, 1920, 1040}},
                                         {"\\\\.\\DISPLAY2", {1920, 40, 3200, 1024}}};

TEST(RestorePlace, ComesBackOnTheSameMonitorAndOnScreen) {
    // A place taken on each monitor comes back exactly.
    for (const ScreenPoint at : {ScreenPoint{1500, -4}, ScreenPoint{1930, 500},
                                 ScreenPoint{3000, 900}, ScreenPoint{-100, 300}}) {
        const auto place = PlaceOn(at, 333, 168, kMonitors);
        ASSERT_TRUE(place);
        EXPECT_EQ(RestorePlace(*place, 333, 168, kMonitors), at) << at.x << "," << at.y;
    }
    EXPECT_EQ(PlaceOn({1930, 500}, 333, 168, kMonitors), (Place{10, 460, "\\\\.\\DISPLAY2"}));
    // The monitor is gone: the face takes its corner.
    EXPECT_EQ(RestorePlace(Place{10, 10, "\\\\.\\DISPLAY3"}, 333, 168, kMonitors), std::nullopt);
    EXPECT_EQ(PlaceOn({0, 0}, 333, 168, {}), std::nullopt);
    // The right monitor's work area now is smaller than when the place was taken: the face is
    // pulled in whole, not left with its centre off the screen.
    EXPECT_EQ(RestorePlace(Place{1200, 900, "\\\\.\\DISPLAY2"}, 333, 168, kMonitors),
              (ScreenPoint{3200 - 333, 1024 - 168}));
    // A face larger than the work area keeps its top-left corner on it.
    EXPECT_EQ(RestorePlace(Place{-5000, 5000, "\\\\.\\DISPLAY1"}, 4000, 2000, kMonitors),
              (ScreenPoint{0, 0}));
    // Places at the ends of the integers do not overflow.
    EXPECT_EQ(
        RestorePlace(Place{2147483647, -2147483647 - 1, "\\\\.\\DISPLAY2"}, 333, 168, kMonitors),
        (ScreenPoint{3200 - 333, 40}));
}

}  // namespace
}  // namespace settings

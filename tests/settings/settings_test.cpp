#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>

#include "calendar/moment.h"
#include "settings/forms.h"
#include "settings/memory_store.h"
#include "settings/start_with_system.h"

namespace settings {
namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

constexpr sys_days kToday = sys_days{2026y / 12 / 7};

TEST(AlarmTimeText, StoresTheDayFraction) {
    EXPECT_EQ(AlarmTimeText(7h), "0.2916666666666667");
    EXPECT_EQ(AlarmTimeText(10h + 50min), "0.4513888888888889");
    EXPECT_EQ(AlarmTimeText(16h + 50min), "0.7013888888888888");
    EXPECT_EQ(AlarmTimeText(7h + 30min), "0.3125");
    EXPECT_EQ(AlarmTimeText(12h), "0.5");
    EXPECT_EQ(AlarmTimeText(0s), "0");
}

TEST(AlarmTimeText, EveryMinuteOfTheDayReadsBackExactly) {
    for (seconds t = 0s; t < calendar::kDay; t += 1min) {
        ASSERT_EQ(AlarmTimeFromText(AlarmTimeText(t)), t) << AlarmTimeText(t);
    }
}

struct AlarmRead {
    const char* text;
    std::optional<seconds> alarm;
};

class AlarmTimeFromText : public testing::TestWithParam<AlarmRead> {};

TEST_P(AlarmTimeFromText, ReadsOrRefuses) {
    EXPECT_EQ(settings::AlarmTimeFromText(GetParam().text), GetParam().alarm) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AlarmTimeFromText,
    testing::Values(AlarmRead{"", std::nullopt},              // not set
                    AlarmRead{"abc", 0s},                     // no number reads as 0
                    AlarmRead{"0.2916666666666667xyz", 7h},   // leading number only
                    AlarmRead{"0.2916667", 7h},               // rounded to the second
                    AlarmRead{"0.99999", 23h + 59min + 59s},  // 86399.1 s
                    AlarmRead{"0.999999", std::nullopt},      // rounds to 24:00:00
                    AlarmRead{"1", std::nullopt},             // a whole day later
                    AlarmRead{"1e999", std::nullopt},         // not finite
                    AlarmRead{"-1e999", std::nullopt}, AlarmRead{"-0.1", std::nullopt},
                    AlarmRead{"99999999999", std::nullopt}));

TEST(ChimeModeFromText, RoundsAndSurvivesAnyText) {
    EXPECT_EQ(ChimeModeFromText(""), 0);
    EXPECT_EQ(ChimeModeFromText("3"), 3);
    EXPECT_EQ(ChimeModeFromText("1.6"), 2);
    EXPECT_EQ(ChimeModeFromText("x"), 0);
    EXPECT_EQ(ChimeModeFromText("-7"), -7);  // kept: any mode outside 0..3 just does not chime
    EXPECT_EQ(ChimeModeFromText("99999999999"), 0);
    EXPECT_EQ(ChimeModeFromText("1e999"), 0);
    EXPECT_EQ(ChimeModeText(2), "2");
}

TEST(ColourFromText, Signed32BitOrAbsent) {
    EXPECT_EQ(ColourFromText(""), std::nullopt);
    EXPECT_EQ(ColourFromText("8453888"), 0x80FF00u);
    EXPECT_EQ(ColourFromText("black"), 0u);
    EXPECT_EQ(ColourFromText("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(ColourFromText("2147483647"), 0x7FFFFFFFu);
    EXPECT_EQ(ColourFromText("-2147483648"), 0x80000000u);
    EXPECT_EQ(ColourFromText("2147483648"), std::nullopt);
    EXPECT_EQ(ColourFromText("99999999999"), std::nullopt);
    EXPECT_EQ(ColourFromText("1e999"), std::nullopt);
    EXPECT_EQ(ColourText(0x80FF00), "8453888");
    EXPECT_EQ(ColourText(0xFFFFFFFFu), "-1");
}

TEST(LoadStickerSettings, FirstStartGivesDefaultsAndProposals) {
    MemorySettingsStore store;
    const StickerSettings s = LoadStickerSettings(store, kToday);
    EXPECT_EQ(s.schedule, Schedule{});
    EXPECT_EQ(s.textColour, 0x80FF00u);
    EXPECT_EQ(s.proposals.alarm1, "2026-12-07 07:00:00");
    EXPECT_EQ(s.proposals.alarm2, "2026-12-07 16:50:00");
}

TEST(LoadStickerSettings, StoredValuesFillTheSchedule) {
    MemorySettingsStore store;
    store.Write("Software\\Tavelon", "L1", "0.4513888888888889");
    store.Write("Software\\Tavelon", "BS", "3");
    store.Write("Software\\Tavelon", "ZS", "0");
    store.Write("Software\\Tavelon", "QH", "23:00-06:30");
    store.Write("Software\\Other", "L2", "0.5");  // another key is not read
    const StickerSettings s = LoadStickerSettings(store, kToday);
    EXPECT_EQ(s.schedule.AlarmTime1, 10h + 50min);
    EXPECT_EQ(s.schedule.AlarmTime2, std::nullopt);
    EXPECT_EQ(s.schedule.ChimeMode, 3);
    EXPECT_EQ(s.schedule.quietHours, (QuietHours{23h, 6h + 30min}));
    EXPECT_EQ(s.textColour, 0u);
    EXPECT_EQ(s.proposals.alarm1, "");
    EXPECT_EQ(s.proposals.alarm2, "2026-12-07 16:50:00");
}

// A stored text counts by its leading number, as every value the program ever wrote does: a
// time beyond any day never rings, a text with no number reads as 0, which is midnight, an
// unknown chime mode stays silent, and a colour beyond 24 bits keeps the default.
TEST(LoadStickerSettings, BadStoredValuesCountByTheirLeadingNumber) {
    MemorySettingsStore store;
    store.Write("Software\\Tavelon", "L1", "1e999");
    store.Write("Software\\Tavelon", "L2", "junk");
    store.Write("Software\\Tavelon", "BS", "-7");
    store.Write("Software\\Tavelon", "ZS", "99999999999");
    store.Write("Software\\Tavelon", "QH", "23:00-24:00");
    const StickerSettings s = LoadStickerSettings(store, kToday);
    EXPECT_EQ(s.schedule.AlarmTime1, std::nullopt);
    EXPECT_EQ(s.schedule.AlarmTime2, 0s);
    EXPECT_EQ(s.schedule.ChimeMode, -7);
    EXPECT_EQ(s.textColour, 0x80FF00u);
    EXPECT_EQ(s.schedule.quietHours, std::nullopt);
}

TEST(SettingsStore, DeletingTheKeyRemovesTheColourToo) {
    MemorySettingsStore store;
    ASSERT_TRUE(WriteSetting(store, kSettingsKey, kColourValue, "255"));
    ASSERT_TRUE(WriteSetting(store, kSettingsKey, kAlarm1Value, "0.5"));
    EXPECT_EQ(ReadSetting(store, kSettingsKey, kColourValue), "255");
    EXPECT_TRUE(DeleteSetting(store, kSettingsKey, ""));
    EXPECT_FALSE(store.HasKey(kSettingsKey));
    EXPECT_EQ(ReadSetting(store, kSettingsKey, kColourValue), "");
    EXPECT_EQ(LoadStickerSettings(store, kToday).textColour, 0x80FF00u);
    EXPECT_FALSE(DeleteSetting(store, kSettingsKey, ""));  // already gone
}

TEST(SettingsStore, FailuresAreReportedAndChangeNothing) {
    MemorySettingsStore store;
    WriteSetting(store, kSettingsKey, kChimeValue, "1");
    store.failWrites = true;
    EXPECT_FALSE(WriteSetting(store, kSettingsKey, kChimeValue, "2"));
    EXPECT_EQ(ReadSetting(store, kSettingsKey, kChimeValue), "1");
    store.failDeletes = true;
    EXPECT_FALSE(DeleteSetting(store, kSettingsKey, kChimeValue));
    EXPECT_FALSE(DeleteSetting(store, kSettingsKey, ""));
    EXPECT_EQ(ReadSetting(store, kSettingsKey, kChimeValue), "1");
    store.failDeletes = false;
    EXPECT_FALSE(DeleteSetting(store, kSettingsKey, "ZS"));  // no such value
    EXPECT_FALSE(DeleteSetting(store, "Software\\Nothing", "ZS"));
    EXPECT_FALSE(DeleteSetting(store, "", ""));  // never the whole hive
    EXPECT_TRUE(DeleteSetting(store, kSettingsKey, kChimeValue));
}

TEST(SplitProgramPath, CutsAfterTheLastSeparator) {
    EXPECT_EQ(SplitProgramPath("C:\\Program Files\\Tavelon\\tavelon.exe"),
              (ProgramPath{"C:\\Program Files\\Tavelon\\", "tavelon.exe"}));
    EXPECT_EQ(SplitProgramPath("D:tavelon.exe"), (ProgramPath{"D:", "tavelon.exe"}));
    EXPECT_EQ(SplitProgramPath("/opt/t/a\\b/tavelon.exe"),
              (ProgramPath{"/opt/t/a\\b/", "tavelon.exe"}));
    EXPECT_EQ(SplitProgramPath("tavelon.exe"), (ProgramPath{"", "tavelon.exe"}));
    EXPECT_EQ(SplitProgramPath("C:\\dir\\"), (ProgramPath{"C:\\dir\\", ""}));
}

TEST(StartWithSystem, WritesOneValueQuotedWhenItHasBlanksAndRemovesIt) {
    MemorySettingsStore store;
    EXPECT_TRUE(SetStartWithSystem(store, "C:\\Tools\\", "tavelon.exe"));
    EXPECT_EQ(store.Read(kRunKey, "Tavelon"), "C:\\Tools\\tavelon.exe");
    EXPECT_TRUE(SetStartWithSystem(store, "C:\\Program Files\\天历\\", "tavelon.exe"));
    EXPECT_EQ(store.Read(kRunKey, "Tavelon"), "\"C:\\Program Files\\天历\\tavelon.exe\"");
    EXPECT_EQ(store.keys.at(std::string(kRunKey)).size(), 1u);
    EXPECT_TRUE(RemoveStartWithSystem(store));
    EXPECT_EQ(store.Read(kRunKey, "Tavelon"), "");
    EXPECT_FALSE(RemoveStartWithSystem(store));  // absent: nothing changes
    EXPECT_TRUE(store.HasKey(kRunKey));          // the Run key itself stays
}

}  // namespace
}  // namespace settings

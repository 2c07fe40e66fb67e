#include "tools/alarm_page.h"

#include <gtest/gtest.h>

#include "settings/memory_store.h"
#include "test_dates.h"

namespace {

using namespace std::chrono_literals;
using settings::MemorySettingsStore;
using settings::Schedule;
using tools::AlarmPage;
using tools::ApplyAlarmSettings;
using tools::LoadAlarmSettings;
using tools::PickerMoment;
using tools_test::Day;

const calendar::Moment kNow{Day("2026-03-05"), 14h + 3min + 7s};

class AlarmPageTest : public testing::Test {
protected:
    std::string Stored(const char* name) {
        const auto key = store.keys.find(settings::kSettingsKey);
        if (key == store.keys.end()) return "<no key>";
        const auto value = key->second.find(name);
        return value == key->second.end() ? "<no value>" : value->second;
    }
    void Store(const char* name, const char* text) {
        store.keys[std::string(settings::kSettingsKey)][name] = text;
    }

    MemorySettingsStore store;
    Schedule schedule;
};

TEST_F(AlarmPageTest, CheckingStoresTheAlarmsAndHalfHourChime) {
    // The pickers may hold seconds; only hours and minutes are stored.
    const AlarmPage page{
        {Day("2026-03-05"), 7h + 30min + 45s}, {Day("2020-01-01"), 16h + 50min}, 2, true};
    const auto message = ApplyAlarmSettings(true, page, store, schedule);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, "闹钟与报时已设置成功！");
    EXPECT_EQ(message->caption, "Tavelon");
    EXPECT_EQ(Stored("L1"), "0.3125");
    EXPECT_EQ(Stored("L2"), "0.7013888888888888");
    EXPECT_EQ(Stored("BS"), "2");
    EXPECT_EQ(schedule, (Schedule{2, 7h + 30min, 16h + 50min}));
}

TEST_F(AlarmPageTest, FailedWriteShowsNothingButScheduleTakesTheValues) {
    store.failWrites = true;
    const AlarmPage page{{Day("2026-03-05"), 6h}, {Day("2026-03-05"), 18h + 5min}, 3, true};
    EXPECT_FALSE(ApplyAlarmSettings(true, page, store, schedule));
    EXPECT_EQ(schedule, (Schedule{3, 6h, 18h + 5min}));
}

TEST_F(AlarmPageTest, UncheckingRemovesTheAlarmsChimeAndColourOnly) {
    for (const char* name : {"L1", "L2", "BS", "ZS"}) Store(name, "1");
    for (const char* name : {"CT", "LK", "OP", "FS", "MP", "P1", "P4", "QH"}) Store(name, "kept");
    const settings::QuietHours night{22h, 7h};
    schedule = Schedule{1, 7h + 30min, std::nullopt, night};
    const auto message = ApplyAlarmSettings(false, AlarmPage{}, store, schedule);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, "闹钟与报时已成功取消！");
    EXPECT_EQ(message->caption, "Tavelon");
    for (const char* name : {"L1", "L2", "BS", "ZS"}) EXPECT_EQ(Stored(name), "<no value>");
    EXPECT_EQ(store.keys.at(std::string(settings::kSettingsKey)).size(), 8u);
    EXPECT_EQ(schedule, (Schedule{0, std::nullopt, std::nullopt, night}));

    // Some of the four suffice; once none is left, unchecking again finds nothing to remove.
    Store("ZS", "255");
    EXPECT_TRUE(ApplyAlarmSettings(false, AlarmPage{}, store, schedule));
    schedule.ChimeMode = 3;
    EXPECT_FALSE(ApplyAlarmSettings(false, AlarmPage{}, store, schedule));
    EXPECT_EQ(schedule.ChimeMode, 3);
}

TEST_F(AlarmPageTest, UncheckingThatCannotRemoveShowsNothingAndChangesNothing) {
    schedule = Schedule{3, 7h, 8h};
    EXPECT_FALSE(ApplyAlarmSettings(false, AlarmPage{}, store, schedule));  // nothing stored
    Store("BS", "3");
    store.failDeletes = true;
    EXPECT_FALSE(ApplyAlarmSettings(false, AlarmPage{}, store, schedule));
    EXPECT_EQ(Stored("BS"), "3");
    EXPECT_EQ(schedule, (Schedule{3, 7h, 8h}));
}

TEST_F(AlarmPageTest, LoadShowsStoredAlarmsOnTodaysDate) {
    Store("L1", "0.4513888888888889");  // 10:50
    Store("L2", "0.7013888888888888");  // 16:50
    Store("BS", "3");
    const AlarmPage page = LoadAlarmSettings(store, schedule, {}, kNow);
    EXPECT_EQ(page, (AlarmPage{{kNow.today, 10h + 50min}, {kNow.today, 16h + 50min}, 3, true}));
    EXPECT_EQ(schedule, (Schedule{3, 10h + 50min, 16h + 50min}));
}

TEST_F(AlarmPageTest, LoadWithoutStoredAlarmsShowsTheProposalsAndKeepsTheSchedule) {
    schedule = Schedule{0, 9h, std::nullopt};
    const settings::AlarmProposals proposals{"2026-03-04 07:00:00", "2026-03-04 16:50:00"};
    const AlarmPage page = LoadAlarmSettings(store, schedule, proposals, kNow);
    EXPECT_EQ(page.alarm1, (PickerMoment{Day("2026-03-04"), 7h}));
    EXPECT_EQ(page.alarm2, (PickerMoment{Day("2026-03-04"), 16h + 50min}));
    EXPECT_EQ(page.chimeOption, 0);
    EXPECT_FALSE(page.enabled);
    EXPECT_EQ(schedule, (Schedule{0, 9h, std::nullopt}));
}

TEST_F(AlarmPageTest, LoadWithoutProposalKeepsThePickersAtNow) {
    const AlarmPage page = LoadAlarmSettings(store, schedule, {}, kNow);
    EXPECT_EQ(page.alarm1, (PickerMoment{kNow.today, kNow.timeOfDay}));
    EXPECT_EQ(page.alarm2, (PickerMoment{kNow.today, kNow.timeOfDay}));
}

TEST_F(AlarmPageTest, CheckBoxComesUpOnlyForAStoredChimeOneToThree) {
    struct Row {
        const char* bs;
        int mode;
        int option;
        bool enabled;
    };
    for (const Row row : {Row{"0", 0, 0, false}, Row{"1", 1, 1, true}, Row{"2.4", 2, 2, true},
                          Row{"3", 3, 3, true}, Row{"7", 7, 0, false}, Row{"-1", -1, 0, false}}) {
        Store("BS", row.bs);
        Schedule loaded;
        const AlarmPage page = LoadAlarmSettings(store, loaded, {}, kNow);
        EXPECT_EQ(loaded.ChimeMode, row.mode) << row.bs;
        EXPECT_EQ(page.chimeOption, row.option) << row.bs;
        EXPECT_EQ(page.enabled, row.enabled) << row.bs;
    }
}

TEST_F(AlarmPageTest, StoringWithoutChimeReopensUnchecked) {
    const AlarmPage stored{{kNow.today, 7h + 30min}, {kNow.today, 16h + 50min}, 0, true};
    ASSERT_TRUE(ApplyAlarmSettings(true, stored, store, schedule));
    EXPECT_EQ(Stored("BS"), "0");
    Schedule reopened;
    const AlarmPage page = LoadAlarmSettings(store, reopened, {}, kNow);
    EXPECT_FALSE(page.enabled);
    EXPECT_EQ(page, (AlarmPage{{kNow.today, 7h + 30min}, {kNow.today, 16h + 50min}, 0, false}));
    EXPECT_EQ(reopened, (Schedule{0, 7h + 30min, 16h + 50min}));
}

// The quiet hours keep only hours and minutes; a stored text of another form is offered as
// none; a store that refuses them is said, and the schedule follows the page all the same.
TEST_F(AlarmPageTest, QuietHoursLoadAndStore) {
    Store("QH", "7:00-22:00");  // not two digits: not read
    const tools::QuietPage shown = tools::LoadQuietHours(store, Day("2026-03-05"));
    EXPECT_FALSE(shown.enabled);
    EXPECT_EQ(shown.start, (PickerMoment{Day("2026-03-05"), 22h}));
    EXPECT_EQ(shown.end, (PickerMoment{Day("2026-03-05"), 7h}));

    tools::QuietPage page{true, {Day("2026-03-05"), 23h + 5min + 59s}, {Day("2026-03-05"), 6h}};
    EXPECT_FALSE(tools::ApplyQuietHours(page, store, schedule));
    EXPECT_EQ(Stored("QH"), "23:05-06:00");
    EXPECT_EQ(schedule.quietHours, (settings::QuietHours{23h + 5min, 6h}));
    EXPECT_TRUE(tools::LoadQuietHours(store, Day("2026-03-05")).enabled);

    store.failWrites = true;
    page.enabled = false;
    const auto message = tools::ApplyQuietHours(page, store, schedule);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, "免打扰时段未能保存，本次运行仍然有效。");
    EXPECT_EQ(schedule.quietHours, std::nullopt);
}

}  // namespace

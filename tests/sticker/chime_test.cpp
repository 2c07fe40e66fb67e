#include "sticker/chime.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/fakes.h"

namespace sticker {
namespace {

using calendar::Moment;
using settings::Schedule;

using namespace std::chrono;
using namespace std::chrono_literals;

using Actions = std::vector<Action>;

Actions HourChime(const char* sentence) { return {PlayAction("WAV_ZDSEN"), SpeakAction(sentence)}; }
Actions HalfHourChime(const char* sentence) {
    return {PlayAction("WAV_BDSEN"), SpeakAction(sentence)};
}
Actions Alarm(const char* sentence) {
    return {PlayAction("WAV_BAOSHI"), SpeakAction(sentence), PlayAction("WAV_RING")};
}
Actions Join(Actions a, const Actions& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct ChimeCase {
    const char* name;
    seconds time;
    Schedule schedule;
    Actions expected;
};

class ChimeAndAlarmActions : public testing::TestWithParam<ChimeCase> {};

TEST_P(ChimeAndAlarmActions, PlaysAndSpeaksInOrder) {
    EXPECT_EQ(sticker::ChimeAndAlarmActions(GetParam().time, GetParam().schedule),
              GetParam().expected);
}

Schedule Mode(int mode) { return Schedule{mode, std::nullopt, std::nullopt}; }
Schedule Alarms(std::optional<seconds> a1, std::optional<seconds> a2, int mode = 0) {
    return Schedule{mode, a1, a2};
}

// Chime mode 3 with quiet hours, and an alarm if given.
Schedule Quiet(minutes start, minutes end, std::optional<seconds> alarm = std::nullopt) {
    return Schedule{3, alarm, std::nullopt, settings::QuietHours{start, end}};
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChimeAndAlarmActions,
    testing::Values(
        ChimeCase{"Mode1OnTheHour", 12h, Mode(1), HourChime("现在是12点整")},
        ChimeCase{"Mode1SilentAtHalfPast", 12h + 30min, Mode(1), {}},
        ChimeCase{"Mode2SilentOnTheHour", 12h, Mode(2), {}},
        ChimeCase{"Mode2AtHalfPastOne", 13h + 30min, Mode(2), HalfHourChime("现在是13点三十分")},
        ChimeCase{"Mode3OnTheHour", 12h, Mode(3), HourChime("现在是12点整")},
        ChimeCase{"Mode3AtHalfPast", 13h + 30min, Mode(3), HalfHourChime("现在是13点三十分")},
        ChimeCase{"MidnightSaysZero", 0s, Mode(1), HourChime("现在是0点整")},
        ChimeCase{"MidnightMode3", 0s, Mode(3), HourChime("现在是0点整")},
        ChimeCase{"OneSecondLateNoCatchUp", 12h + 1s, Mode(3), {}},
        ChimeCase{"UnknownModesAreSilent", 12h, Mode(4), {}},
        ChimeCase{"NegativeModeIsSilent", 12h, Mode(-7), {}},
        ChimeCase{"ModeZeroIsSilent", 12h, Mode(0), {}},
        ChimeCase{"ChimeThenAlarm", 7h, Alarms(7h, std::nullopt, 1),
                  Join(HourChime("现在是7点整"), Alarm("7点0分到了"))},
        ChimeCase{"AlarmAt0805", 8h + 5min, Alarms(8h + 5min, std::nullopt), Alarm("8点5分到了")},
        ChimeCase{"SecondAlarm", 16h + 50min, Alarms(7h, 16h + 50min), Alarm("16点50分到了")},
        ChimeCase{"SameTimeRingsOnce", 7h, Alarms(7h, 7h), Alarm("7点0分到了")},
        ChimeCase{"AlarmNeedsTheExactSecond", 7h + 1s, Alarms(7h, 7h), {}},
        ChimeCase{"AbsentAlarmsNeverRingAtMidnight", 0s, Alarms(std::nullopt, std::nullopt), {}},
        ChimeCase{"AlarmAtMidnight", 0s, Alarms(std::nullopt, 0s), Alarm("0点0分到了")},
        ChimeCase{"TimeBeyondTheDay", 24h, Alarms(24h, std::nullopt, 1), {}},
        ChimeCase{"QuietFromItsStart", 22h, Quiet(22h, 7h), {}},
        ChimeCase{"QuietPastMidnight", 6h + 30min, Quiet(22h, 7h), {}},
        ChimeCase{"ChimesAgainAtTheEnd", 7h, Quiet(22h, 7h), HourChime("现在是7点整")},
        ChimeCase{"ChimesBeforeTheStart", 21h + 30min, Quiet(22h, 7h),
                  HalfHourChime("现在是21点三十分")},
        ChimeCase{"AlarmRingsInQuietHours", 23h, Quiet(22h, 7h, 23h), Alarm("23点0分到了")},
        ChimeCase{"EmptyQuietSpanHoldsNothing", 9h, Quiet(9h, 9h), HourChime("现在是9点整")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckChimeAndAlarms, SevenOClockWithModeOneAndAlarmOne) {
    fakes::Recorder recorder;
    const Schedule schedule{1, 7h, std::nullopt};
    CheckChimeAndAlarms(Moment{sys_days{2026y / 12 / 7}, 7h}, schedule, recorder);
    EXPECT_EQ(recorder.actions, (Actions{PlayAction("WAV_ZDSEN"), SpeakAction("现在是7点整"),
                                         PlayAction("WAV_BAOSHI"), SpeakAction("7点0分到了"),
                                         PlayAction("WAV_RING")}));
}

TEST(CheckChimeAndAlarms, AWholeDayOfTicksAnnouncesEachDueSecondOnce) {
    fakes::Recorder recorder;
    const Schedule schedule{3, 6h + 45min, 23h + 59min};
    fakes::FixedClock clock(Moment{sys_days{2026y / 12 / 7}, 0s});
    for (int tick = 0; tick < 86400; ++tick) {
        CheckChimeAndAlarms(clock.Now(), schedule, recorder);
        clock.Advance(1s);
    }
    EXPECT_EQ(clock.Now(), (Moment{sys_days{2026y / 12 / 8}, 0s}));
    // 48 chimes of two actions each and two alarms of three.
    EXPECT_EQ(recorder.actions.size(), 48u * 2 + 2 * 3);
    EXPECT_EQ(Actions(recorder.actions.begin() + 14, recorder.actions.begin() + 16),
              HalfHourChime("现在是3点三十分"));
    // 06:45 follows the fourteen chimes from 00:00 to 06:30.
    EXPECT_EQ(Actions(recorder.actions.begin() + 28, recorder.actions.begin() + 31),
              Alarm("6点45分到了"));
    EXPECT_EQ(Actions(recorder.actions.end() - 3, recorder.actions.end()), Alarm("23点59分到了"));
}

}  // namespace
}  // namespace sticker

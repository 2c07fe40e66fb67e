#include "tools/alarm_page.h"

namespace tools {

namespace {

using std::chrono::floor;
using std::chrono::minutes;
using std::chrono::seconds;

// A picker shows hours and minutes only, so whatever seconds it holds are dropped.
seconds HourAndMinute(seconds timeOfDay) { return floor<minutes>(timeOfDay); }

PickerMoment PickerOf(const sticker::Moment& moment) {
    return PickerMoment{moment.today, moment.timeOfDay};
}

// One alarm: a stored value wins; otherwise the proposal the sticker prepared, otherwise the
// picker keeps the moment it was created at.
PickerMoment LoadAlarm(sticker::SettingsStore& store, std::string_view value,
                       std::optional<seconds>& alarm, std::string_view proposal,
                       const sticker::Moment& now) {
    const std::string stored = sticker::ReadSetting(store, sticker::kSettingsKey, value);
    if (!stored.empty()) {
        alarm = sticker::AlarmTimeFromText(stored);
        if (alarm) return PickerMoment{now.today, HourAndMinute(*alarm)};
    }
    if (const auto proposed = sticker::ParseMoment(proposal)) return PickerOf(*proposed);
    return PickerOf(now);
}

}  // namespace

AlarmPage LoadAlarmSettings(sticker::SettingsStore& store, sticker::Schedule& schedule,
                            const sticker::AlarmProposals& proposals, const sticker::Moment& now) {
    AlarmPage page;
    page.alarm1 =
        LoadAlarm(store, sticker::kAlarm1Value, schedule.AlarmTime1, proposals.alarm1, now);
    page.alarm2 =
        LoadAlarm(store, sticker::kAlarm2Value, schedule.AlarmTime2, proposals.alarm2, now);

    const std::string chime =
        sticker::ReadSetting(store, sticker::kSettingsKey, sticker::kChimeValue);
    if (!chime.empty()) {
        schedule.ChimeMode = sticker::ChimeModeFromText(chime);
        // Mode 0, or a value no button stands for, leaves the page as it starts.
        if (schedule.ChimeMode >= 1 && schedule.ChimeMode <= 3) {
            page.chimeOption = schedule.ChimeMode;
            page.check1 = true;
        }
    }
    return page;
}

std::optional<PageMessage> ApplyAlarmSettings(bool checked, const AlarmPage& page,
                                              sticker::SettingsStore& store,
                                              sticker::Schedule& schedule) {
    using sticker::kSettingsKey;
    if (!checked) {
        if (!sticker::DeleteSetting(store, kSettingsKey, "")) return std::nullopt;
        schedule = sticker::Schedule{};
        return PageMessage{std::string(kAlarmsCancelledMessage)};
    }
    schedule.ChimeMode = page.chimeOption;
    schedule.AlarmTime1 = HourAndMinute(page.alarm1.timeOfDay);
    schedule.AlarmTime2 = HourAndMinute(page.alarm2.timeOfDay);
    // All three writes are tried even after a failure, so as much as possible is stored.
    const bool alarm1Written = sticker::WriteSetting(store, kSettingsKey, sticker::kAlarm1Value,
                                                     sticker::AlarmTimeText(*schedule.AlarmTime1));
    const bool alarm2Written = sticker::WriteSetting(store, kSettingsKey, sticker::kAlarm2Value,
                                                     sticker::AlarmTimeText(*schedule.AlarmTime2));
    const bool chimeWritten = sticker::WriteSetting(store, kSettingsKey, sticker::kChimeValue,
                                                    sticker::ChimeModeText(schedule.ChimeMode));
    if (!(alarm1Written && alarm2Written && chimeWritten)) return std::nullopt;
    return PageMessage{std::string(kAlarmsSetMessage)};
}

}  // namespace tools

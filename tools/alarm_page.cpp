#include "tools/alarm_page.h"

#include "settings/desktop.h"

namespace tools {

namespace {

using std::chrono::floor;
using std::chrono::minutes;
using std::chrono::seconds;

// A picker shows hours and minutes only, so whatever seconds it holds are dropped.
seconds HourAndMinute(seconds timeOfDay) { return floor<minutes>(timeOfDay); }

PickerMoment PickerOf(const calendar::Moment& moment) {
    return PickerMoment{moment.today, moment.timeOfDay};
}

// One alarm: a stored value wins; otherwise the proposal the sticker prepared, otherwise the
// picker keeps the moment it was created at.
PickerMoment LoadAlarm(settings::SettingsStore& store, std::string_view value,
                       std::optional<seconds>& alarm, std::string_view proposal,
                       const calendar::Moment& now) {
    const std::string stored = settings::ReadSetting(store, settings::kSettingsKey, value);
    if (!stored.empty()) {
        alarm = settings::AlarmTimeFromText(stored);
        if (alarm) return PickerMoment{now.today, HourAndMinute(*alarm)};
    }
    if (const auto proposed = calendar::ParseMoment(proposal)) return PickerOf(*proposed);
    return PickerOf(now);
}

// Removes what the page's tooltip names (the alarms, the chime and the text colour) and
// nothing else: the desktop options beside them survive. True when at least one of them was
// stored and none is left; a value that was not stored is no failure.
bool RemoveAlarmValues(settings::SettingsStore& store) {
    bool removed = false, left = false;
    for (const std::string_view name : {settings::kAlarm1Value, settings::kAlarm2Value,
                                        settings::kChimeValue, settings::kColourValue}) {
        if (settings::DeleteSetting(store, settings::kSettingsKey, name))
            removed = true;
        else if (!settings::ReadSetting(store, settings::kSettingsKey, name).empty())
            left = true;
    }
    return removed && !left;
}

}  // namespace

AlarmPage LoadAlarmSettings(settings::SettingsStore& store, settings::Schedule& schedule,
                            const settings::AlarmProposals& proposals,
                            const calendar::Moment& now) {
    AlarmPage page;
    page.alarm1 =
        LoadAlarm(store, settings::kAlarm1Value, schedule.AlarmTime1, proposals.alarm1, now);
    page.alarm2 =
        LoadAlarm(store, settings::kAlarm2Value, schedule.AlarmTime2, proposals.alarm2, now);

    const std::string chime =
        settings::ReadSetting(store, settings::kSettingsKey, settings::kChimeValue);
    if (!chime.empty()) {
        schedule.ChimeMode = settings::ChimeModeFromText(chime);
        // Mode 0, or a value no button stands for, leaves the page as it starts.
        if (schedule.ChimeMode >= 1 && schedule.ChimeMode <= 3) {
            page.chimeOption = schedule.ChimeMode;
            page.enabled = true;
        }
    }
    return page;
}

std::optional<PageMessage> ApplyAlarmSettings(bool checked, const AlarmPage& page,
                                              settings::SettingsStore& store,
                                              settings::Schedule& schedule) {
    using settings::kSettingsKey;
    if (!checked) {
        if (!RemoveAlarmValues(store)) return std::nullopt;
        // The quiet hours are a setting of their own and outlive the alarms.
        const auto quietHours = schedule.quietHours;
        schedule = settings::Schedule{};
        schedule.quietHours = quietHours;
        return PageMessage{std::string(kAlarmsCancelledMessage)};
    }
    schedule.ChimeMode = page.chimeOption;
    schedule.AlarmTime1 = HourAndMinute(page.alarm1.timeOfDay);
    schedule.AlarmTime2 = HourAndMinute(page.alarm2.timeOfDay);
    // All three writes are tried even after a failure, so as much as possible is stored.
    const bool alarm1Written = settings::WriteSetting(
        store, kSettingsKey, settings::kAlarm1Value, settings::AlarmTimeText(*schedule.AlarmTime1));
    const bool alarm2Written = settings::WriteSetting(
        store, kSettingsKey, settings::kAlarm2Value, settings::AlarmTimeText(*schedule.AlarmTime2));
    const bool chimeWritten = settings::WriteSetting(store, kSettingsKey, settings::kChimeValue,
                                                     settings::ChimeModeText(schedule.ChimeMode));
    if (!(alarm1Written && alarm2Written && chimeWritten)) return std::nullopt;
    return PageMessage{std::string(kAlarmsSetMessage)};
}

QuietPage LoadQuietHours(settings::SettingsStore& store, calendar::sys_days today) {
    using namespace std::chrono_literals;
    const auto stored = settings::QuietHoursFromText(
        settings::ReadSetting(store, settings::kSettingsKey, settings::kQuietHoursValue));
    const settings::QuietHours shown = stored.value_or(settings::QuietHours{22h, 7h});
    return QuietPage{stored.has_value(), PickerMoment{today, shown.start},
                     PickerMoment{today, shown.end}};
}

std::optional<PageMessage> ApplyQuietHours(const QuietPage& page, settings::SettingsStore& store,
                                           settings::Schedule& schedule) {
    std::optional<settings::QuietHours> quiet;
    if (page.enabled)
        quiet = settings::QuietHours{floor<minutes>(page.start.timeOfDay),
                                     floor<minutes>(page.end.timeOfDay)};
    schedule.quietHours = quiet;
    if (settings::SaveQuietHours(store, quiet)) return std::nullopt;
    return PageMessage{std::string(kQuietHoursNotStoredMessage)};
}

}  // namespace tools

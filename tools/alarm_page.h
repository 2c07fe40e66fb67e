#pragma once
// The alarm and chime settings page: what it shows when the tools window opens, and what
// its settings box stores or removes.
#include <optional>
#include <string>
#include <string_view>

#include "calendar/moment.h"
#include "settings/forms.h"
#include "settings/schedule.h"
#include "settings/store.h"
#include "tools/picker_moment.h"

namespace tools {

inline constexpr std::string_view kAlarmMessageCaption = "Tavelon";
inline constexpr std::string_view kAlarmsSetMessage = "闹钟与报时已设置成功！";
inline constexpr std::string_view kAlarmsCancelledMessage = "闹钟与报时已成功取消！";

// The page's controls: the two alarm pickers (only their hour and minute are shown and
// stored), the checked chime button (its index is the chime mode) and the settings box.
struct AlarmPage {
    PickerMoment alarm1;
    PickerMoment alarm2;
    int chimeOption = 0;   // 0 "不报时" .. 3 "整点+半点报时"
    bool enabled = false;  // the settings box: checked while the settings are stored
    friend bool operator==(const AlarmPage&, const AlarmPage&) = default;
};

// Reads L1, L2 and BS into the schedule and the page. A stored alarm shows as today at its
// hour and minute; an absent one shows the sticker's proposal, or now when there is none,
// and leaves the schedule's alarm as it was. The settings box comes up checked only for a stored
// chime mode 1..3, though alarms may be stored with mode 0 as well.
AlarmPage LoadAlarmSettings(settings::SettingsStore& store, settings::Schedule& schedule,
                            const settings::AlarmProposals& proposals, const calendar::Moment& now);

struct PageMessage {
    std::string text;
    std::string_view caption = kAlarmMessageCaption;
};

// Run after the settings box has toggled; checked is its new state. Checked: the page's values
// go into the schedule at once, then to L1, L2 and BS; the message comes only when all three writes
// succeeded. Unchecked: L1, L2, BS and ZS go (the text colour with the alarms, as the page's
// tooltip says) and every other stored setting stays; only when at least one of them was
// stored and none is left are the chime and both alarms switched off and the message given.
// The quiet hours stay in the schedule either way.
std::optional<PageMessage> ApplyAlarmSettings(bool checked, const AlarmPage& page,
                                              settings::SettingsStore& store,
                                              settings::Schedule& schedule);

// The quiet hours' box and its two times; only their hour and minute count.
struct QuietPage {
    bool enabled = false;
    PickerMoment start;
    PickerMoment end;
};
inline constexpr std::string_view kQuietHoursNotStoredMessage =
    "免打扰时段未能保存，本次运行仍然有效。";

// Reads QH. None stored (or unreadable): the box unchecked and 22:00 to 07:00 offered.
QuietPage LoadQuietHours(settings::SettingsStore& store, calendar::sys_days today);
// Puts the page's quiet hours (none while unchecked) into the schedule at once and stores them
// as QH; a message only when they could not be stored.
std::optional<PageMessage> ApplyQuietHours(const QuietPage& page, settings::SettingsStore& store,
                                           settings::Schedule& schedule);

}  // namespace tools

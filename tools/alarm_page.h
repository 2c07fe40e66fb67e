#pragma once
// The alarm and chime settings page: what it shows when the tools window opens, and what
// Check1 stores or removes.
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

// The page's controls: DateTimePicker4 and DateTimePicker5 (only their hour and minute are
// shown and stored), the checked Option1 button (its index is the chime mode) and Check1.
struct AlarmPage {
    PickerMoment alarm1;
    PickerMoment alarm2;
    int chimeOption = 0;  // 0 "不报时" .. 3 "整点+半点报时"
    bool check1 = false;
    friend bool operator==(const AlarmPage&, const AlarmPage&) = default;
};

// Reads L1, L2 and BS into the schedule and the page. A stored alarm shows as today at its
// hour and minute; an absent one shows the sticker's proposal, or now when there is none,
// and leaves the schedule's alarm as it was. Check1 comes up checked only for a stored
// chime mode 1..3, though alarms may be stored with mode 0 as well.
AlarmPage LoadAlarmSettings(settings::SettingsStore& store, settings::Schedule& schedule,
                            const settings::AlarmProposals& proposals, const calendar::Moment& now);

struct PageMessage {
    std::string text;
    std::string_view caption = kAlarmMessageCaption;
};

// Run after Check1 has toggled; checked is its new state. Checked: the page's values go into
// the schedule at once, then to L1, L2 and BS; the message comes only when all three writes
// succeeded. Unchecked: L1, L2, BS and ZS go (the text colour with the alarms, as the page's
// tooltip says) and every other stored setting stays; only when at least one of them was
// stored and none is left are the chime and both alarms switched off and the message given.
// The quiet hours stay in the schedule either way.
std::optional<PageMessage> ApplyAlarmSettings(bool checked, const AlarmPage& page,
                                              settings::SettingsStore& store,
                                              settings::Schedule& schedule);

}  // namespace tools

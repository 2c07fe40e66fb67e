#include "settings/forms.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "calendar/date.h"
#include "settings/desktop.h"

namespace settings {

using namespace std::chrono;

std::string AlarmTimeText(seconds timeOfDay) {
    const hh_mm_ss<seconds> hms{timeOfDay};
    // Summed piece by piece, not divided once: the stored digits differ in the last place
    // for about a quarter of all times, and values already stored were written this way.
    const double fraction = double(hms.hours().count()) / 24 +
                            double(hms.minutes().count()) / 1440 +
                            double(hms.seconds().count()) / 86400;
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.16g", timeOfDay < seconds{0} ? -fraction : fraction);
    std::string text = buffer;
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

std::optional<seconds> AlarmTimeFromText(std::string_view text) {
    if (text.empty()) return std::nullopt;
    const double total = calendar::NumberValue(text) * 86400;
    // NaN fails both comparisons; infinities and times beyond the day fail one.
    if (!(total >= 0 && total < 86399.5)) return std::nullopt;
    return seconds{std::llround(total)};
}

std::string ChimeModeText(int mode) { return std::to_string(mode); }

int ChimeModeFromText(std::string_view text) {
    if (text.empty()) return 0;
    const double rounded = std::round(calendar::NumberValue(text));
    if (!(rounded >= std::numeric_limits<int>::min() &&
          rounded <= std::numeric_limits<int>::max())) {
        return 0;
    }
    return int(rounded);
}

std::string ColourText(std::uint32_t colour) {
    return std::to_string(static_cast<std::int32_t>(colour));
}

std::optional<std::uint32_t> ColourFromText(std::string_view text) {
    if (text.empty()) return std::nullopt;
    const double rounded = std::round(calendar::NumberValue(text));
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(rounded));
}

std::string AlarmProposal(sys_days today, std::string_view literal) {
    return calendar::FormatDate(today) + std::string(literal);
}

StickerSettings LoadStickerSettings(SettingsStore& store, sys_days today) {
    StickerSettings loaded;
    loaded.schedule.AlarmTime1 = AlarmTimeFromText(ReadSetting(store, kSettingsKey, kAlarm1Value));
    if (!loaded.schedule.AlarmTime1) {
        loaded.proposals.alarm1 = AlarmProposal(today, kAlarm1Proposal);
    }
    loaded.schedule.AlarmTime2 = AlarmTimeFromText(ReadSetting(store, kSettingsKey, kAlarm2Value));
    if (!loaded.schedule.AlarmTime2) {
        loaded.proposals.alarm2 = AlarmProposal(today, kAlarm2Proposal);
    }
    loaded.schedule.ChimeMode = ChimeModeFromText(ReadSetting(store, kSettingsKey, kChimeValue));
    loaded.textColour =
        ColourFromText(ReadSetting(store, kSettingsKey, kColourValue)).value_or(kDefaultTextColour);
    loaded.schedule.quietHours =
        QuietHoursFromText(ReadSetting(store, kSettingsKey, kQuietHoursValue));
    return loaded;
}

}  // namespace settings

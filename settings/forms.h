#pragma once
// The stored forms of the settings, and reading them into the schedule and the text colour.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/schedule.h"
#include "settings/store.h"

namespace settings {

// The text colour of the main face while ZS holds none, 0x00BBGGRR.
inline constexpr std::uint32_t kDefaultTextColour = 0x80FF00;

// L1 / L2: the time of day as a fraction of a day, 16 significant digits in the shorter of
// fixed and exponent form ("%.16g"); 07:00 is "0.2916666666666667", 10:50 "0.4513888888888889".
std::string AlarmTimeText(std::chrono::seconds timeOfDay);
// Empty text: absent. Otherwise the leading number (0 when there is none) as a day fraction
// rounded to the second; a value that is not finite or falls outside 0 <= t < 24 h is absent,
// as it could never ring.
std::optional<std::chrono::seconds> AlarmTimeFromText(std::string_view text);

// BS: decimal "0".."3".
std::string ChimeModeText(int mode);
// Empty text or a number that does not fit an int gives 0 (no chime).
int ChimeModeFromText(std::string_view text);

// ZS: decimal text of the colour as a signed 32-bit integer.
std::string ColourText(std::uint32_t colour);
// Empty text, or a number that is not finite or lies outside the signed 32-bit range, is
// absent. The result keeps all 32 bits; ColoursForText uses only the low 24.
std::optional<std::uint32_t> ColourFromText(std::string_view text);

// The settings page's suggestion for an absent alarm: today as "yyyy-mm-dd" and the literal,
// which begins with a blank.
inline constexpr std::string_view kAlarm1Proposal = " 07:00:00";
inline constexpr std::string_view kAlarm2Proposal = " 16:50:00";
std::string AlarmProposal(std::chrono::sys_days today, std::string_view literal);

struct AlarmProposals {
    std::string alarm1;  // "" when alarm 1 is stored
    std::string alarm2;
};

struct StickerSettings {
    Schedule schedule;
    std::uint32_t textColour = 0;  // kDefaultTextColour when ZS is absent
    AlarmProposals proposals;
};
// Reads L1, L2, BS, ZS and QH of kSettingsKey, in that order, each on its own.
StickerSettings LoadStickerSettings(SettingsStore& store, std::chrono::sys_days today);

}  // namespace settings

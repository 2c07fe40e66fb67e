#pragma once
// The sticker's desktop options beside the alarm values: click-through, lock, opacity, hiding
// for a full-screen window, the remembered places of both faces and the quiet hours. Each is
// one text value of kSettingsKey. Reading never fails and never writes: a missing, unreadable
// or malformed value gives its default and stays as it is stored until the user changes it.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "settings/schedule.h"
#include "settings/store.h"

namespace settings {

inline constexpr std::string_view kClickThroughValue = "CT";
inline constexpr std::string_view kLockValue = "LK";
inline constexpr std::string_view kOpacityValue = "OP";
inline constexpr std::string_view kFullScreenValue = "FS";
inline constexpr std::string_view kRememberPlaceValue = "MP";
inline constexpr std::string_view kMainPlaceValue = "P1";
inline constexpr std::string_view kAlternatePlaceValue = "P4";
inline constexpr std::string_view kQuietHoursValue = "QH";

inline constexpr int kMinOpacity = 40;  // percent; fainter would lose the face on a busy desktop
inline constexpr int kMaxOpacity = 100;

// A face's place: its top-left corner relative to the top-left of a monitor's work area, and
// that monitor's device name, so that it comes back on the same monitor even when the
// monitors' arrangement or the taskbar has changed.
struct Place {
    int x = 0;
    int y = 0;
    std::string device;
    friend bool operator==(const Place&, const Place&) = default;
};

struct DesktopSettings {
    bool clickThrough = false;            // CT
    bool locked = false;                  // LK
    int opacity = kMaxOpacity;            // OP, percent
    bool hideForFullScreen = true;        // FS
    bool rememberPlace = true;            // MP
    std::optional<Place> mainPlace;       // P1
    std::optional<Place> alternatePlace;  // P4
    friend bool operator==(const DesktopSettings&, const DesktopSettings&) = default;
};
// The quiet hours (QH) belong to the schedule the chime reads: LoadStickerSettings reads them.
DesktopSettings LoadDesktopSettings(SettingsStore& store);

// CT, LK, FS, MP: "1" or "0"; anything else is no flag.
std::string FlagText(bool on);
std::optional<bool> FlagFromText(std::string_view text);

// OP: the whole percent in decimal digits, kMinOpacity..kMaxOpacity.
std::string OpacityText(int percent);
std::optional<int> OpacityFromText(std::string_view text);

// P1, P4: "x,y,DEVICE", x and y decimal integers (a leading "-" allowed), the device name the
// rest of the text, never empty.
std::string PlaceText(const Place& place);
std::optional<Place> PlaceFromText(std::string_view text);

// QH: "HH:MM-HH:MM" with two digits each on the 24-hour clock, or empty for none.
std::string QuietHoursText(const std::optional<QuietHours>& quiet);
// Empty text is none; a text in any other form is not read (nullopt as well).
std::optional<QuietHours> QuietHoursFromText(std::string_view text);

// Each writes its one value and tells whether it is now stored.
bool SaveClickThrough(SettingsStore& store, bool on);
bool SaveLock(SettingsStore& store, bool on);
bool SaveOpacity(SettingsStore& store, int percent);  // clamped to kMinOpacity..kMaxOpacity
bool SaveHideForFullScreen(SettingsStore& store, bool on);
bool SaveRememberPlace(SettingsStore& store, bool on);
bool SaveQuietHours(SettingsStore& store, const std::optional<QuietHours>& quiet);
// Stores a face's place, or forgets it when there is none; forgetting a place that was never
// stored succeeds.
bool SaveMainPlace(SettingsStore& store, const std::optional<Place>& place);
bool SaveAlternatePlace(SettingsStore& store, const std::optional<Place>& place);

// The alpha of a layered window for an opacity in percent, clamped to kMinOpacity..kMaxOpacity
// and rounded: 60 % is 153.
int OpacityAlpha(int percent);

// A rectangle on the virtual screen, right and bottom exclusive, as the system gives them.
struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};
struct MonitorArea {
    std::string device;
    ScreenRect work;  // the monitor less the taskbar and other docked bars
};
struct ScreenPoint {
    int x = 0, y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// The top-left corner at which a face of width × height comes back to its stored place: on the
// monitor of that device name when it still exists. The place is kept exactly while the face's
// centre lies in the work area, as the faces keep themselves on screen; otherwise (a smaller
// work area, a taskbar moved) the whole face is pulled into the work area. No such monitor:
// nullopt, and the face takes its corner.
std::optional<ScreenPoint> RestorePlace(const Place& place, int width, int height,
                                        std::span<const MonitorArea> monitors);
// The place to store for a face whose top-left corner is at `at`: relative to the work area of
// the monitor that holds the face's centre, or else of the nearest one. No monitor: nullopt.
std::optional<Place> PlaceOn(ScreenPoint at, int width, int height,
                             std::span<const MonitorArea> monitors);

}  // namespace settings

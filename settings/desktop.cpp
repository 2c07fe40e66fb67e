#include "settings/desktop.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

namespace settings {

using namespace std::chrono;

namespace {

// The whole text as one decimal integer, or nothing: no blanks, no "+", nothing after it.
std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
    return value;
}

// "HH:MM" on the 24-hour clock, two digits each.
std::optional<minutes> ClockTime(std::string_view text) {
    if (text.size() != 5 || text[2] != ':') return std::nullopt;
    for (const std::size_t i : {0u, 1u, 3u, 4u})
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
    const int h = (text[0] - '0') * 10 + (text[1] - '0');
    const int m = (text[3] - '0') * 10 + (text[4] - '0');
    if (h > 23 || m > 59) return std::nullopt;
    return hours{h} + minutes{m};
}

std::string TwoDigits(long long n) {
    return std::string{char('0' + n / 10 % 10), char('0' + n % 10)};
}

std::string ClockText(minutes t) {
    return TwoDigits(t.count() / 60) + ":" + TwoDigits(t.count() % 60);
}

bool ReadFlag(SettingsStore& store, std::string_view name, bool fallback) {
    return FlagFromText(ReadSetting(store, kSettingsKey, name)).value_or(fallback);
}

bool SaveFlag(SettingsStore& store, std::string_view name, bool on) {
    return WriteSetting(store, kSettingsKey, name, FlagText(on));
}

bool SavePlace(SettingsStore& store, std::string_view name, const std::optional<Place>& place) {
    if (place) return WriteSetting(store, kSettingsKey, name, PlaceText(*place));
    // A delete that failed only because nothing was stored has still forgotten the place.
    return DeleteSetting(store, kSettingsKey, name) ||
           ReadSetting(store, kSettingsKey, name).empty();
}

bool Contains(const ScreenRect& r, long long x, long long y) {
    return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}

// How far a point lies outside a rectangle, squared; 0 inside.
long long DistanceSquared(const ScreenRect& r, long long x, long long y) {
    const long long dx = x < r.left ? r.left - x : x >= r.right ? x - (r.right - 1) : 0;
    const long long dy = y < r.top ? r.top - y : y >= r.bottom ? y - (r.bottom - 1) : 0;
    return dx * dx + dy * dy;
}

// Keeps one side of a face within [low, high) where it fits; a face larger than the span
// keeps its left or top edge on the span's start, where its menu and drag handle are.
long long PullInto(long long start, long long length, long long low, long long high) {
    return std::max(low, std::min(start, high - length));
}

constexpr long long Wide(int v) { return v; }

int ToInt(long long v) {
    return int(
        std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

DesktopSettings LoadDesktopSettings(SettingsStore& store) {
    DesktopSettings loaded;
    loaded.clickThrough = ReadFlag(store, kClickThroughValue, loaded.clickThrough);
    loaded.locked = ReadFlag(store, kLockValue, loaded.locked);
    loaded.opacity =
        OpacityFromText(ReadSetting(store, kSettingsKey, kOpacityValue)).value_or(kMaxOpacity);
    loaded.hideForFullScreen = ReadFlag(store, kFullScreenValue, loaded.hideForFullScreen);
    loaded.rememberPlace = ReadFlag(store, kRememberPlaceValue, loaded.rememberPlace);
    loaded.mainPlace = PlaceFromText(ReadSetting(store, kSettingsKey, kMainPlaceValue));
    loaded.alternatePlace = PlaceFromText(ReadSetting(store, kSettingsKey, kAlternatePlaceValue));
    return loaded;
}

std::string FlagText(bool on) { return on ? "1" : "0"; }

std::optional<bool> FlagFromText(std::string_view text) {
    if (text == "1") return true;
    if (text == "0") return false;
    return std::nullopt;
}

std::string OpacityText(int percent) { return std::to_string(percent); }

std::optional<int> OpacityFromText(std::string_view text) {
    if (text.empty() || text[0] < '0' || text[0] > '9') return std::nullopt;  // no sign
    const auto percent = WholeNumber(text);
    if (!percent || *percent < kMinOpacity || *percent > kMaxOpacity) return std::nullopt;
    return percent;
}

std::string PlaceText(const Place& place) {
    return std::to_string(place.x) + "," + std::to_string(place.y) + "," + place.device;
}

std::optional<Place> PlaceFromText(std::string_view text) {
    const std::size_t first = text.find(',');
    if (first == std::string_view::npos) return std::nullopt;
    const std::size_t second = text.find(',', first + 1);
    if (second == std::string_view::npos || second + 1 == text.size()) return std::nullopt;
    const auto x = WholeNumber(text.substr(0, first));
    const auto y = WholeNumber(text.substr(first + 1, second - first - 1));
    if (!x || !y) return std::nullopt;
    return Place{*x, *y, std::string(text.substr(second + 1))};
}

std::string QuietHoursText(const std::optional<QuietHours>& quiet) {
    if (!quiet) return {};
    return ClockText(quiet->start) + "-" + ClockText(quiet->end);
}

std::optional<QuietHours> QuietHoursFromText(std::string_view text) {
    if (text.size() != 11 || text[5] != '-') return std::nullopt;
    const auto start = ClockTime(text.substr(0, 5));
    const auto end = ClockTime(text.substr(6));
    if (!start || !end) return std::nullopt;
    return QuietHours{*start, *end};
}

bool SaveClickThrough(SettingsStore& store, bool on) {
    return SaveFlag(store, kClickThroughValue, on);
}
bool SaveLock(SettingsStore& store, bool on) { return SaveFlag(store, kLockValue, on); }
bool SaveHideForFullScreen(SettingsStore& store, bool on) {
    return SaveFlag(store, kFullScreenValue, on);
}
bool SaveRememberPlace(SettingsStore& store, bool on) {
    return SaveFlag(store, kRememberPlaceValue, on);
}

bool SaveOpacity(SettingsStore& store, int percent) {
    return WriteSetting(store, kSettingsKey, kOpacityValue,
                        OpacityText(std::clamp(percent, kMinOpacity, kMaxOpacity)));
}

bool SaveQuietHours(SettingsStore& store, const std::optional<QuietHours>& quiet) {
    return WriteSetting(store, kSettingsKey, kQuietHoursValue, QuietHoursText(quiet));
}

bool SaveMainPlace(SettingsStore& store, const std::optional<Place>& place) {
    return SavePlace(store, kMainPlaceValue, place);
}
bool SaveAlternatePlace(SettingsStore& store, const std::optional<Place>& place) {
    return SavePlace(store, kAlternatePlaceValue, place);
}

int OpacityAlpha(int percent) {
    return (std::clamp(percent, kMinOpacity, kMaxOpacity) * 255 + 50) / 100;
}

std::optional<ScreenPoint> RestorePlace(const Place& place, int width, int height,
                                        std::span<const MonitorArea> monitors) {
    const auto on = std::find_if(monitors.begin(), monitors.end(),
                                 [&](const MonitorArea& m) { return m.device == place.device; });
    if (on == monitors.end()) return std::nullopt;
    const ScreenRect& work = on->work;
    // In 64 bits: a stored place is any integer the text held.
    long long left = Wide(work.left) + place.x;
    long long top = Wide(work.top) + place.y;
    if (!Contains(work, left + width / 2, top + height / 2)) {
        left = PullInto(left, width, work.left, work.right);
        top = PullInto(top, height, work.top, work.bottom);
    }
    return ScreenPoint{ToInt(left), ToInt(top)};
}

std::optional<Place> PlaceOn(ScreenPoint at, int width, int height,
                             std::span<const MonitorArea> monitors) {
    const long long cx = Wide(at.x) + width / 2, cy = Wide(at.y) + height / 2;
    const MonitorArea* best = nullptr;
    long long bestDistance = 0;
    for (const MonitorArea& m : monitors) {
        const long long d = DistanceSquared(m.work, cx, cy);
        if (!best || d < bestDistance) best = &m, bestDistance = d;
    }
    if (!best) return std::nullopt;
    return Place{ToInt(Wide(at.x) - best->work.left), ToInt(Wide(at.y) - best->work.top),
                 best->device};
}

}  // namespace settings

#include "sticker/place_win.h"

#include "ui/monitors.h"

namespace sticker {
namespace {

settings::ScreenRect ScreenRectOf(const RECT& r) {
    return settings::ScreenRect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

std::vector<settings::MonitorArea> MonitorAreas() {
    std::vector<settings::MonitorArea> areas;
    for (const ui::Monitor& monitor : ui::Monitors())
        areas.push_back({monitor.device, ScreenRectOf(monitor.work)});
    return areas;
}

std::optional<settings::Place> PlaceOfWindow(HWND face) {
    RECT r{};
    if (!GetWindowRect(face, &r)) return std::nullopt;
    return settings::PlaceOn({r.left, r.top}, r.right - r.left, r.bottom - r.top, MonitorAreas());
}

std::optional<POINT> RestoredPlace(HWND face, const std::optional<settings::Place>& place) {
    RECT r{};
    if (!place || !GetWindowRect(face, &r)) return std::nullopt;
    const auto at =
        settings::RestorePlace(*place, r.right - r.left, r.bottom - r.top, MonitorAreas());
    if (!at) return std::nullopt;
    return POINT{at->x, at->y};
}

}  // namespace sticker

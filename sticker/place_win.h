#pragma once
// A face's remembered place on the real monitors: taken from where the face stands, and given
// back at the next start while its monitor is still there.
#include <windows.h>

#include <optional>
#include <vector>

#include "settings/desktop.h"

namespace sticker {

// The monitors' device names and work areas, as the place rules take them.
std::vector<settings::MonitorArea> MonitorAreas();

// The place of the face as it stands now, relative to its monitor's work area; nullopt when
// the system reports no monitor.
std::optional<settings::Place> PlaceOfWindow(HWND face);

// Where the face's top-left corner goes for a stored place: on that monitor, kept on screen;
// nullopt when there is no place or its monitor is gone, and the face takes its corner.
std::optional<POINT> RestoredPlace(HWND face, const std::optional<settings::Place>& place);

}  // namespace sticker

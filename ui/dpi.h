#pragma once
// Sizes in window descriptions are logical pixels at 96 DPI; these helpers turn them into
// device pixels for the DPI of the monitor a window is on.
#include <windows.h>

namespace ui {

inline constexpr UINT kBaseDpi = 96;
// The DPIs a window follows: half to ten times the base. A WM_DPICHANGED outside them, or with
// a suggested rectangle that is empty or far larger than the window, is ignored: a DPI of 0
// would shrink the window to nothing, 65535 would ask for a back buffer of gigabytes.
inline constexpr UINT kMinDpi = 48;
inline constexpr UINT kMaxDpi = 960;
bool IsSaneDpiChange(UINT dpi, const RECT* suggested, int logicalWidth, int logicalHeight);

// Rounds half away from zero, so that negative offsets scale like positive ones.
int Scale(int logical, UINT dpi);
RECT ScaleRect(int x, int y, int w, int h, UINT dpi);

// The DPI of the window's monitor (per-monitor aware process), else the system DPI.
UINT DpiOf(HWND hwnd);
UINT SystemDpi();

// Asks for per-monitor (v2 where available) DPI awareness. The manifest says the same; this
// call only matters when the program runs without it. Must run before the first window.
void EnablePerMonitorDpiAwareness();

}  // namespace ui

#pragma once
// Sizes in window descriptions are logical pixels at 96 DPI; these helpers turn them into
// device pixels for the DPI of the monitor a window is on.
#include <windows.h>

namespace ui {

inline constexpr UINT kBaseDpi = 96;

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

#pragma once
// The monitors of the desktop, and whether a full-screen window (a game, a film, a slide show)
// is in front on the monitor one of our windows is on.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace ui {

struct Monitor {
    std::string device;  // the display device's name, as "\\.\DISPLAY1"
    RECT bounds{};       // the whole monitor on the virtual screen
    RECT work{};         // less the taskbar and other docked bars
    bool primary = false;
};

// Every monitor attached to the desktop, in the system's order.
std::vector<Monitor> Monitors();
// The monitor a window is on, or the nearest one to it.
std::optional<Monitor> MonitorOf(HWND hwnd);

// True when the foreground window's client area covers the whole monitor `window` is on. The
// desktop, the shell's windows and this process's own windows never count: they are no film
// to make way for. A maximised window with a caption does not count either, as its client
// area leaves the caption uncovered. Cheap enough for a once-a-second check.
bool ForegroundCoversMonitorOf(HWND window);

}  // namespace ui

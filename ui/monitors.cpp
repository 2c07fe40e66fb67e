#include "ui/monitors.h"

#include <array>

#include "ui/text.h"

namespace ui {
namespace {

std::optional<Monitor> Describe(HMONITOR handle) {
    MONITORINFOEXW info{};
    info.cbSize = sizeof(info);
    if (!handle || !GetMonitorInfoW(handle, &info)) return std::nullopt;
    return Monitor{Narrow(info.szDevice), info.rcMonitor, info.rcWork,
                   (info.dwFlags & MONITORINFOF_PRIMARY) != 0};
}

BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, LPRECT, LPARAM list) noexcept {
    if (auto monitor = Describe(handle))
        reinterpret_cast<std::vector<Monitor>*>(list)->push_back(std::move(*monitor));
    return TRUE;
}

// The windows that make up the desktop and the taskbar: in front when the user clicks the
// wallpaper or the taskbar, and as large as a monitor.
bool IsDesktopOrShell(HWND hwnd) {
    if (hwnd == GetDesktopWindow() || hwnd == GetShellWindow()) return true;
    std::array<wchar_t, 64> name{};
    if (!GetClassNameW(hwnd, name.data(), int(name.size()))) return false;
    const std::wstring_view cls(name.data());
    return cls == L"Progman" || cls == L"WorkerW" || cls == L"Shell_TrayWnd" ||
           cls == L"Shell_SecondaryTrayWnd";
}

}  // namespace

std::vector<Monitor> Monitors() {
    std::vector<Monitor> list;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&list));
    return list;
}

std::optional<Monitor> MonitorOf(HWND hwnd) {
    return Describe(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST));
}

bool ForegroundCoversMonitorOf(HWND window) {
    const HWND front = GetForegroundWindow();
    if (!front || !window || IsDesktopOrShell(front)) return false;
    DWORD process = 0;
    GetWindowThreadProcessId(front, &process);
    if (process == GetCurrentProcessId()) return false;
    if (!IsWindowVisible(front) || IsIconic(front)) return false;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        return false;
    RECT client{};
    if (!GetClientRect(front, &client)) return false;
    MapWindowPoints(front, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const RECT& m = monitor.rcMonitor;
    return client.left <= m.left && client.top <= m.top && client.right >= m.right &&
           client.bottom >= m.bottom;
}

}  // namespace ui

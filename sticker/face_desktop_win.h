#pragma once
// The 设置 submenu of both faces and of the notification-area icon: the desktop options with
// their check marks, and the monitors to send the faces to. What a face does with them (its
// look, hiding for a full screen, its place) is the Face's part here.
#include <windows.h>

#include <string>
#include <vector>

#include "settings/desktop.h"
#include "ui/menu.h"

namespace sticker {

// The submenu's commands, the same on both faces, so the icon's menu sends either face the
// same numbers.
enum DesktopCommand : UINT {
    kClickThroughCommand = 120,
    kLockCommand = 121,
    kFullScreenCommand = 122,
    kRememberPlaceCommand = 123,
    kResetPlaceCommand = 124,
    kOpacityCommand = 130,  // + the step's index in kOpacitySteps
    kMonitorCommand = 140,  // + the monitor's index in the system's order
};
inline constexpr int kOpacitySteps[] = {100, 80, 60, 40};
// More monitors than this are not offered; the command numbers after them are not ours.
inline constexpr UINT kMaxMonitorItems = 16;

// What the menu shows of one monitor.
struct MonitorChoice {
    std::string device;
    int width = 0, height = 0;
    bool primary = false;
    bool current = false;  // the face is on it
};

// The submenu's items. The monitors are offered only when there is more than one.
std::vector<ui::MenuItem> DesktopMenuItems(const settings::DesktopSettings& desktop,
                                           const std::vector<MonitorChoice>& monitors);

// The monitors as the menu offers them, the one a window is on marked.
std::vector<MonitorChoice> MonitorChoices(HWND face);

}  // namespace sticker

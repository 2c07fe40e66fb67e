#include "sticker/desktop_menu_win.h"

#include "ui/monitors.h"

namespace sticker {

std::vector<ui::MenuItem> DesktopMenuItems(const settings::DesktopSettings& desktop,
                                           const std::vector<MonitorChoice>& monitors) {
    std::vector<ui::MenuItem> opacity;
    for (UINT i = 0; i < std::size(kOpacitySteps); ++i) {
        ui::MenuItem step{kOpacityCommand + i, "", std::to_string(kOpacitySteps[i]) + "%"};
        step.checked = desktop.opacity == kOpacitySteps[i];
        step.radio = true;
        opacity.push_back(std::move(step));
    }
    std::vector<ui::MenuItem> items;
    const auto flag = [&items](UINT id, std::string caption, bool on) {
        ui::MenuItem item{id, "", std::move(caption)};
        item.checked = on;
        items.push_back(std::move(item));
    };
    // Clicks that pass through the faces cannot open their menu either.
    flag(kClickThroughCommand, "鼠标穿透（菜单改由通知区图标打开）", desktop.clickThrough);
    flag(kLockCommand, "锁定位置", desktop.locked);
    items.emplace_back(0, "", "不透明度");
    items.back().submenu = std::move(opacity);
    flag(kFullScreenCommand, "全屏时隐藏", desktop.hideForFullScreen);
    flag(kRememberPlaceCommand, "记住位置", desktop.rememberPlace);
    items.emplace_back(kResetPlaceCommand, "", "复位");
    if (monitors.size() > 1) {
        std::vector<ui::MenuItem> screens;
        for (UINT i = 0; i < monitors.size() && i < kMaxMonitorItems; ++i) {
            const MonitorChoice& m = monitors[i];
            ui::MenuItem screen{kMonitorCommand + i, "",
                                "显示器" + std::to_string(i + 1) + "  " +
                                    std::to_string(m.width) + "×" + std::to_string(m.height) +
                                    (m.primary ? "（主）" : "")};
            screen.checked = m.current;
            screen.radio = true;
            screens.push_back(std::move(screen));
        }
        items.emplace_back(0, "", "显示器");
        items.back().submenu = std::move(screens);
    }
    return items;
}

std::vector<MonitorChoice> MonitorChoices(HWND face) {
    const std::optional<ui::Monitor> on = ui::MonitorOf(face);
    std::vector<MonitorChoice> choices;
    for (const ui::Monitor& m : ui::Monitors())
        choices.push_back({m.device, int(m.bounds.right - m.bounds.left),
                           int(m.bounds.bottom - m.bounds.top), m.primary,
                           on && on->device == m.device});
    return choices;
}

}  // namespace sticker

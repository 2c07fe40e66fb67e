#include "sticker/face_desktop_win.h"

#include "sticker/face_win.h"
#include "sticker/place_win.h"
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
                                "显示器" + std::to_string(i + 1) + "  " + std::to_string(m.width) +
                                    "×" + std::to_string(m.height) + (m.primary ? "（主）" : "")};
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

void Face::ApplyLook() {
    SetLayeredLook(static_cast<BYTE>(settings::OpacityAlpha(host_.desktop.opacity)),
                   host_.desktop.clickThrough);
}

void Face::ApplyDesktop() {
    ApplyLook();
    FollowFullScreen();
    BuildMenu();
}

void Face::FollowFullScreen() {
    // A minimised face is out of the way already, and showing it would restore it; minimised
    // from the icon's menu while hidden, it was shown by that.
    if (minimised_ || IsIconic(hwnd())) {
        hiddenForFullScreen_ = false;
        return;
    }
    const bool hide = host_.desktop.hideForFullScreen && ui::ForegroundCoversMonitorOf(hwnd());
    if (hide == hiddenForFullScreen_) return;
    hiddenForFullScreen_ = hide;
    ShowWindow(hwnd(), hide ? SW_HIDE : SW_SHOWNOACTIVATE);
}

void Face::GoToCorner(const RECT& workArea) {
    if (IsIconic(hwnd())) {
        pendingCorner_ = workArea;
        return;
    }
    pendingCorner_.reset();
    PlaceAt(PlacementOn(workArea));
}

void Face::RememberPlace() {
    if (!host_.desktop.rememberPlace || IsIconic(hwnd())) return;
    const std::optional<settings::Place> place = PlaceOfWindow(hwnd());
    if (!place) return;
    if (IsMainFace()) {
        if (settings::SaveMainPlace(host_.store, place)) host_.desktop.mainPlace = place;
    } else if (settings::SaveAlternatePlace(host_.store, place)) {
        host_.desktop.alternatePlace = place;
    }
}

bool Face::GoToRememberedPlace() {
    if (!host_.desktop.rememberPlace) return false;
    const auto at = RestoredPlace(
        hwnd(), IsMainFace() ? host_.desktop.mainPlace : host_.desktop.alternatePlace);
    if (!at) return false;
    SetWindowPos(hwnd(), nullptr, at->x, at->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    placed_ = false;
    return true;
}

void Face::OnDesktopCommand(UINT id) {
    settings::DesktopSettings& d = host_.desktop;
    settings::SettingsStore& store = host_.store;
    // What the user chose holds for this run even when it could not be stored.
    switch (id) {
        case kClickThroughCommand:
            settings::SaveClickThrough(store, d.clickThrough = !d.clickThrough);
            break;
        case kLockCommand:
            settings::SaveLock(store, d.locked = !d.locked);
            break;
        case kFullScreenCommand:
            settings::SaveHideForFullScreen(store, d.hideForFullScreen = !d.hideForFullScreen);
            break;
        case kRememberPlaceCommand:
            settings::SaveRememberPlace(store, d.rememberPlace = !d.rememberPlace);
            // Off, nothing is remembered: the places stored so far go too.
            if (!d.rememberPlace) {
                if (settings::SaveMainPlace(store, std::nullopt)) d.mainPlace.reset();
                if (settings::SaveAlternatePlace(store, std::nullopt)) d.alternatePlace.reset();
            }
            break;
        default:
            break;
    }
    if (id >= kOpacityCommand && id < kOpacityCommand + std::size(kOpacitySteps))
        settings::SaveOpacity(store, d.opacity = kOpacitySteps[id - kOpacityCommand]);

    std::optional<RECT> corner;
    if (id == kResetPlaceCommand) {
        if (settings::SaveMainPlace(store, std::nullopt)) d.mainPlace.reset();
        if (settings::SaveAlternatePlace(store, std::nullopt)) d.alternatePlace.reset();
        RECT primary{};
        if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &primary, 0)) corner = primary;
    }
    const std::vector<ui::Monitor> monitors =
        id >= kMonitorCommand && id < kMonitorCommand + kMaxMonitorItems
            ? ui::Monitors()
            : std::vector<ui::Monitor>{};
    if (id >= kMonitorCommand && id - kMonitorCommand < monitors.size())
        corner = monitors[id - kMonitorCommand].work;

    const auto apply = [&](Face& face) {
        face.ApplyDesktop();
        if (!corner) return;
        face.GoToCorner(*corner);
        // Sent to another monitor, the faces stay there at the next start.
        if (id != kResetPlaceCommand) face.RememberPlace();
    };
    if (host_.eachFace)
        host_.eachFace(apply);
    else
        apply(*this);
}

}  // namespace sticker

#pragma once
// The sticker's icon in the notification area: the way back to the menu when clicks pass
// through the faces. A right click opens the visible face's menu, a left click brings that
// face to the front; the tooltip names the program and today's lunar date, renewed on each
// new day.
#include <windows.h>

#include <string>

#include "app/app_win.h"
#include "calendar/moment.h"
#include "calendar/program_clock.h"
#include "ui/notify_icon.h"

namespace app {

// "Tavelon", then on a second line today's lunar date as the faces write it; the name alone
// outside the lunar range.
std::string TrayTip(std::chrono::sys_days today);

class Tray final : public calendar::TickListener {
public:
    explicit Tray(App& app);
    ~Tray() override;
    Tray(const Tray&) = delete;
    Tray& operator=(const Tray&) = delete;

    // Adds the icon; false when the shell refused it (it is offered again when the taskbar
    // comes back).
    bool Show();
    const ui::NotifyIcon& icon() const { return icon_; }

    void OnNewDay(const calendar::Moment& now) override;

private:
    void BringFaceToFront();
    void OpenMenu(POINT at);

    App& app_;
    ui::NotifyIcon icon_;
};

}  // namespace app

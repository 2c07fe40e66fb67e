#pragma once
// The program's icon in the notification area. It lives on a hidden top-level window of its
// own, since Explorer announces a restart ("TaskbarCreated") only to top-level windows: the
// icon is added again then, and removed when this object goes.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <string_view>

#include "ui/unique.h"

namespace ui {

class NotifyIcon {
public:
    // The icon's own message, sent by the shell for clicks and keys on the icon.
    static constexpr UINT kCallbackMessage = WM_APP + 40;
    static constexpr UINT kIconId = 1;

    struct Events {
        std::function<void()> select;     // a left click, or Enter / Space on the icon
        std::function<void(POINT)> menu;  // a right click or the menu key, at this point
    };

    NotifyIcon() = default;
    ~NotifyIcon();
    NotifyIcon(const NotifyIcon&) = delete;
    NotifyIcon& operator=(const NotifyIcon&) = delete;

    // Shows the icon resource of that name with a tooltip; false when the window or the icon
    // could not be made or the shell refused the icon (it is offered again on its restart).
    bool Show(std::string_view iconName, std::string_view tip, Events events);
    // A tooltip longer than the shell keeps is cut at a whole character.
    bool SetTip(std::string_view tip);
    // Takes the icon away and destroys the hidden window.
    void Remove();

    // The hidden window: the owner of the icon's menu.
    HWND hwnd() const { return hwnd_; }
    // Whether the shell holds the icon now.
    bool shown() const { return shown_; }

    // Shows a popup menu at a point for the icon, as the shell needs it (the owner in the
    // foreground while the menu is open, so a click elsewhere closes it), and returns the
    // chosen command, or 0.
    UINT TrackMenu(HMENU menu, POINT at);

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    NOTIFYICONDATAW Data(UINT flags) const;
    bool Add();
    void OnIconEvent(UINT event, WPARAM wp);

    HWND hwnd_ = nullptr;
    std::string iconName_;
    UniqueIcon icon_;
    std::wstring tip_;
    Events events_;
    UINT taskbarCreated_ = 0;
    bool shown_ = false;
    bool version4_ = false;  // the shell sends the newer event form with the anchor point
};

}  // namespace ui

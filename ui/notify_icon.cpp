#include "ui/notify_icon.h"

#include <windowsx.h>

#include <utility>

#include "ui/resources.h"
#include "ui/text.h"

namespace ui {
namespace {

constexpr wchar_t kClassName[] = L"TavelonNotifyIcon";

bool RegisterIconClass(WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = Module();
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The shell keeps 127 UTF-16 units of a tooltip; a cut never splits a surrogate pair.
std::wstring ShellTip(std::string_view tip) {
    std::wstring wide = Widen(tip);
    constexpr std::size_t kMax = 127;
    if (wide.size() > kMax) {
        std::size_t cut = kMax;
        if (wide[cut - 1] >= 0xD800 && wide[cut - 1] <= 0xDBFF) --cut;
        wide.resize(cut);
    }
    return wide;
}

}  // namespace

NotifyIcon::~NotifyIcon() { Remove(); }

bool NotifyIcon::Show(std::string_view iconName, std::string_view tip, Events events) {
    Remove();
    iconName_ = std::string(iconName);
    tip_ = ShellTip(tip);
    events_ = std::move(events);
    if (!RegisterIconClass(&NotifyIcon::Proc)) return false;
    // A top-level window, never shown: a message-only window would not hear of a restarted
    // taskbar, whose announcement is a broadcast.
    hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"Tavelon", WS_POPUP, 0, 0, 0, 0, nullptr,
                            nullptr, Module(), this);
    if (!hwnd_) return false;
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    // An elevated program would otherwise never hear it from the unelevated shell.
    if (taskbarCreated_) ChangeWindowMessageFilterEx(hwnd_, taskbarCreated_, MSGFLT_ALLOW, nullptr);
    return Add();
}

bool NotifyIcon::SetTip(std::string_view tip) {
    tip_ = ShellTip(tip);
    if (!shown_) return false;
    NOTIFYICONDATAW data = Data(NIF_TIP | NIF_SHOWTIP);
    return Shell_NotifyIconW(NIM_MODIFY, &data);
}

void NotifyIcon::Remove() {
    if (shown_) {
        NOTIFYICONDATAW data = Data(0);
        Shell_NotifyIconW(NIM_DELETE, &data);
        shown_ = false;
    }
    if (hwnd_) DestroyWindow(std::exchange(hwnd_, nullptr));
}

UINT NotifyIcon::TrackMenu(HMENU menu, POINT at) {
    if (!hwnd_ || !menu) return 0;
    // Without the foreground the menu would stay open after a click elsewhere; the message
    // after it lets the next click on the icon open it again.
    SetForegroundWindow(hwnd_);
    const HWND owner = hwnd_;
    const UINT command = static_cast<UINT>(TrackPopupMenuEx(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    return command;
}

NOTIFYICONDATAW NotifyIcon::Data(UINT flags) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = hwnd_;
    data.uID = kIconId;
    data.uFlags = flags;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_.get();
    tip_.copy(data.szTip, std::size(data.szTip) - 1);
    return data;
}

bool NotifyIcon::Add() {
    // Loaded anew each time: a taskbar that comes back after a DPI change wants the new size.
    icon_ = LoadIconByName(iconName_, GetSystemMetrics(SM_CXSMICON));
    NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP);
    // The announcement also comes while the shell still holds the icon; it is then updated.
    shown_ = Shell_NotifyIconW(NIM_ADD, &data) || Shell_NotifyIconW(NIM_MODIFY, &data);
    if (shown_) {
        data.uVersion = NOTIFYICON_VERSION_4;
        version4_ = Shell_NotifyIconW(NIM_SETVERSION, &data);
    }
    return shown_;
}

void NotifyIcon::OnIconEvent(UINT event, WPARAM wp) {
    // A handler may end this object (a menu's 关闭): nothing here is touched after the call.
    if (version4_) {
        if ((event == NIN_SELECT || event == NIN_KEYSELECT) && events_.select) {
            auto select = events_.select;
            select();
        } else if (event == WM_CONTEXTMENU && events_.menu) {
            auto menu = events_.menu;
            menu(POINT{GET_X_LPARAM(wp), GET_Y_LPARAM(wp)});
        }
        return;
    }
    if (event == WM_LBUTTONUP && events_.select) {
        auto select = events_.select;
        select();
    } else if (event == WM_RBUTTONUP && events_.menu) {
        POINT at{};
        GetCursorPos(&at);
        auto menu = events_.menu;
        menu(at);
    }
}

LRESULT NotifyIcon::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kCallbackMessage) {
        OnIconEvent(version4_ ? LOWORD(lp) : static_cast<UINT>(lp), wp);
        return 0;
    }
    if (taskbarCreated_ && msg == taskbarCreated_) {
        Add();
        return 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK NotifyIcon::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<NotifyIcon*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<NotifyIcon*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (!self || self->hwnd_ != hwnd) return DefWindowProcW(hwnd, msg, wp, lp);
    return self->Handle(msg, wp, lp);
}

}  // namespace ui

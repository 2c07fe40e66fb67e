#include "ui/tooltip.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/text.h"

namespace ui {

Tooltip::~Tooltip() {
    if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
}

bool Tooltip::Create(HWND owner, bool balloon) {
    if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
    owner_ = owner;
    DWORD style = WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP;
    if (balloon) style |= TTS_BALLOON;
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, style, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
    if (!tip_) return false;
    SetWindowPos(tip_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

void Tooltip::AddArea(UINT id, const RECT& area, std::string_view title, std::string_view text) {
    if (!tip_) return;
    std::wstring body = Widen(text);
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = owner_;
    info.uId = id;
    info.rect = area;
    info.lpszText = body.data();
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    if (!title.empty()) {
        const std::wstring wideTitle = Widen(title);
        SendMessageW(tip_, TTM_SETTITLEW, TTI_INFO, reinterpret_cast<LPARAM>(wideTitle.c_str()));
    }
}

void Tooltip::MoveArea(UINT id, const RECT& area) {
    if (!tip_) return;
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = owner_;
    info.uId = id;
    info.rect = area;
    SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

namespace {

void AddWindowTool(HWND tip, HWND owner, HWND window, UINT flags, std::string_view text) {
    if (!tip || !window) return;
    std::wstring body = Widen(text);
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = flags | TTF_IDISHWND;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(window);
    info.lpszText = body.data();
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace

void Tooltip::AddControl(HWND control, std::string_view text) {
    AddWindowTool(tip_, owner_, control, TTF_SUBCLASS, text);
}

// Not subclassed: the window already hands its mouse on, and a subclass costs a look-up of
// its data on every message the window gets, its paint each second among them.
void Tooltip::AddRelayingWindow(HWND window, std::string_view text) {
    AddWindowTool(tip_, owner_, window, 0, text);
}

void Tooltip::SetMaxWidth(int pixels) {
    if (tip_) SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, pixels);
}

void Tooltip::SetFont(HFONT font) {
    if (tip_) SendMessageW(tip_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Tooltip::Activate(bool active) {
    if (!tip_) return;
    if (!active) SendMessageW(tip_, TTM_POP, 0, 0);
    SendMessageW(tip_, TTM_ACTIVATE, active, 0);
}

}  // namespace ui

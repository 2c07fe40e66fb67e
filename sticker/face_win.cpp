#include "sticker/face_win.h"

#include <windowsx.h>

#include <utility>
#include <vector>

#include "sticker/settings_forms.h"
#include "ui/font.h"

namespace sticker {
namespace {

constexpr UINT kTooltipArea = 1;

}  // namespace

Face::Face(App& app, ui::WindowDesc desc) : ui::Window(std::move(desc)), app_(app) {}

void Face::OnCreate() {
    timer_.Attach(hwnd(), kTimer1);
    timer_.Enable(NextTickDelay(MillisecondsIntoSecond()));
}

void Face::OnShown() {
    tooltip_.Create(hwnd(), true);
    tooltip_.AddArea(kTooltipArea, ClientArea(), kFaceTooltipTitle, kFaceTooltipBody);
    SetUpTooltip();
    BuildMenu();
}

void Face::OnDpiChanged() {
    tooltip_.MoveArea(kTooltipArea, ClientArea());
    SetUpTooltip();
    BuildMenu();
}

void Face::SetUpTooltip() {
    tooltip_.SetMaxWidth(Scaled(400));
    // The system's tooltip font may lack Chinese glyphs; the faces' own font has them.
    tooltip_.SetFont(ui::CachedFont(kFaceTooltipFont, dpi()));
}

void Face::BuildMenu() {
    std::vector<ui::MenuItem> items;
    for (const FaceCommand& command : Commands())
        items.push_back({command.id, command.icon, command.caption});
    menu_.Build(items, dpi());
}

RECT Face::ClientArea() const {
    RECT r{};
    GetClientRect(hwnd(), &r);
    return r;
}

void Face::ComposeDate(const Moment& now) {
    composedFor_.reset();
    RefreshDate(now);
}

void Face::RefreshDate(const Moment& now) {
    const bool newDate = composedFor_ != now.today;
    composedFor_ = now.today;
    WriteDate(now, newDate);
}

void Face::OnTimer(UINT_PTR id) {
    if (id == kTimer1) Tick();
}

void Face::Tick() {
    timer_.Suspend();
    const Moment now = app_.clock.Now();
    // A timer that fires just before its second boundary would tick the same second twice.
    if (lastTick_ != now) {
        lastTick_ = now;
        const Moment shown = OnNewSecond(now);
        if (composedFor_ && *composedFor_ != shown.today) RefreshDate(shown);
        WriteClock(shown);
        if (!minimised_) UpdateWindow(hwnd());
    }
    timer_.Resume(NextTickDelay(MillisecondsIntoSecond()));
}

void Face::OnCommand(UINT id) {
    for (const FaceCommand& command : Commands()) {
        if (command.id != id) continue;
        switch (command.action) {
            case FaceAction::Notes:
                app_.forms.Open(FormId::Form2);
                break;
            case FaceAction::Tools:
                app_.forms.Open(FormId::Form3);
                break;
            case FaceAction::About:
                app_.forms.Open(FormId::Form5);
                break;
            case FaceAction::StartWithSystem:
                SetStartWithSystem(app_.settings, app_.program.directory, app_.program.file);
                break;
            case FaceAction::NoStartWithSystem:
                RemoveStartWithSystem(app_.settings);
                break;
            default:
                OnFaceAction(command.action);
                break;
        }
        return;
    }
}

void Face::ShowMenuAtCursor() {
    POINT at{};
    GetCursorPos(&at);
    at.y += Scaled(10);
    // An inactive tooltip may still show once its pending hover timer fires; without an
    // area it has nothing to show over the menu.
    tooltip_.Activate(false);
    tooltip_.MoveArea(kTooltipArea, RECT{});
    const UINT command = app_.trackMenu(hwnd(), menu_.handle(), at);
    tooltip_.MoveArea(kTooltipArea, ClientArea());
    tooltip_.Activate(true);
    PostMessageW(hwnd(), WM_COMMAND, command, 0);
}

bool Face::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_LBUTTONDOWN: {
            const ui::Control* hit = WindowlessAt(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            if (hit && DragsFrom(*hit)) {
                app_.dragMover(hwnd());
                app_.FaceCentre = WindowCentre(hwnd());
            }
            return true;
        }
        case WM_RBUTTONDOWN: {
            const ui::Control* hit = WindowlessAt(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            if (hit && OpensMenuFrom(*hit)) ShowMenuAtCursor();
            return true;
        }
        case WM_SIZE:
            if (wp == SIZE_MINIMIZED && !minimised_) {
                minimised_ = true;
                OnMinimised();
            } else if (wp == SIZE_RESTORED && minimised_) {
                minimised_ = false;
                OnRestored();
            }
            return false;
        case WM_TIMECHANGE:
            if (composedFor_) RefreshDate(app_.clock.Now());
            return false;
        case WM_POWERBROADCAST:
            if ((wp == PBT_APMRESUMEAUTOMATIC || wp == PBT_APMRESUMESUSPEND) && composedFor_)
                RefreshDate(app_.clock.Now());
            result = TRUE;
            return true;
        default:
            return false;
    }
}

void Face::OnDestroy() { timer_.Disable(); }

}  // namespace sticker

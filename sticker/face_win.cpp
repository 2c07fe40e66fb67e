#include "sticker/face_win.h"

#include <windowsx.h>

#include <cstdlib>
#include <utility>
#include <vector>

#include "sticker/face_desktop_win.h"
#include "ui/font.h"

namespace sticker {
namespace {

constexpr UINT kTooltipArea = 1;

}  // namespace

using calendar::Moment;

const std::string_view kFaceTooltipBody =
    "01时间, 02星期几, 03第几周, 04日期；\r\n"
    "05阴历年月日/月雅称, 06二十四节气；\r\n"
    "07年、月、日、时干支; 08生肖/属相; \r\n"
    "09中国节日, 10时辰/别称, 11夜五更; \r\n"
    "12时刻, 13数九, 14闰不闰月, 15月大\r\n"
    "月小, 16春节倒计时, 17工具中指定日\r\n"
    "期显示二十四节 气, 18工具中指定日期\r\n"
    "显示节日, 19工具中指定日期显示年、\r\n"
    "月、日、时的八字、五行、方位......";

UINT NextTickDelay(int millisecondsIntoSecond) {
    if (millisecondsIntoSecond < 0 || millisecondsIntoSecond > 999) millisecondsIntoSecond = 0;
    return static_cast<UINT>(1000 - millisecondsIntoSecond + kTickMarginMs);
}

int MillisecondsIntoSecond() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wMilliseconds;
}

FacePoint WindowCentre(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return FaceCentreOf(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void CentreWindowOn(HWND hwnd, FacePoint point) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    SetWindowPos(hwnd, nullptr, point.x - width / 2, point.y - height / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT NearestWorkArea(HWND hwnd) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor))
        return monitor.rcWork;
    return RECT{0, 0, GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)};
}

namespace {

bool OnAWorkArea(POINT point) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    HMONITOR on = MonitorFromPoint(point, MONITOR_DEFAULTTONULL);
    return on && GetMonitorInfoW(on, &monitor) && PtInRect(&monitor.rcWork, point);
}

}  // namespace

Face::Face(FaceHost& host, ui::WindowDesc desc, FaceMenuColumn menuIds)
    : ui::Window(std::move(desc)), host_(host), menuIds_(menuIds) {}

// Either may come first: the window destroyed, or the object destroyed with its window open.
Face::~Face() { host_.ticks.Unsubscribe(*this); }

void Face::OnCreate() {
    ApplyLook();
    host_.ticks.Subscribe(*this);
    if (!DrivesClock()) return;
    timer_.Attach(hwnd(), kTimer1);
    timer_.Enable(NextTickDelay(MillisecondsIntoSecond()));
}

void Face::OnShown() {
    tooltip_.Create(hwnd(), true);
    tooltip_.AddArea(kTooltipArea, ClientArea(), kFaceTooltipTitle, kFaceTooltipBody);
    ShareTooltipWithTail(tooltip_, kFaceTooltipBody);
    SetUpTooltip();
    BuildMenu();
}

void Face::OnDpiChanged() {
    tooltip_.MoveArea(kTooltipArea, ClientArea());
    SetUpTooltip();
    BuildMenu();
    if (!composedFor_) return;  // created on another monitor's DPI: its composition places it
    // The system has moved the face to where it suggests for the new DPI; a face at its place
    // keeps that as its place.
    if (placed_) {
        RECT r{};
        GetWindowRect(hwnd(), &r);
        anchor_ = {r.left, r.top};
        placedOn_ = NearestWorkArea(hwnd());
        OnPlaced();
    }
    KeepOnScreen(false);
}

RECT Face::Grip() const {
    RECT r{};
    GetWindowRect(hwnd(), &r);
    return r;
}

void Face::PlaceAt(FacePosition at) {
    SetWindowPos(hwnd(), nullptr, at.left, at.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    placed_ = true;
    anchor_ = at;
    // Asking for the monitor is slow: once per placing, not on every tick.
    placedOn_ = NearestWorkArea(hwnd());
    OnPlaced();
}

void Face::KeepOnScreen(bool followRule) {
    // A minimised face is placed when it is restored; one not yet composed when it is.
    if (!composedFor_ || IsIconic(hwnd())) return;
    const RECT grip = Grip();
    const bool seen = OnAWorkArea(
        POINT{grip.left + (grip.right - grip.left) / 2, grip.top + (grip.bottom - grip.top) / 2});
    if (seen && !(placed_ && followRule)) return;
    PlaceAt(PlacementOn(NearestWorkArea(hwnd())));
}

void Face::SetUpTooltip() {
    tooltip_.SetMaxWidth(Scaled(400));
    // The system's tooltip font may lack Chinese glyphs; the faces' own font has them.
    tooltip_.SetFont(ui::CachedFont(kFaceTooltipFont, dpi()));
}

void Face::BuildMenu() {
    std::vector<ui::MenuItem> items;
    for (const FaceMenuItem& item : kFaceMenu) {
        const UINT id = item.*menuIds_;
        if (!id) continue;
        items.emplace_back(id, item.icon, item.caption);
        if (item.action == FaceAction::Settings)
            items.back().submenu = DesktopMenuItems(host_.desktop, MonitorChoices(hwnd()));
    }
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
    // A tick that lets messages through (a box's own loop) does not tick again inside itself.
    if (id != kTimer1 || ticking_) return;
    ticking_ = true;
    host_.ticks.Tick();
    ticking_ = false;
    // A timer on time is left as it is, firing each second: setting it again is two calls to
    // the system each second, a good part of what an idle face costs.
    const int ms = MillisecondsIntoSecond();
    const bool onTime = ms >= kTickMarginMs / 4 && ms <= 3 * kTickMarginMs;
    const UINT wanted = onTime ? 1000 : NextTickDelay(ms);
    if (!timer_.armed() || timer_.interval() != wanted) timer_.Resume(wanted);
}

void Face::OnSecond(const Moment& now) {
    FollowFullScreen();
    if (composedFor_ && *composedFor_ != now.today) RefreshDate(now);
    WriteClock(now);
    if (!minimised_) PaintPending();
}

void Face::OnNewDay(const Moment& now) {
    if (composedFor_) RefreshDate(now);
}

void Face::OnCommand(UINT id) {
    if (id >= kClickThroughCommand && id < kMonitorCommand + kMaxMonitorItems) {
        OnDesktopCommand(id);
        return;
    }
    for (const FaceMenuItem& item : kFaceMenu) {
        // Command 0 is a dismissed menu, and 0 in a column an action the face does not offer.
        if (id == 0 || item.*menuIds_ != id) continue;
        switch (item.action) {
            case FaceAction::Notes:
            case FaceAction::Tools:
            case FaceAction::About:
            case FaceAction::Month:
            case FaceAction::Remind:
                if (host_.openWindow) host_.openWindow(item.action);
                break;
            case FaceAction::StartWithSystem:
                settings::SetStartWithSystem(host_.store, host_.program.directory,
                                             host_.program.file);
                break;
            case FaceAction::NoStartWithSystem:
                settings::RemoveStartWithSystem(host_.store);
                break;
            default:
                OnFaceAction(item.action);
                break;
        }
        return;
    }
}

// Where a double click means something (it opens the month view), a press only arms the drag
// and the move loop starts once the mouse moves with the button down: the move loop would take
// the button's release and the second click with it (under a window manager, the pointer too).
// Elsewhere a press drags at once.
void Face::OnLeftButton(POINT at, bool doubleClick) {
    const ui::Control* hit = WindowlessAt(at);
    armedAt_.reset();
    if (hit && OpensMonthFrom(*hit)) {
        if (doubleClick) {
            if (host_.openWindow) host_.openWindow(FaceAction::Month);
        } else if (DragsFrom(*hit)) {
            armedAt_ = at;
            SetCapture(hwnd());
        }
        return;
    }
    if (hit && DragsFrom(*hit)) Drag();
}

void Face::OnMouseMove(POINT at, WPARAM buttons) {
    if (!armedAt_) return;
    if (!(buttons & MK_LBUTTON)) {
        armedAt_.reset();
        return;
    }
    if (std::abs(at.x - armedAt_->x) <= GetSystemMetrics(SM_CXDRAG) &&
        std::abs(at.y - armedAt_->y) <= GetSystemMetrics(SM_CYDRAG))
        return;
    armedAt_.reset();
    Drag();
}

void Face::Drag() {
    if (host_.desktop.locked) return;
    RECT before{}, after{};
    GetWindowRect(hwnd(), &before);
    host_.dialogs.dragMover(hwnd());
    GetWindowRect(hwnd(), &after);
    // A click that moved nothing leaves the face at its place.
    if (!EqualRect(&before, &after)) {
        placed_ = false;
        RememberPlace();
    }
    host_.FaceCentre = WindowCentre(hwnd());
}

void Face::ShowMenuAtCursor() {
    POINT at{};
    GetCursorPos(&at);
    at.y += Scaled(10);
    // An inactive tooltip may still show once its pending hover timer fires; without an
    // area it has nothing to show over the menu.
    tooltip_.Activate(false);
    tooltip_.MoveArea(kTooltipArea, RECT{});
    BuildMenu();
    const UINT command = host_.dialogs.trackMenu(hwnd(), menu_.handle(), at);
    tooltip_.MoveArea(kTooltipArea, ClientArea());
    tooltip_.Activate(true);
    PostMessageW(hwnd(), WM_COMMAND, command, 0);
}

bool Face::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnLeftButton(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}, msg == WM_LBUTTONDBLCLK);
            return true;
        case WM_MOUSEMOVE:
            OnMouseMove(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}, wp);
            return false;
        case WM_LBUTTONUP:
            if (armedAt_) {
                armedAt_.reset();
                ReleaseCapture();
            }
            return false;
        case WM_CAPTURECHANGED:
            armedAt_.reset();
            return false;
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
        case WM_DISPLAYCHANGE:
            KeepOnScreen(true);
            return false;
        case WM_SETTINGCHANGE:
            if (wp == SPI_SETWORKAREA) KeepOnScreen(true);
            return false;
        case kComeIntoViewMessage:
            KeepOnScreen(true);
            return true;
        // Every top-level window hears these; the face that drives the clock tells the program.
        // A change of the time zone arrives as a change of the time.
        case WM_TIMECHANGE:
            if (DrivesClock()) host_.ticks.DateMayHaveChanged();
            return false;
        case WM_POWERBROADCAST:
            if ((wp == PBT_APMRESUMEAUTOMATIC || wp == PBT_APMRESUMESUSPEND) && DrivesClock())
                host_.ticks.DateMayHaveChanged();
            result = TRUE;
            return true;
        default:
            return false;
    }
}

void Face::OnDestroy() {
    timer_.Disable();
    host_.ticks.Unsubscribe(*this);
}

}  // namespace sticker

#include "month/month_win.h"

#include <windowsx.h>

#include <utility>

#include "month/day_details.h"
#include "month/month_layout_win.h"

namespace month {

using namespace std::chrono;

ui::WindowDesc MonthDescription() {
    using namespace layout;
    ui::WindowDesc d;
    d.className = std::string(kMonthClass);
    d.caption = "月历";
    // The outer size is corrected on creation so that the client area is exactly the layout's.
    d.width = kClientWidth + 16;
    d.height = kClientHeight + 39;
    d.style =
        WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    d.exStyle = WS_EX_CONTROLPARENT;
    d.systemBackground = false;
    d.background = kBackground;
    d.icon = "AAAAA_APPICON";
    d.font = kTextFont;
    using ui::ControlKind;
    d.controls = {
        ui::Describe(ControlKind::Button, "Command1", kMargin, kButtonTop, kButtonWidth,
                     kButtonHeight)
            .Caption("上月")
            .Tooltip("上一个月 (PageUp)"),
        ui::Describe(ControlKind::Label, "Label1", kHeaderLeft, kHeaderTop, kHeaderWidth,
                     kHeaderHeight)
            .Font(kHeaderFonts[0])
            .Colour(kText),
        ui::Describe(ControlKind::Button, "Command3", kNextLeft, kButtonTop, kButtonWidth,
                     kButtonHeight)
            .Caption("下月")
            .Tooltip("下一个月 (PageDown)"),
        ui::Describe(ControlKind::Button, "Command2", kTodayLeft, kButtonTop, kButtonWidth,
                     kButtonHeight)
            .Caption("今天")
            .Tooltip("回到今天 (Home)"),
        ui::Describe(ControlKind::Label, "Label2", kMargin, kDetailsTop, kContentWidth,
                     kDetailsHeight)
            .Font(kTextFont)
            .Colour(kText),
        ui::Describe(ControlKind::Label, "Label3", kMargin, kNoteTop, kContentWidth, kNoteHeight)
            .Font(kTextFont)
            .Colour(kNoteText),
    };
    return d;
}

MonthWindow::MonthWindow(MonthHost& host) : ui::Window(MonthDescription()), host_(host) {}

void MonthWindow::OnCreate() {
    holidays_ = LoadHolidays(host_.readHolidays ? host_.readHolidays() : HolidayFile{});
    today_ = host_.clock.Now().today;
    selection_ = StartAt(today_);
    FitClientArea();
    ui::CentreUnderCursor(hwnd());
    host_.ticks.Subscribe(*this);
}

// Either may come first: the window closed by the user, or the object destroyed with it open.
void MonthWindow::OnDestroy() { host_.ticks.Unsubscribe(*this); }
MonthWindow::~MonthWindow() { host_.ticks.Unsubscribe(*this); }

void MonthWindow::OnNewDay(const calendar::Moment& now) {
    if (!composed_ || now.today == today_) return;
    // A selection on the old today follows it; one the user moved elsewhere stays.
    MonthSelection next = selection_;
    if (selection_.selected == today_) next = StartAt(now.today);
    today_ = now.today;
    Show(next, true);
}

void MonthWindow::OnReady() { Show(selection_, true); }

void MonthWindow::FitClientArea() {
    RECT window{}, client{};
    GetWindowRect(hwnd(), &window);
    GetClientRect(hwnd(), &client);
    const int frameWidth = (window.right - window.left) - client.right;
    const int frameHeight = (window.bottom - window.top) - client.bottom;
    SetWindowPos(hwnd(), nullptr, 0, 0, Scaled(layout::kClientWidth) + frameWidth,
                 Scaled(layout::kClientHeight) + frameHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MonthWindow::Show(const MonthSelection& next, bool recompose) {
    const bool monthChanged = recompose || !composed_ || next.shown != selection_.shown;
    selection_ = next;
    if (monthChanged) {
        page_ = ComposeMonthPage(selection_.shown, today_, holidays_.schedule);
        composed_ = true;
        if (ui::Control* header = Named("Label1")) {
            // A header that would not fit its label takes the next smaller font.
            header->desc.font = HeaderFont(page_.header);
            if (header->desc.font.empty()) header->desc.font = layout::kHeaderFonts.back();
            Invalidate(*header);
        }
        SetText("Label1", page_.header);
        SetText("Label3", MonthNote(page_, holidays_));
        for (const auto& [button, step] : {std::pair{"Command1", -1}, std::pair{"Command3", 1}})
            if (const ui::Control* c = Named(button); c && c->hwnd)
                EnableWindow(c->hwnd, CanTurn(selection_, step));
    }
    SetText("Label2", DayDetails(selection_.selected, today_, holidays_.schedule));
    const RECT grid = GridRect();
    InvalidateRect(hwnd(), &grid, FALSE);
}

void MonthWindow::ShowToday() {
    today_ = host_.clock.Now().today;
    Show(StartAt(today_), true);
}

void MonthWindow::OnControlEvent(ui::Control& control, ui::ControlEvent event) {
    if (event != ui::ControlEvent::Clicked) return;
    if (control.desc.name == "Command1") Show(TurnBy(selection_, -1));
    if (control.desc.name == "Command3") Show(TurnBy(selection_, 1));
    if (control.desc.name == "Command2") ShowToday();
    // The keys belong to the grid: a button keeps no focus that would take the arrows.
    SetFocus(hwnd());
}

void MonthWindow::OnCommand(UINT id) {
    // Escape, as the dialog keyboard hands it over.
    if (id == IDCANCEL) RequestClose();
}

bool MonthWindow::OnKey(WPARAM key) {
    switch (key) {
        case VK_LEFT:
            Show(MoveBy(selection_, days{-1}));
            return true;
        case VK_RIGHT:
            Show(MoveBy(selection_, days{1}));
            return true;
        case VK_UP:
            Show(MoveBy(selection_, days{-7}));
            return true;
        case VK_DOWN:
            Show(MoveBy(selection_, days{7}));
            return true;
        case VK_PRIOR:
            Show(TurnBy(selection_, -1));
            return true;
        case VK_NEXT:
            Show(TurnBy(selection_, 1));
            return true;
        case VK_HOME:
            ShowToday();
            return true;
        default:
            return false;
    }
}

void MonthWindow::OnWheel(int delta) {
    // A fine-grained wheel sends small steps: a month turns per notch's worth.
    wheel_ += delta;
    while (wheel_ >= WHEEL_DELTA) {
        wheel_ -= WHEEL_DELTA;
        Show(TurnBy(selection_, -1));
    }
    while (wheel_ <= -WHEEL_DELTA) {
        wheel_ += WHEEL_DELTA;
        Show(TurnBy(selection_, 1));
    }
}

void MonthWindow::OnClick(POINT at) {
    const int index = CellAt(at);
    if (index >= 0) Show(Select(selection_, page_.cells[static_cast<std::size_t>(index)].date));
}

void MonthWindow::OnDpiChanged() {
    FitClientArea();
    if (composed_) Show(selection_, true);
}

bool MonthWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_GETDLGCODE:
            // The window itself takes the arrows; the dialog keyboard would move between buttons.
            result = DLGC_WANTARROWS | DLGC_WANTCHARS;
            return true;
        case WM_KEYDOWN:
            if (!OnKey(wp)) return false;
            result = 0;
            return true;
        case WM_MOUSEWHEEL:
            OnWheel(GET_WHEEL_DELTA_WPARAM(wp));
            result = 0;
            return true;
        case WM_LBUTTONDOWN:
            SetFocus(hwnd());
            OnClick(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            result = 0;
            return true;
        default:
            return false;
    }
}

}  // namespace month

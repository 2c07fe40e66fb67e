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
        ui::Describe(ControlKind::Button, MonthPart::PreviousMonth, "Command1", kMargin, kButtonTop,
                     kButtonWidth, kButtonHeight)
            .Caption("上月")
            .Tooltip("上一个月 (PageUp)"),
        ui::Describe(ControlKind::Label, MonthPart::Header, "Label1", kHeaderLeft, kHeaderTop,
                     kHeaderWidth, kHeaderHeight)
            .Font(kHeaderFonts[0])
            .Colour(kText),
        ui::Describe(ControlKind::Button, MonthPart::NextMonth, "Command3", kNextLeft, kButtonTop,
                     kButtonWidth, kButtonHeight)
            .Caption("下月")
            .Tooltip("下一个月 (PageDown)"),
        ui::Describe(ControlKind::Button, MonthPart::Today, "Command2", kTodayLeft, kButtonTop,
                     kButtonWidth, kButtonHeight)
            .Caption("今天")
            .Tooltip("回到今天 (Home)"),
        ui::Describe(ControlKind::Label, MonthPart::Details, "Label2", kMargin, kDetailsTop,
                     kContentWidth, kDetailsHeight)
            .Font(kTextFont)
            .Colour(kText),
        ui::Describe(ControlKind::TextBox, MonthPart::Note, "Text1", kMargin, kNoteTop,
                     kContentWidth, kNoteHeight)
            .Style(ES_MULTILINE | ES_READONLY | WS_VSCROLL)
            .Font(kTextFont),
        ui::Describe(ControlKind::Button, MonthPart::AddSchedule, "Command4", kAddLeft, kNoteTop,
                     kAddWidth, kAddHeight)
            .Caption("添加放假安排…")
            .Tooltip("在编辑器中打开holidays.txt，写入这一年的放假安排"),
    };
    return d;
}

MonthWindow::MonthWindow(MonthHost& host) : WindowOf(MonthDescription()), host_(host) {}

void MonthWindow::OnCreate() {
    holidayFile_ = host_.readHolidays ? host_.readHolidays() : HolidayFile{};
    holidays_ = LoadHolidays(holidayFile_);
    ReadReminders();
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
    ReadReminders();
    Show(next, true);
}

void MonthWindow::ReadReminders() {
    reminders_ = host_.readReminders ? host_.readReminders() : RemindersOfYear{};
}

// Back from the editor: a changed file shows at once, an unchanged one costs no repaint.
void MonthWindow::ReadHolidays() {
    if (!composed_ || !host_.readHolidays) return;
    HolidayFile file = host_.readHolidays();
    if (file.state == holidayFile_.state && file.text == holidayFile_.text) return;
    holidayFile_ = std::move(file);
    holidays_ = LoadHolidays(holidayFile_);
    editProblem_.clear();
    Show(selection_, true);
}

void MonthWindow::AddSchedule() {
    const int year = static_cast<int>(page_.month.year());
    editProblem_.clear();
    if (!host_.createHolidayFile || !host_.createHolidayFile(HolidayFileTemplate(year)))
        editProblem_ = kCannotCreateText;
    else if (!host_.openHolidayFile || !host_.openHolidayFile())
        editProblem_ = kCannotOpenText;
    ShowNote();
}

void MonthWindow::ShowNote() {
    std::string note = MonthNote(page_, holidays_);
    if (!editProblem_.empty()) note = editProblem_ + (note.empty() ? "" : "\r\n") + note;
    const bool offer = OffersSchedule(page_, holidays_);
    ui::Control& box = control(MonthPart::Note);
    // The note takes the whole width when the button is not there.
    const int width = offer ? layout::kNarrowNoteWidth : layout::kContentWidth;
    if (box.desc.w != width) {
        box.desc.w = width;
        box.rect = ScaledRect(box.desc);
        if (box.hwnd)
            SetWindowPos(box.hwnd, nullptr, box.rect.left, box.rect.top,
                         box.rect.right - box.rect.left, box.rect.bottom - box.rect.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (Text(box) != note) SetText(box, note);
    if (box.hwnd) ShowWindow(box.hwnd, note.empty() ? SW_HIDE : SW_SHOWNA);
    if (const HWND button = control(MonthPart::AddSchedule).hwnd)
        ShowWindow(button, offer ? SW_SHOWNA : SW_HIDE);
}

void MonthWindow::ShowDetails() {
    const std::vector<std::string> names = RemindersOn(shownReminders_, selection_.selected);
    ui::Control& details = control(MonthPart::Details);
    // The label takes a smaller step of its font before a name is left out.
    for (std::size_t shown = names.size();; --shown) {
        SetText(details, DayDetails(selection_.selected, today_, holidays_.schedule,
                                    ReminderLine(names, shown)));
        if (shown <= 1 || (details.fit.fits && !details.fit.cut)) return;
    }
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
        const sys_days first = FirstCellDay(selection_.shown);
        shownReminders_ = RemindersOfYears(reminders_, calendar::YearOf(first),
                                           calendar::YearOf(first + days{kCells - 1}));
        page_ = ComposeMonthPage(selection_.shown, today_, holidays_.schedule, shownReminders_);
        composed_ = true;
        ui::Control& header = control(MonthPart::Header);
        // A header that would not fit its label takes the next smaller font.
        header.desc.font = HeaderFont(page_.header);
        if (header.desc.font.empty()) header.desc.font = layout::kHeaderFonts.back();
        Invalidate(header);
        SetText(header, page_.header);
        ShowNote();
        for (const auto& [button, step] :
             {std::pair{MonthPart::PreviousMonth, -1}, std::pair{MonthPart::NextMonth, 1}})
            if (const HWND hwnd = control(button).hwnd)
                EnableWindow(hwnd, CanTurn(selection_, step));
    }
    ShowDetails();
    const RECT grid = GridRect();
    InvalidateRect(hwnd(), &grid, FALSE);
}

void MonthWindow::ShowToday() {
    today_ = host_.clock.Now().today;
    Show(StartAt(today_), true);
}

void MonthWindow::OnControlEvent(ui::Control& control, ui::ControlEvent event) {
    if (event != ui::ControlEvent::Clicked) return;
    if (Is(control, MonthPart::PreviousMonth)) Show(TurnBy(selection_, -1));
    if (Is(control, MonthPart::NextMonth)) Show(TurnBy(selection_, 1));
    if (Is(control, MonthPart::Today)) ShowToday();
    if (Is(control, MonthPart::AddSchedule)) AddSchedule();
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
        case WM_ACTIVATE:
            if (LOWORD(wp) != WA_INACTIVE) ReadHolidays();
            return false;
        case WM_CTLCOLORSTATIC:
            // The note is read-only text on the window's background, in the note's colour.
            if (reinterpret_cast<HWND>(lp) != control(MonthPart::Note).hwnd) return false;
            SetTextColor(reinterpret_cast<HDC>(wp), layout::kNoteText);
            SetBkColor(reinterpret_cast<HDC>(wp), layout::kBackground);
            SetDCBrushColor(reinterpret_cast<HDC>(wp), layout::kBackground);
            result = reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
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

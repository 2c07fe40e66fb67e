#include "remind/note_win.h"

#include <windows.h>

#include <algorithm>

#include "calendar/text.h"
#include "ui/dpi.h"
#include "ui/monitors.h"

namespace remind {

namespace {

constexpr int kMinWidth = 300, kMaxWidth = 760;
constexpr int kCharWidth = 13;  // a Chinese character of the default font, with room to spare
constexpr int kLineHeight = 20;
constexpr int kMargin = 10;
constexpr int kButtonWidth = 88, kButtonHeight = 28;
constexpr int kGap = 8;  // between the note and the face, in device pixels at 96 dpi

struct TextSize {
    int lines = 0;
    int longest = 0;  // code points
};

TextSize SizeOf(std::string_view text) {
    TextSize size;
    for (;;) {
        const std::size_t end = text.find("\r\n");
        ++size.lines;
        size.longest =
            std::max(size.longest, static_cast<int>(calendar::CodePointCount(text.substr(0, end))));
        if (end == std::string_view::npos) return size;
        text.remove_prefix(end + 2);
    }
}

// The client width that holds the longest line; a longer one takes the label's smaller font.
int WidthFor(const TextSize& size) {
    return std::clamp(size.longest * kCharWidth + 2 * kMargin, kMinWidth, kMaxWidth);
}

}  // namespace

ui::WindowDesc NoteDescription(std::string_view text) {
    const TextSize size = SizeOf(text);
    const int width = WidthFor(size);
    const int textHeight = size.lines * kLineHeight + 4;
    ui::WindowDesc d;
    d.className = std::string(kNoteClass);
    d.caption = "提醒";
    d.width = width + 8;
    d.height = kMargin + textHeight + kGap + kButtonHeight + kMargin + 30;
    // A tool window that stays above the others and is never activated: the keyboard stays
    // where the person is typing.
    d.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    d.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    d.icon = "AAAAA_APPICON";
    d.controls = {
        ui::Describe(ui::ControlKind::Label, NotePart::Text, "Label1", kMargin, kMargin,
                     width - 2 * kMargin, textHeight)
            .Caption(std::string(text)),
        ui::Describe(ui::ControlKind::Button, NotePart::Close, "Command1",
                     width - kMargin - kButtonWidth, kMargin + textHeight + kGap, kButtonWidth,
                     kButtonHeight)
            .Caption("知道了"),
    };
    return d;
}

NoteWindow::NoteWindow(std::string text, std::optional<RECT> face)
    : WindowOf(NoteDescription(text)), face_(face) {}

POINT NotePlace(std::optional<RECT> face, SIZE note, const RECT& work) {
    POINT at{work.right - note.cx, work.bottom - note.cy};
    if (face) {
        at.y = face->top;
        at.x = face->left - kGap - note.cx;
        if (at.x < work.left) at.x = face->right + kGap;
    }
    at.x = std::clamp<LONG>(at.x, work.left, std::max(work.left, work.right - note.cx));
    at.y = std::clamp<LONG>(at.y, work.top, std::max(work.top, work.bottom - note.cy));
    return at;
}

void NoteWindow::OnCreate() {
    RECT window{}, client{};
    GetWindowRect(hwnd(), &window);
    GetClientRect(hwnd(), &client);
    // The client area holds the layout exactly, whatever the frame's size at this DPI.
    const int frameWidth = (window.right - window.left) - client.right;
    const int frameHeight = (window.bottom - window.top) - client.bottom;
    const ui::WindowDesc& d = description();
    const SIZE size{Scaled(d.width - 8) + frameWidth, Scaled(d.height - 30) + frameHeight};
    RECT work{};
    if (const auto monitor = ui::MonitorOf(hwnd())) work = monitor->work;
    if (face_) {
        HMONITOR onFace = MonitorFromRect(&*face_, MONITOR_DEFAULTTONEAREST);
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        if (GetMonitorInfoW(onFace, &info)) work = info.rcWork;
    }
    const POINT at = NotePlace(face_, size, work);
    SetWindowPos(hwnd(), nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void NoteWindow::OnControlEvent(ui::Control& control, ui::ControlEvent event) {
    if (event == ui::ControlEvent::Clicked && Is(control, NotePart::Close)) RequestClose();
}

void NoteWindow::OnCommand(UINT id) {
    if (id == IDCANCEL) RequestClose();
}

bool NoteWindow::OnMessage(UINT msg, WPARAM /*wp*/, LPARAM /*lp*/, LRESULT& result) {
    // A click on the note does not activate it either, the button's included.
    if (msg != WM_MOUSEACTIVATE) return false;
    result = MA_NOACTIVATE;
    return true;
}

DayNotes::~DayNotes() { host_.ticks.Unsubscribe(*this); }

NoteWindow* DayNotes::note() const { return note_ && note_->hwnd() ? note_.get() : nullptr; }

void DayNotes::Check(calendar::sys_days today) {
    if (host_.path.empty()) return;
    const calendar::UserFile read = host_.files.Read(host_.path);
    if (read.state != calendar::UserFileState::Read) return;
    const std::vector<Reminder> reminders = ParseReminderFile(read.text).Reminders();
    const std::vector<Occurrence> due = noted_.TakeNew(reminders, DueOn(reminders, today), today);
    if (due.empty()) return;
    note_.reset();
    note_ = std::make_unique<NoteWindow>(NoteText(reminders, due, today),
                                         host_.faceRect ? host_.faceRect() : std::nullopt);
    if (!note_->Create(SW_SHOWNOACTIVATE)) note_.reset();
}

void DayNotes::OnSecond(const calendar::Moment& now) {
    if (started_) return;
    started_ = true;
    Check(now.today);
}

void DayNotes::OnNewDay(const calendar::Moment& now) { Check(now.today); }

}  // namespace remind

#include "ui/window.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "ui/dpi.h"
#include "ui/font.h"
#include "ui/gdi.h"
#include "ui/layered.h"
#include "ui/resources.h"
#include "ui/text.h"

namespace ui {

Window::Window(WindowDesc desc) : desc_(std::move(desc)) {
    background_ = desc_.systemBackground ? GetSysColor(COLOR_BTNFACE) : desc_.background;
    if (desc_.className.empty()) desc_.className = "Tavelon.Window";
    // The controls exist from the start, so that a control is never missing, only not created.
    BuildControls();
}

Window::~Window() {
    if (hwnd_) {
        // The derived object is gone already: the window must not call back into it.
        HWND hwnd = hwnd_;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        DestroyWindow(hwnd);
    }
    // Whoever tracks this object learns of its end however it came.
    if (final_) std::exchange(final_, nullptr)();
}

int Window::Scaled(int logical) const { return Scale(logical, dpi_); }

Window* Window::FromHandle(HWND hwnd) {
    // Compared by class procedure: tooltips subclass our windows and change their procedure.
    if (!hwnd || GetClassLongPtrW(hwnd, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&Window::Proc))
        return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

bool Window::RegisterClass() const {
    const std::wstring name = Widen(desc_.className);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(Module(), name.c_str(), &existing)) return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &Window::Proc;
    wc.hInstance = Module();
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = name.c_str();
    if (desc_.doubleClicks) wc.style |= CS_DBLCLKS;
    // No class background: the window paints every pixel itself, from a back buffer.
    return RegisterClassExW(&wc) != 0;
}

bool Window::Create(int showCommand) {
    static const bool commonControls = [] {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                  ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES |
                                                  ICC_TAB_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)commonControls;
    if (hwnd_ || !RegisterClass()) return false;
    dpi_ = SystemDpi();
    const int x = desc_.defaultPosition ? CW_USEDEFAULT : Scale(desc_.x, dpi_);
    const int y = desc_.defaultPosition ? CW_USEDEFAULT : Scale(desc_.y, dpi_);
    const std::wstring className = Widen(desc_.className), caption = Widen(desc_.caption);
    creating_ = true;
    CreateWindowExW(desc_.exStyle, className.c_str(), caption.c_str(), desc_.style & ~WS_VISIBLE, x,
                    y, Scale(desc_.width, dpi_), Scale(desc_.height, dpi_), nullptr, nullptr,
                    Module(), this);
    if (!hwnd_) {
        creating_ = false;
        return false;
    }
    // A per-monitor aware window may have landed on a monitor with another DPI.
    if (const UINT actual = DpiOf(hwnd_); actual != dpi_) ApplyDpi(actual, nullptr);
    CreateTailWindow();
    SetBackground(background_);
    CreateControls();
    OnCreate();
    creating_ = false;
    PostMessageW(hwnd_, kWindowReadyMessage, 0, 0);
    ShowWindow(hwnd_, showCommand);
    return true;
}

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    Window* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        const LRESULT result = DefWindowProcW(hwnd, msg, wp, lp);
        std::function<void()> final = std::move(self->final_);
        self->OnFinalMessage();  // may delete self: nothing after this touches it
        if (final) final();
        return result;
    }
    return self->Handle(msg, wp, lp);
}

LRESULT Window::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (OnMessage(msg, wp, lp, result)) return result;
    switch (msg) {
        case kWindowReadyMessage:
            OnReady();
            RepaintNow();
            PostMessageW(hwnd_, kWindowShownMessage, 0, 0);
            return 0;
        case kWindowShownMessage:
            if (!desc_.icon.empty())
                SetWindowIcons(hwnd_, desc_.icon, desc_.bigIcon, desc_.smallIcon, bigIcon_,
                               smallIcon_);
            OnShown();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_TIMER:
            OnTimer(wp);
            return 0;
        case WM_COMMAND:
            Command(wp, lp);
            return 0;
        case WM_NOTIFY:
            return Notify(*reinterpret_cast<const NMHDR*>(lp));
        case WM_VSCROLL:
        case WM_HSCROLL:
            for (Control& c : controls_) {
                if (!lp || c.hwnd != reinterpret_cast<HWND>(lp) ||
                    c.desc.kind != ControlKind::UpDown)
                    continue;
                if (!creating_ && LOWORD(wp) == SB_THUMBPOSITION)
                    OnControlEvent(c, ControlEvent::PositionChanged);
                return 0;
            }
            return DefWindowProcW(hwnd_, msg, wp, lp);
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return ColourStatic(msg, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
        case WM_DPICHANGED: {
            const RECT* suggested = reinterpret_cast<const RECT*>(lp);
            if (IsSaneDpiChange(HIWORD(wp), suggested, desc_.width, desc_.height))
                ApplyDpi(HIWORD(wp), suggested);
            return 0;
        }
        case WM_WINDOWPOSCHANGED:
            if (tail_) tail_->FollowOwner();
            return DefWindowProcW(hwnd_, msg, wp, lp);
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            return DefWindowProcW(hwnd_, msg, wp, lp);
    }
}

void Window::ApplyDpi(UINT dpi, const RECT* suggested) {
    dpi_ = dpi;
    RECT now{};
    GetWindowRect(hwnd_, &now);
    const RECT& at = suggested ? *suggested : now;
    SetWindowPos(hwnd_, nullptr, at.left, at.top, Scale(desc_.width, dpi_),
                 Scale(desc_.height, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
    if (!desc_.icon.empty())
        SetWindowIcons(hwnd_, desc_.icon, desc_.bigIcon, desc_.smallIcon, bigIcon_, smallIcon_);
    OnDpiChanged();
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Window::SetBackground(COLORREF colour) {
    background_ = colour;
    brush_.reset(CreateSolidBrush(colour));
    if (hwnd_ && desc_.colourKey) {
        const LONG_PTR ex = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
        if (!(ex & WS_EX_LAYERED)) SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, ex | WS_EX_LAYERED);
        SetLayeredWindowAttributes(hwnd_, colour, 0, LWA_COLORKEY);
        if (tail_) {
            tail_->TakeOwnerLook();
            UpdateTail(controls_[tailRow_], true);  // over the new background
        }
    }
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void Window::SetLayeredLook(BYTE alpha, bool clickThrough) {
    ui::SetLayeredLook(hwnd_, background_, alpha);
    SetClickThrough(hwnd_, clickThrough);
    if (tail_) tail_->TakeOwnerLook();
}

// Only a label on a colour-keyed window has its live tail drawn apart: elsewhere a repaint
// costs no more than what it paints.
void Window::CreateTailWindow() {
    if (!desc_.colourKey) return;
    for (std::size_t row = 0; row < controls_.size(); ++row) {
        if (controls_[row].desc.kind != ControlKind::Label || !controls_[row].desc.liveTail)
            continue;
        tail_ = std::make_unique<TailWindow>();
        tailRow_ = row;
        if (!tail_->Create(hwnd_)) tail_.reset();
        return;
    }
}

void Window::RepaintNow() {
    if (!hwnd_) return;
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (tail_ && tail_->hwnd())
        RedrawWindow(tail_->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void Window::PaintPending() {
    if (hwnd_) UpdateWindow(hwnd_);
    if (tail_) tail_->PaintNow();
}

void Window::RequestClose() {
    if (hwnd_) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void Window::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client{};
    GetClientRect(hwnd_, &client);
    const SIZE size{client.right, client.bottom};
    if (size.cx > 0 && size.cy > 0 &&
        (!backBuffer_ || size.cx != backBufferSize_.cx || size.cy != backBufferSize_.cy)) {
        backBuffer_.reset(CreateCompatibleBitmap(dc, size.cx, size.cy));
        backBufferSize_ = size;
    }
    const UniqueDc memory(backBuffer_ ? CreateCompatibleDC(dc) : nullptr);
    if (memory) {
        const SelectedObject bitmap(memory.get(), backBuffer_.get());
        // Only the dirty part is copied to the screen: text outside it would be drawn for
        // nothing, a whole clock line each second where only its seconds changed.
        IntersectClipRect(memory.get(), ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right,
                          ps.rcPaint.bottom);
        FillRect(memory.get(), &ps.rcPaint, brush_.get());
        OnPaint(memory.get(), ps.rcPaint);
        PaintWindowless(memory.get(), ps.rcPaint);
        BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
               ps.rcPaint.bottom - ps.rcPaint.top, memory.get(), ps.rcPaint.left, ps.rcPaint.top,
               SRCCOPY);
    } else {
        // Out of memory for the buffer: paint directly rather than not at all.
        FillRect(dc, &ps.rcPaint, brush_.get());
        OnPaint(dc, ps.rcPaint);
        PaintWindowless(dc, ps.rcPaint);
    }
    EndPaint(hwnd_, &ps);
}

void Window::PaintWindowless(HDC dc, const RECT& dirty) {
    RECT overlap;
    for (const ControlKind pass :
         {ControlKind::Picture, ControlKind::GroupBox, ControlKind::Label}) {
        for (Control& c : controls_) {
            if (c.desc.kind != pass || !IntersectRect(&overlap, &c.rect, &dirty)) continue;
            if (pass == ControlKind::Picture) c.picture.Draw(dc, c.rect, background_);
            if (pass == ControlKind::GroupBox) PaintGroupBox(dc, c);
            if (pass == ControlKind::Label) PaintLabel(dc, c);
        }
    }
}

const std::string& Window::FontSpecOf(const Control& c) const {
    return c.desc.font.empty() ? desc_.font : c.desc.font;
}

BYTE Window::TextQuality() const { return desc_.colourKey ? kColourKeyQuality : DEFAULT_QUALITY; }

void Window::PaintGroupBox(HDC dc, const Control& c) {
    const SelectedObject font(dc, CachedFont(FontSpecOf(c), dpi_, TextQuality()));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    RECT frame = c.rect;
    frame.top += tm.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (!c.text.empty()) {
        const std::wstring text = Widen(c.text);
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        const int gap = Scaled(2);
        RECT caption{c.rect.left + Scaled(8), c.rect.top,
                     c.rect.left + Scaled(8) + extent.cx + 2 * gap, c.rect.top + tm.tmHeight};
        FillRect(dc, &caption, brush_.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, c.colour);
        TextOutW(dc, caption.left + gap, caption.top, text.c_str(), static_cast<int>(text.size()));
    }
}

LRESULT Window::ColourStatic(UINT msg, HDC dc, HWND child) {
    for (const Control& c : controls_) {
        if (c.hwnd != child) continue;
        // Edits (read-only ones ask here too) keep the system's colours.
        if (c.desc.kind == ControlKind::TextBox) break;
        SetBkColor(dc, background_);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(brush_.get());
    }
    return DefWindowProcW(hwnd_, msg, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(child));
}

void DeliverMessage(MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    const Window* window = root ? Window::FromHandle(root) : nullptr;
    if (window && window->HasChildWindows() && IsDialogMessageW(root, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int RunMessageLoop() {
    MSG msg{};
    int got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) DeliverMessage(msg);
    return got < 0 ? 1 : static_cast<int>(msg.wParam);
}

void CentreUnderCursor(HWND hwnd) {
    POINT cursor{};
    GetCursorPos(&cursor);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const RECT& work = monitor.rcWork;
    RECT window{};
    GetWindowRect(hwnd, &window);
    const int width = window.right - window.left, height = window.bottom - window.top;
    const int left = std::max(work.left, work.left + (work.right - work.left - width) / 2);
    const int top = std::max(work.top, work.top + (work.bottom - work.top - height) / 2);
    SetWindowPos(hwnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void BringToFront(HWND hwnd) {
    if (!hwnd) return;
    if (IsIconic(hwnd))
        ShowWindow(hwnd, SW_RESTORE);
    else if (!IsWindowVisible(hwnd))
        ShowWindow(hwnd, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd);
    FLASHWINFO flash{sizeof(flash), hwnd, FLASHW_ALL, 5, 100};
    FlashWindowEx(&flash);
}

}  // namespace ui

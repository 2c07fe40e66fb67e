#include "ui/tail_window.h"

#include <commctrl.h>

#include <utility>

#include "ui/layered.h"
#include "ui/resources.h"

namespace ui {
namespace {

constexpr wchar_t kTailClass[] = L"Tavelon.Tail";

bool IsMouseMessage(UINT msg) {
    // The wheel goes to the focus, not to the window under the cursor.
    return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST && msg != WM_MOUSEWHEEL &&
           msg != WM_MOUSEHWHEEL;
}

}  // namespace

TailWindow::~TailWindow() {
    if (!hwnd_) return;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(std::exchange(hwnd_, nullptr));
}

bool TailWindow::Create(HWND owner) {
    if (hwnd_ || !owner) return hwnd_ != nullptr;
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (!GetClassInfoExW(Module(), kTailClass, &existing)) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &TailWindow::Proc;
        wc.hInstance = Module();
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.lpszClassName = kTailClass;
        wc.style = CS_DBLCLKS;  // the owner's double click lands wherever it is pressed
        if (!RegisterClassExW(&wc)) return false;
    }
    owner_ = owner;
    hwnd_ = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kTailClass, L"",
                            WS_POPUP, 0, 0, 0, 0, owner, nullptr, Module(), this);
    return hwnd_ != nullptr;
}

LRESULT CALLBACK TailWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    if (msg == WM_NCCREATE) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(
                              reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    auto* self = reinterpret_cast<TailWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    if (IsMouseMessage(msg) && self->owner_) {
        POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        MapWindowPoints(hwnd, self->owner_, &at, 1);
        const LRESULT result = SendMessageW(self->owner_, msg, wp, MAKELPARAM(at.x, at.y));
        // After the owner, whose tooltip then heard of the owner's area: the tooltip shows
        // only for the tool under the cursor, which is this window.
        if (self->tooltip_ && IsWindow(hwnd)) {
            MSG relayed{hwnd, msg, wp, lp, 0, {}};
            SendMessageW(self->tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
        }
        return result;
    }
    switch (msg) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            self->Paint();
            return 0;
        case WM_DPICHANGED:
            return 0;  // the owner sizes and places it, at the owner's DPI
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
            self->shown_ = false;
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void TailWindow::Show(const RECT& area, TailPicture picture, UniqueBitmap backdrop) {
    if (!hwnd_) return;
    picture_ = std::move(picture);
    const SIZE size{area.right - area.left, area.bottom - area.top};
    backdropIn_.reset();
    backdrop_ = std::move(backdrop);
    if (!source_) source_.reset(CreateCompatibleDC(nullptr));
    if (backdrop_ && source_) backdropIn_.emplace(source_.get(), backdrop_.get());
    if (size.cx != area_.right - area_.left || size.cy != area_.bottom - area_.top || !buffer_) {
        bufferIn_.reset();
        if (!memory_) memory_.reset(CreateCompatibleDC(nullptr));
        const WindowDc screen(nullptr);
        buffer_.reset(screen && memory_ ? CreateCompatibleBitmap(screen.get(), size.cx, size.cy)
                                        : nullptr);
        if (buffer_) bufferIn_.emplace(memory_.get(), buffer_.get());
    }
    area_ = area;
    shown_ = true;
    InvalidateRect(hwnd_, nullptr, FALSE);
    FollowOwner();
}

void TailWindow::SetText(std::wstring text) {
    if (!hwnd_ || text == picture_.text) return;
    picture_.text = std::move(text);
    if (IsWindowVisible(hwnd_)) InvalidateRect(hwnd_, nullptr, FALSE);
}

void TailWindow::Hide() {
    shown_ = false;
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

void TailWindow::FollowOwner() {
    if (!hwnd_) return;
    const bool visible = shown_ && IsWindowVisible(owner_) && !IsIconic(owner_);
    if (!visible) {
        if (IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
        return;
    }
    POINT origin{area_.left, area_.top};
    ClientToScreen(owner_, &origin);
    RECT now{};
    GetWindowRect(hwnd_, &now);
    const int width = area_.right - area_.left, height = area_.bottom - area_.top;
    const bool placed = now.left == origin.x && now.top == origin.y &&
                        now.right - now.left == width && now.bottom - now.top == height;
    if (placed && IsWindowVisible(hwnd_)) return;
    SetWindowPos(hwnd_, nullptr, origin.x, origin.y, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_SHOWWINDOW);
}

void TailWindow::TakeOwnerLook() {
    if (!hwnd_) return;
    COLORREF key = 0;
    BYTE alpha = 255;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(owner_, &key, &alpha, &flags)) return;
    if (key != key_ || !keyBrush_) {
        key_ = key;
        keyBrush_.reset(CreateSolidBrush(key));
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
    SetLayeredWindowAttributes(hwnd_, key, alpha, flags & (LWA_COLORKEY | LWA_ALPHA));
    SetClickThrough(hwnd_, (GetWindowLongPtrW(owner_, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0);
}

void TailWindow::PaintNow() {
    if (hwnd_ && IsWindowVisible(hwnd_)) UpdateWindow(hwnd_);
}

void TailWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client{};
    GetClientRect(hwnd_, &client);
    // Drawn aside and copied in one piece: the seconds never show half drawn.
    HDC target = bufferIn_ ? memory_.get() : dc;
    if (backdropIn_) {
        BitBlt(target, 0, 0, client.right, client.bottom, source_.get(), 0, 0, SRCCOPY);
    } else {
        if (!keyBrush_) keyBrush_.reset(CreateSolidBrush(key_));
        FillRect(target, &client, keyBrush_.get());
    }
    if (picture_.font && !picture_.text.empty()) {
        const SelectedObject font(target, picture_.font);
        SetBkMode(target, TRANSPARENT);
        SetTextColor(target, picture_.colour);
        RECT line{picture_.origin.x, picture_.origin.y, client.right, client.bottom};
        DrawTextW(target, picture_.text.c_str(), static_cast<int>(picture_.text.size()), &line,
                  DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    }
    if (target != dc) BitBlt(dc, 0, 0, client.right, client.bottom, target, 0, 0, SRCCOPY);
    EndPaint(hwnd_, &ps);
}

}  // namespace ui

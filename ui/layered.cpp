#include "ui/layered.h"

namespace ui {
namespace {

bool SetExStyle(HWND hwnd, LONG_PTR bits, bool on) {
    const LONG_PTR ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    const LONG_PTR wanted = on ? (ex | bits) : (ex & ~bits);
    if (wanted == ex) return true;
    SetLastError(0);
    return SetWindowLongPtrW(hwnd, GWL_EXSTYLE, wanted) != 0 || GetLastError() == 0;
}

}  // namespace

bool SetLayeredLook(HWND hwnd, COLORREF colourKey, BYTE alpha) {
    if (!hwnd || !SetExStyle(hwnd, WS_EX_LAYERED, true)) return false;
    const DWORD flags = alpha == 255 ? LWA_COLORKEY : LWA_COLORKEY | LWA_ALPHA;
    return SetLayeredWindowAttributes(hwnd, colourKey, alpha, flags) != 0;
}

bool SetClickThrough(HWND hwnd, bool through) {
    if (!hwnd) return false;
    if (!through) return SetExStyle(hwnd, WS_EX_TRANSPARENT, false);
    // The mouse passes through a transparent window only when it is layered as well; a window
    // that just became layered shows nothing until it is given its attributes.
    const bool layered = (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    if (!SetExStyle(hwnd, WS_EX_LAYERED | WS_EX_TRANSPARENT, true)) return false;
    return layered || SetLayeredWindowAttributes(hwnd, 0, 255, LWA_ALPHA) != 0;
}

}  // namespace ui

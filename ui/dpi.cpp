#include "ui/dpi.h"

#include <algorithm>

#include "ui/gdi.h"

namespace ui {
namespace {

template <class F>
F User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                  : nullptr;
}

}  // namespace

int Scale(int logical, UINT dpi) {
    const long long p = static_cast<long long>(logical) * dpi;
    return static_cast<int>(p >= 0 ? (p + kBaseDpi / 2) / kBaseDpi
                                   : -((-p + kBaseDpi / 2) / kBaseDpi));
}

RECT ScaleRect(int x, int y, int w, int h, UINT dpi) {
    const int left = Scale(x, dpi);
    const int top = Scale(y, dpi);
    return RECT{left, top, left + Scale(w, dpi), top + Scale(h, dpi)};
}

bool IsSaneDpiChange(UINT dpi, const RECT* suggested, int logicalWidth, int logicalHeight) {
    if (dpi < kMinDpi || dpi > kMaxDpi) return false;
    if (!suggested) return true;
    // The system suggests the window's own size at the new DPI; twice that leaves room for
    // rounding and frames. Window coordinates are 16-bit values underneath.
    constexpr long kCoordinateLimit = 32767;
    const long long width = static_cast<long long>(suggested->right) - suggested->left;
    const long long height = static_cast<long long>(suggested->bottom) - suggested->top;
    const auto within = [](long v) { return v >= -kCoordinateLimit && v <= kCoordinateLimit; };
    return width > 0 && height > 0 && width <= 2LL * Scale(std::max(logicalWidth, 1), dpi) + 64 &&
           height <= 2LL * Scale(std::max(logicalHeight, 1), dpi) + 64 && within(suggested->left) &&
           within(suggested->top) && within(suggested->right) && within(suggested->bottom);
}

UINT SystemDpi() {
    using GetDpiForSystemFn = UINT(WINAPI*)();
    static const auto getDpiForSystem = User32Function<GetDpiForSystemFn>("GetDpiForSystem");
    if (getDpiForSystem) return getDpiForSystem();
    const WindowDc screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : kBaseDpi;
    return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

UINT DpiOf(HWND hwnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (hwnd && getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(hwnd)) return dpi;
    }
    return SystemDpi();
}

void EnablePerMonitorDpiAwareness() {
    using SetContextFn = BOOL(WINAPI*)(HANDLE);
    if (const auto setContext = User32Function<SetContextFn>("SetProcessDpiAwarenessContext")) {
        // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 is (HANDLE)-4, V1 is (HANDLE)-3.
        if (setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)))) return;
        if (setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3)))) return;
    }
    using SetAwareFn = BOOL(WINAPI*)();
    if (const auto setAware = User32Function<SetAwareFn>("SetProcessDPIAware")) setAware();
}

}  // namespace ui

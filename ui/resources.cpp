#include "ui/resources.h"

#include "ui/dpi.h"
#include "ui/text.h"

namespace ui {

BITMAPINFO TopDownBgraInfo(int width, int height) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

HINSTANCE Module() { return GetModuleHandleW(nullptr); }

UniqueIcon LoadIconByName(std::string_view name, int size) {
    const std::wstring wide = Widen(name);
    return UniqueIcon(
        static_cast<HICON>(LoadImageW(Module(), wide.c_str(), IMAGE_ICON, size, size, 0)));
}

void SetWindowIcons(HWND hwnd, std::string_view name, int bigLogical, int smallLogical,
                    UniqueIcon& big, UniqueIcon& small) {
    const UINT dpi = DpiOf(hwnd);
    UniqueIcon newBig = LoadIconByName(name, Scale(bigLogical, dpi));
    UniqueIcon newSmall = LoadIconByName(name, Scale(smallLogical, dpi));
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(newBig.get()));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(newSmall.get()));
    // The old icons are released only after the window has let go of them.
    big = std::move(newBig);
    small = std::move(newSmall);
}

}  // namespace ui

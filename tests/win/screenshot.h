#pragma once
// Pictures for a person to look at: a part of the screen as it shows, written as a PNG into the
// folder TAVELON_SCREENSHOTS names (as Windows sees it, e.g. Z:\tmp\shots). Tests that take them
// are skipped without that variable; scripts/screenshots sets it.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/gdi.h"
#include "ui/text.h"
#include "ui/unique.h"

namespace tavelon_test {

// Switches the display to a screen size for the pictures, which the size's text names
// ("1920x1080").
inline bool SwitchScreenTo(SIZE screen) {
    DEVMODEW mode{};
    mode.dmSize = sizeof(mode);
    mode.dmPelsWidth = static_cast<DWORD>(screen.cx);
    mode.dmPelsHeight = static_cast<DWORD>(screen.cy);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    return ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr) == DISP_CHANGE_SUCCESSFUL;
}
inline std::wstring SizeName(SIZE screen) {
    return std::to_wstring(screen.cx) + L"x" + std::to_wstring(screen.cy);
}

// The folder of the pictures, or nothing when none is asked for.
inline std::optional<std::wstring> ScreenshotFolder() {
    const char* folder = std::getenv("TAVELON_SCREENSHOTS");
    if (!folder || !*folder) return std::nullopt;
    return ui::Widen(folder);
}

inline bool PngEncoder(CLSID* clsid) {
    UINT count = 0, bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return false;
    std::vector<char> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring_view(codecs[i].MimeType) == L"image/png") {
            *clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

// A screen rectangle as it shows: windows, the seconds' windows over them, the desktop behind.
inline ui::UniqueBitmap Capture(RECT area) {
    const int w = area.right - area.left, h = area.bottom - area.top;
    const ui::WindowDc screen(nullptr);
    const ui::UniqueDc memory(CreateCompatibleDC(screen.get()));
    ui::UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), w, h));
    const ui::SelectedObject target(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, w, h, screen.get(), area.left, area.top, SRCCOPY | CAPTUREBLT);
    return bitmap;
}

inline RECT ClientOnScreen(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// A screen rectangle as it shows, as folder\name.png.
inline void Shoot(const std::wstring& folder, std::wstring_view name, RECT area) {
    const ui::UniqueBitmap bitmap = Capture(area);
    CLSID png{};
    ASSERT_TRUE(PngEncoder(&png));
    Gdiplus::Bitmap picture(bitmap.get(), nullptr);
    const std::wstring path = folder + L"\\" + std::wstring(name) + L".png";
    EXPECT_EQ(picture.Save(path.c_str(), &png, nullptr), Gdiplus::Ok) << ui::Narrow(path);
}

// A window's client area (without the caption, whose buttons a bare Wine prefix may draw
// without their symbol font).
inline void ShootClient(const std::wstring& folder, std::wstring_view name, HWND hwnd) {
    Shoot(folder, name, ClientOnScreen(hwnd));
}

}  // namespace tavelon_test

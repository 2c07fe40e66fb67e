// Pictures of both faces at a chosen moment, on a full-size and on a small screen, for a person
// to look at: the program itself reads the system clock, the faces here read a fixed one.
// Skipped unless TAVELON_SCREENSHOTS names a folder (as Windows sees it, e.g. Z:\tmp\shots);
// TAVELON_SCREENSHOT_AT ("yyyy-mm-dd hh:mm:ss") chooses the moment, 2026-12-13 22:00:00 if unset:
//   TAVELON_SCREENSHOTS="Z:$PWD/screenshots" scripts/wine-run build/mingw/win-tests.exe
//       --gtest_filter='FaceScreenshots.*'
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/win/fixture.h"
#include "ui/text.h"

namespace {

using tavelon_test::Pump;
using tavelon_test::Sticker;

bool PngEncoder(CLSID* clsid) {
    UINT count = 0, bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return false;
    std::vector<char> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring(codecs[i].MimeType) == L"image/png") {
            *clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

// The screen as it shows (faces over the desktop behind them), written as a PNG.
void Shoot(const std::wstring& folder, const std::wstring& name, RECT area) {
    const int w = area.right - area.left, h = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, area.left, area.top, SRCCOPY | CAPTUREBLT);
    SelectObject(memory, old);
    CLSID png{};
    ASSERT_TRUE(PngEncoder(&png));
    {
        Gdiplus::Bitmap picture(bitmap, nullptr);
        const std::wstring path = folder + L"\\" + name + L".png";
        EXPECT_EQ(picture.Save(path.c_str(), &png, nullptr), Gdiplus::Ok) << ui::Narrow(path);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

void Settle() {
    for (int i = 0; i < 20; ++i) {
        Pump();
        Sleep(25);
    }
}

TEST(FaceScreenshots, BothFacesAtTheChosenMomentOnTwoScreens) {
    const char* folder = std::getenv("TAVELON_SCREENSHOTS");
    if (!folder || !*folder) GTEST_SKIP() << "TAVELON_SCREENSHOTS names no folder";
    const char* at = std::getenv("TAVELON_SCREENSHOT_AT");
    const std::optional<calendar::Moment> moment =
        calendar::ParseMoment(at && *at ? at : "2026-12-13 22:00:00");
    ASSERT_TRUE(moment);
    const std::wstring out = ui::Widen(folder);
    for (const SIZE screen : {SIZE{1920, 1080}, SIZE{1280, 800}}) {
        DEVMODEW mode{};
        mode.dmSize = sizeof(mode);
        mode.dmPelsWidth = screen.cx;
        mode.dmPelsHeight = screen.cy;
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        ASSERT_EQ(ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr),
                  DISP_CHANGE_SUCCESSFUL);
        const std::wstring size = std::to_wstring(screen.cx) + L"x" + std::to_wstring(screen.cy);
        const RECT corner{screen.cx - 520, 0, screen.cx, 260};
        const RECT whole{0, 0, screen.cx, screen.cy};
        Sticker s(*moment);
        sticker::Form1& main = s.Start();
        s.Tick();
        Settle();
        Shoot(out, L"main-face-" + size, whole);
        Shoot(out, L"main-face-" + size + L"-detail", corner);
        s.Command(main.hwnd(), sticker::Form1::kSwitchFace);
        ASSERT_NE(s.Form4(), nullptr);
        SendMessageW(s.Form4()->hwnd(), WM_TIMER, sticker::Form4::kTimer1, 0);
        Settle();
        Shoot(out, L"alternate-face-" + size, whole);
        Shoot(out, L"alternate-face-" + size + L"-detail", corner);
    }
    ChangeDisplaySettingsExW(nullptr, nullptr, nullptr, 0, nullptr);
    Pump();
}

}  // namespace

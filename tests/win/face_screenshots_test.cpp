// Pictures of both faces at a chosen moment, on a full-size and on a small screen, for a person
// to look at: the program itself reads the system clock, the faces here read a fixed one.
// TAVELON_SCREENSHOT_AT ("yyyy-mm-dd hh:mm:ss") chooses the moment, 2026-12-13 22:00:00 if unset.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "tests/win/fixture.h"
#include "tests/win/screenshot.h"

namespace {

using tavelon_test::Pump;
using tavelon_test::Shoot;
using tavelon_test::Sticker;

void Settle() {
    for (int i = 0; i < 20; ++i) {
        Pump();
        Sleep(25);
    }
}

TEST(FaceScreenshots, BothFacesAtTheChosenMomentOnTwoScreens) {
    const std::optional<std::wstring> out = tavelon_test::ScreenshotFolder();
    if (!out) GTEST_SKIP() << "TAVELON_SCREENSHOTS names no folder";
    const char* at = std::getenv("TAVELON_SCREENSHOT_AT");
    const std::optional<calendar::Moment> moment =
        calendar::ParseMoment(at && *at ? at : "2026-12-13 22:00:00");
    ASSERT_TRUE(moment);
    for (const SIZE screen : {SIZE{1920, 1080}, SIZE{1280, 800}}) {
        ASSERT_TRUE(tavelon_test::SwitchScreenTo(screen));
        const std::wstring size = tavelon_test::SizeName(screen);
        const RECT corner{screen.cx - 520, 0, screen.cx, 260};
        const RECT whole{0, 0, screen.cx, screen.cy};
        Sticker s(*moment);
        sticker::Form1& main = s.Start();
        s.Tick();
        Settle();
        Shoot(*out, L"main-face-" + size, whole);
        Shoot(*out, L"main-face-" + size + L"-detail", corner);
        s.Command(main.hwnd(), sticker::Form1::kSwitchFace);
        ASSERT_NE(s.Form4(), nullptr);
        s.clock.Advance(std::chrono::seconds(1));  // a new second: the clock is written
        s.Tick();
        Settle();
        Shoot(*out, L"alternate-face-" + size, whole);
        Shoot(*out, L"alternate-face-" + size + L"-detail", corner);
    }
    ChangeDisplaySettingsExW(nullptr, nullptr, nullptr, 0, nullptr);
    Pump();
}

// Both faces at 60 % opacity over a light and a dark wallpaper (a plain window filling the
// screen beneath them), on both screens. The virtual display has no compositor to blend a
// window's constant alpha: each face is taken opaque, the wallpaper alone beside it, and
// scripts/screenshots blends the two at the face's alpha as a compositor would.
TEST(FaceScreenshots, BothFacesFainterOverLightAndDarkWallpapers) {
    const std::optional<std::wstring> out = tavelon_test::ScreenshotFolder();
    if (!out) GTEST_SKIP() << "TAVELON_SCREENSHOTS names no folder";
    const std::optional<calendar::Moment> moment = calendar::ParseMoment("2026-12-13 22:00:00");
    ASSERT_TRUE(moment);
    for (const SIZE screen : {SIZE{1920, 1080}, SIZE{1280, 800}}) {
        ASSERT_TRUE(tavelon_test::SwitchScreenTo(screen));
        const std::wstring size = tavelon_test::SizeName(screen);
        const RECT corner{screen.cx - 520, 0, screen.cx, 300};
        for (const auto& [name, colour] :
             {std::pair{L"light", RGB(236, 233, 224)}, std::pair{L"dark", RGB(28, 32, 40)}}) {
            WNDCLASSW wc{};
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"TavelonWallpaper";
            RegisterClassW(&wc);
            const HWND wallpaper = CreateWindowExW(WS_EX_NOACTIVATE, L"TavelonWallpaper", L"",
                                                   WS_POPUP, 0, 0, screen.cx, screen.cy, nullptr,
                                                   nullptr, GetModuleHandleW(nullptr), nullptr);
            const HBRUSH brush = CreateSolidBrush(colour);
            SetClassLongPtrW(wallpaper, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
            ShowWindow(wallpaper, SW_SHOWNOACTIVATE);
            Settle();
            const std::wstring suffix = std::wstring(name) + L"-" + size;
            Shoot(*out, L"wallpaper-" + suffix, corner);
            Sticker s(*moment);
            s.store.Write(settings::kSettingsKey, "OP", "60");
            sticker::Form1& main = s.Start();
            s.Tick();
            Settle();
            Shoot(*out, L"main-face-60-" + suffix + L"-opaque", corner);
            s.Command(main.hwnd(), sticker::Form1::kSwitchFace);
            ASSERT_NE(s.Form4(), nullptr);
            s.clock.Advance(std::chrono::seconds(1));  // a new second: the clock is written
            s.Tick();
            Settle();
            Shoot(*out, L"alternate-face-60-" + suffix + L"-opaque", corner);
            DestroyWindow(wallpaper);
            DeleteObject(brush);
        }
    }
    ChangeDisplaySettingsExW(nullptr, nullptr, nullptr, 0, nullptr);
    Pump();
}

}  // namespace

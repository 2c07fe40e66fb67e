// Pictures of both faces at a chosen moment, on a full-size and on a small screen, for a person
// to look at: the program itself reads the system clock, the faces here read a fixed one.
// TAVELON_SCREENSHOT_AT ("yyyy-mm-dd hh:mm:ss") chooses the moment, 2026-12-13 22:00:00 if unset.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

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
        Shoot(*out, L"main-face-" + size, whole);
        Shoot(*out, L"main-face-" + size + L"-detail", corner);
        s.Command(main.hwnd(), sticker::Form1::kSwitchFace);
        ASSERT_NE(s.Form4(), nullptr);
        s.Tick();
        Settle();
        Shoot(*out, L"alternate-face-" + size, whole);
        Shoot(*out, L"alternate-face-" + size + L"-detail", corner);
    }
    ChangeDisplaySettingsExW(nullptr, nullptr, nullptr, 0, nullptr);
    Pump();
}

}  // namespace

// The desktop options through the windows they change: the 设置 submenu, the layered
// attributes and extended style of both faces, the lock, the remembered place and 复位.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/tray_win.h"
#include "settings/desktop.h"
#include "sticker/face_desktop_win.h"
#include "tests/win/fixture.h"
#include "ui/monitors.h"

namespace {

using tavelon_test::At;
using tavelon_test::CentreOf;
using tavelon_test::Sticker;
using tavelon_test::WindowRect;

struct Look {
    bool clickThrough;
    BYTE alpha;  // 255 with the colour key alone
    COLORREF key;
};

Look LookOf(HWND face) {
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    GetLayeredWindowAttributes(face, &key, &alpha, &flags);
    EXPECT_TRUE(flags & LWA_COLORKEY);
    return {(GetWindowLongPtrW(face, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0,
            (flags & LWA_ALPHA) ? alpha : BYTE{255}, key};
}

// The 设置 submenu of a face's menu, and whether its item of a command is checked.
HMENU SettingsMenu(HMENU menu) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        if (HMENU sub = GetSubMenu(menu, i)) return sub;
    return nullptr;
}
bool IsChecked(HMENU menu, UINT command) {
    return (GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

TEST(FaceDesktop, EachOptionTakesEffectOnBothFacesAndIsStored) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& main = s.Start();
    EXPECT_EQ(LookOf(main.hwnd()).alpha, 255);  // as the face has always been
    s.Command(main.hwnd(), sticker::Form1::kSwitchFace);
    sticker::Form4* alternate = s.Form4();
    ASSERT_NE(alternate, nullptr);
    const HWND faces[] = {main.hwnd(), alternate->hwnd()};

    s.Command(alternate->hwnd(), sticker::kOpacityCommand + 2);  // 60 %
    s.Command(alternate->hwnd(), sticker::kClickThroughCommand);
    for (const HWND face : faces) {
        const Look look = LookOf(face);
        EXPECT_EQ(look.alpha, 153);
        EXPECT_TRUE(look.clickThrough);
        EXPECT_EQ(look.key, ui::Window::FromHandle(face)->background());
        // The clock's seconds, in their own window, look the same.
        const HWND seconds = ui::Window::FromHandle(face)->TailWindowHandle();
        ASSERT_NE(seconds, nullptr);
        EXPECT_EQ(LookOf(seconds).alpha, 153);
        EXPECT_TRUE(LookOf(seconds).clickThrough);
        EXPECT_EQ(LookOf(seconds).key, look.key);
    }
    EXPECT_EQ(s.store.Read(settings::kSettingsKey, "OP"), "60");
    EXPECT_EQ(s.store.Read(settings::kSettingsKey, "CT"), "1");
    alternate->RefreshMenu();
    const HMENU menu = SettingsMenu(alternate->menu());
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(IsChecked(menu, sticker::kClickThroughCommand));
    EXPECT_TRUE(IsChecked(menu, sticker::kOpacityCommand + 2));
    EXPECT_FALSE(IsChecked(menu, sticker::kOpacityCommand));
    EXPECT_FALSE(IsChecked(menu, sticker::kLockCommand));
    EXPECT_TRUE(IsChecked(menu, sticker::kFullScreenCommand));
    EXPECT_TRUE(IsChecked(menu, sticker::kRememberPlaceCommand));
    // One monitor under the tests: no monitor to choose.
    EXPECT_EQ(GetMenuState(menu, sticker::kMonitorCommand, MF_BYCOMMAND), UINT(-1));

    // Back on the main face, a new text colour moves the colour key and keeps the opacity.
    s.Command(alternate->hwnd(), sticker::Form4::kSwitchFace);
    s.chosenColour = 0x0000FF;
    s.Command(main.hwnd(), sticker::Form1::kTextColour);
    EXPECT_EQ(LookOf(main.hwnd()).alpha, 153);
    EXPECT_EQ(LookOf(main.hwnd()).key, main.background());

    s.Command(main.hwnd(), sticker::kClickThroughCommand);
    s.Command(main.hwnd(), sticker::kOpacityCommand);  // 100 %
    EXPECT_FALSE(LookOf(main.hwnd()).clickThrough);
    EXPECT_EQ(LookOf(main.hwnd()).alpha, 255);
    EXPECT_EQ(s.store.Read(settings::kSettingsKey, "CT"), "0");
    s.Command(main.hwnd(), sticker::kFullScreenCommand);
    s.Command(main.hwnd(), sticker::kRememberPlaceCommand);
    EXPECT_EQ(s.store.Read(settings::kSettingsKey, "FS"), "0");
    EXPECT_EQ(s.store.Read(settings::kSettingsKey, "MP"), "0");
}

TEST(FaceDesktop, StoredOptionsHoldFromTheStart) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    s.store.Write(settings::kSettingsKey, "OP", "40");
    s.store.Write(settings::kSettingsKey, "CT", "1");
    s.store.Write(settings::kSettingsKey, "LK", "1");
    sticker::Form1& main = s.Start();
    EXPECT_EQ(LookOf(main.hwnd()).alpha, 102);
    EXPECT_TRUE(LookOf(main.hwnd()).clickThrough);

    // Locked, a press on the clock starts no drag and the face stays.
    const RECT before = WindowRect(main.hwnd());
    s.dragTo = POINT{before.left - 200, before.top + 150};
    SendMessageW(main.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON,
                 CentreOf(main.control(sticker::MainFacePart::Clock)));
    tavelon_test::Pump();
    EXPECT_EQ(s.drags, 0);
    EXPECT_TRUE(EqualRect(&before, &static_cast<const RECT&>(WindowRect(main.hwnd()))));
    EXPECT_EQ(s.store.Read(settings::kSettingsKey, "P1"), "");
}

TEST(FaceDesktop, ADraggedFaceComesBackAtTheNextStartUntilReset) {
    const auto monitor = ui::Monitors().front();
    RECT corner{};
    std::string place;
    {
        Sticker s(At(2026, 12, 7, 9, 0, 0));
        sticker::Form1& main = s.Start();
        corner = WindowRect(main.hwnd());
        s.dragTo = POINT{monitor.work.left + 120, monitor.work.top + 200};
        SendMessageW(main.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON,
                     CentreOf(main.control(sticker::MainFacePart::Clock)));
        tavelon_test::Pump();
        ASSERT_EQ(s.drags, 1);
        place = s.store.Read(settings::kSettingsKey, "P1");
        EXPECT_EQ(place, "120,200," + monitor.device);
    }
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    s.store.Write(settings::kSettingsKey, "P1", place);
    sticker::Form1& main = s.Start();
    EXPECT_EQ(WindowRect(main.hwnd()).left, monitor.work.left + 120);
    EXPECT_EQ(WindowRect(main.hwnd()).top, monitor.work.top + 200);
    EXPECT_FALSE(main.placed());

    s.Command(main.hwnd(), sticker::kResetPlaceCommand);
    EXPECT_TRUE(EqualRect(&corner, &static_cast<const RECT&>(WindowRect(main.hwnd()))));
    EXPECT_TRUE(main.placed());
    EXPECT_EQ(s.store.Read(settings::kSettingsKey, "P1"), "");
}

// The icon is the way back to the menu: its right click opens the visible face's menu, and a
// command chosen there (设置 → 锁定位置, by the keyboard) reaches that face.
TEST(Tray, NamesTodayAndOpensTheFacesMenu) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    s.store.Write(settings::kSettingsKey, "CT", "1");
    sticker::Form1& main = s.Start();
    app::Tray tray(s.app);
    ASSERT_TRUE(tray.Show());
    EXPECT_EQ(app::TrayTip(s.clock.Now().today), "Tavelon\n二〇二六(霜华)十月大 廿九");

    // The keyboard walks down to 设置 (the item with a submenu, wherever the menu has it), opens
    // it and chooses its second item, the lock.
    static int downs = 0;
    downs = 0;
    for (int i = 0; i < GetMenuItemCount(main.menu()) && !GetSubMenu(main.menu(), i); ++i) ++downs;
    ++downs;
    SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR timer, DWORD) noexcept {
        KillTimer(nullptr, timer);
        std::vector<WPARAM> keys(static_cast<size_t>(downs), VK_DOWN);
        keys.insert(keys.end(), {VK_RIGHT, VK_DOWN, VK_RETURN});
        for (const WPARAM key : keys)
            PostMessageW(FindWindowW(L"#32768", nullptr), WM_KEYDOWN, key, 0);
    });
    SendMessageW(tray.icon().hwnd(), ui::NotifyIcon::kCallbackMessage, MAKEWPARAM(700, 580),
                 MAKELPARAM(WM_CONTEXTMENU, ui::NotifyIcon::kIconId));
    tavelon_test::Pump();
    EXPECT_EQ(s.store.Read(settings::kSettingsKey, "LK"), "1");
    EXPECT_TRUE(s.app.faces.desktop.locked);
    EXPECT_TRUE(LookOf(main.hwnd()).clickThrough);  // the menu came from the icon all the same
}

}  // namespace

// The main face's menu and mouse: commands, the face switch, dragging, the colour dialog and
// the start-with-the-system entry.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/win/fixture.h"
#include "settings/store.h"
#include "tools/form3_win.h"
#include "ui/text.h"

namespace {

using tavelon_test::At;
using tavelon_test::CentreOf;
using tavelon_test::Pump;
using tavelon_test::Sticker;
using tavelon_test::WindowRect;

std::vector<std::pair<UINT, std::string>> MenuItems(HMENU menu) {
    std::vector<std::pair<UINT, std::string>> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t caption[64] = {};
        GetMenuStringW(menu, i, caption, 64, MF_BYPOSITION);
        items.emplace_back(GetMenuItemID(menu, i), ui::Narrow(caption));
    }
    return items;
}

sticker::FacePoint CentreOfWindow(HWND hwnd) {
    const RECT r = WindowRect(hwnd);
    return sticker::FaceCentreOf(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

TEST(FaceMenus, HoldTheirCommandsInOrderWithIcons) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& form = s.Start();
    // The month view and the reminders first, then the ids the menu has always had: 102 .. 109
    // and 102 .. 108, with the 设置 submenu (no command of its own) after the tools.
    constexpr UINT kSubmenu = UINT(-1);
    const std::vector<std::pair<UINT, std::string>> main = {
        {110, "月历"},         {111, "提醒"},        {102, "科普"}, {103, "变脸"},
        {104, "字色"},         {105, "工具"},        {kSubmenu, "设置"}, {106, "关于"},
        {107, "关闭"},         {108, "设为开机启动"}, {109, "取消开机启动"}};
    EXPECT_EQ(MenuItems(form.menu()), main);
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_BITMAP;
    ASSERT_TRUE(GetMenuItemInfoW(form.menu(), 0, TRUE, &mii));
    EXPECT_NE(mii.hbmpItem, nullptr);

    s.Command(form.hwnd(), sticker::Form1::kSwitchFace);
    ASSERT_NE(s.Form4(), nullptr);
    const std::vector<std::pair<UINT, std::string>> alternate = {
        {110, "月历"}, {111, "提醒"},         {102, "科普"},
        {103, "变脸"}, {104, "工具"},         {kSubmenu, "设置"},
        {105, "关于"}, {106, "关闭"},         {107, "设为开机启动"},
        {108, "取消开机启动"}};
    EXPECT_EQ(MenuItems(s.Form4()->menu()), alternate);
    // Each face acts on its own numbers: 104 is the tools there, not the text colour.
    s.Command(s.Form4()->hwnd(), sticker::Form4::kTools);
    EXPECT_NE(s.app.windows.Find(tools::kForm3Class), nullptr);
    EXPECT_EQ(s.colourDialogs, 0);
    s.app.windows.Close(tools::kForm3Class);
    Pump();
}

TEST(FaceMenus, OpenOnceAtTenPixelsBelowTheCursorOnTextOnly) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& form = s.Start();
    s.Tick();
    POINT cursor{};
    GetCursorPos(&cursor);
    SendMessageW(form.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON,
                 CentreOf(form.control(sticker::MainFacePart::DateBlock)));
    SendMessageW(form.hwnd(), WM_RBUTTONUP, 0,
                 CentreOf(form.control(sticker::MainFacePart::DateBlock)));
    ASSERT_EQ(s.menuPoints.size(), 1u);
    EXPECT_EQ(s.menuPoints[0].x, cursor.x);
    EXPECT_EQ(s.menuPoints[0].y, cursor.y + 10);
    // Below the last label there is only background.
    SendMessageW(form.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 166));
    EXPECT_EQ(s.menuPoints.size(), 1u);
    // A right click on the line shared by the date block and the pillar lines opens it once.
    SendMessageW(form.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 124));
    EXPECT_EQ(s.menuPoints.size(), 2u);
}

TEST(FaceMenus, AChosenCommandArrivesAsACommandMessage) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& form = s.Start();
    s.menuChoice = sticker::Form1::kStartWithSystem;
    SendMessageW(form.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON,
                 CentreOf(form.control(sticker::MainFacePart::Clock)));
    Pump();
    EXPECT_NE(s.store.Read(settings::kRunKey, settings::kRunValue), "");
}

TEST(Form1Drag, OnlyTheClockMovesTheWindowAndRecordsFaceCentre) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& form = s.Start();
    s.dragTo = POINT{300, 200};
    SendMessageW(form.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON,
                 CentreOf(form.control(sticker::MainFacePart::DateBlock)));
    SendMessageW(form.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON,
                 CentreOf(form.control(sticker::MainFacePart::PillarLines)));
    EXPECT_EQ(s.drags, 0);
    SendMessageW(form.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON,
                 CentreOf(form.control(sticker::MainFacePart::Clock)));
    EXPECT_EQ(s.drags, 1);
    EXPECT_EQ(WindowRect(form.hwnd()).left, 300);
    EXPECT_EQ(s.app.faces.FaceCentre, (sticker::FacePoint{300 + 166, 200 + 84}));
}

TEST(FaceSwitch, AlternateFaceShowsTopRightAndTheMainFaceComesBackWhereItWas) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& form = s.Start();
    s.dragTo = POINT{400, 300};
    SendMessageW(form.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON,
                 CentreOf(form.control(sticker::MainFacePart::Clock)));
    const sticker::FacePoint dragged = s.app.faces.FaceCentre;

    s.Command(form.hwnd(), sticker::Form1::kSwitchFace);
    EXPECT_TRUE(IsIconic(form.hwnd()));
    sticker::Form4* face = s.Form4();
    ASSERT_NE(face, nullptr);
    const RECT r = WindowRect(face->hwnd());
    EXPECT_EQ(r.left, GetSystemMetrics(SM_CXFULLSCREEN) - 256 - 2);
    EXPECT_EQ(r.top, 2);
    EXPECT_EQ(s.app.faces.FaceCentre,
              dragged);  // the alternate face's own placement does not count

    s.Command(face->hwnd(), sticker::Form4::kSwitchFace);
    EXPECT_EQ(s.Form4(), nullptr);
    EXPECT_FALSE(IsIconic(form.hwnd()));
    EXPECT_EQ(CentreOfWindow(form.hwnd()), dragged);
}

TEST(FaceSwitch, TheMainFaceComesBackCentredOnTheDraggedAlternateFace) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& form = s.Start();
    s.Command(form.hwnd(), sticker::Form1::kSwitchFace);
    sticker::Form4* face = s.Form4();
    ASSERT_NE(face, nullptr);
    s.dragTo = POINT{500, 400};
    // The press arms the drag; the move loop starts when the mouse moves.
    SendMessageW(face->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(128, 128));
    SendMessageW(face->hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(140, 140));
    EXPECT_EQ(s.app.faces.FaceCentre, (sticker::FacePoint{500 + 128, 400 + 128}));

    s.Command(face->hwnd(), sticker::Form4::kSwitchFace);
    EXPECT_EQ(CentreOfWindow(form.hwnd()), (sticker::FacePoint{628, 528}));
}

TEST(FaceSwitch, AlternateFaceCloseEndsBothFacesAndTheLoop) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& form = s.Start();
    s.Command(form.hwnd(), sticker::Form1::kSwitchFace);
    ASSERT_NE(s.Form4(), nullptr);
    SendMessageW(s.Form4()->hwnd(), WM_COMMAND, sticker::Form4::kClose, 0);
    EXPECT_EQ(s.Form4(), nullptr);
    EXPECT_EQ(form.hwnd(), nullptr);
    EXPECT_TRUE(Pump());
}

TEST(Form1Commands, CloseEndsTheMessageLoop) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& form = s.Start();
    EXPECT_TRUE(form.timer().enabled());
    SendMessageW(form.hwnd(), WM_COMMAND, sticker::Form1::kClose, 0);
    EXPECT_TRUE(Pump());  // WM_QUIT came
    EXPECT_EQ(form.hwnd(), nullptr);
    EXPECT_EQ(s.app.windows.Find(sticker::kForm1Class), nullptr);
}

TEST(Form1Commands, TextColourIsAppliedAndStoredOnlyWhenChosen) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& form = s.Start();
    s.Command(form.hwnd(), sticker::Form1::kTextColour);  // cancelled
    EXPECT_EQ(s.colourDialogs, 1);
    EXPECT_EQ(s.store.Read(settings::kSettingsKey, settings::kColourValue), "");
    EXPECT_EQ(form.background(), COLORREF{0x4ECD32});

    s.chosenColour = 0;  // black
    s.Command(form.hwnd(), sticker::Form1::kTextColour);
    EXPECT_EQ(s.store.Read(settings::kSettingsKey, settings::kColourValue), "0");
    EXPECT_EQ(form.control(sticker::MainFacePart::DateBlock).colour, COLORREF{0});
    COLORREF key = 0;
    GetLayeredWindowAttributes(form.hwnd(), &key, nullptr, nullptr);
    EXPECT_EQ(key, COLORREF{0x323232});

    // Storing may fail; the colour shows all the same.
    s.store.failWrites = true;
    s.chosenColour = 0x0000FF;
    s.Command(form.hwnd(), sticker::Form1::kTextColour);
    EXPECT_EQ(form.control(sticker::MainFacePart::Clock).colour, COLORREF{0x0000FF});
}

TEST(Form1Commands, StoredColourAndScheduleAreLoadedAtComposition) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    s.store.Write(settings::kSettingsKey, settings::kColourValue, "255");
    s.store.Write(settings::kSettingsKey, settings::kChimeValue, "3");
    sticker::Form1& form = s.Start();
    EXPECT_EQ(form.control(sticker::MainFacePart::PillarLines).colour, COLORREF{0x0000FF});
    EXPECT_EQ(s.app.schedule.ChimeMode, 3);
    EXPECT_EQ(s.app.proposals.alarm1, "2026-12-07 07:00:00");
}

TEST(Form1Commands, StartWithTheSystemIsWrittenAndRemoved) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& form = s.Start();
    s.Command(form.hwnd(),
              sticker::Form1::kNoStartWithSystem);  // nothing to remove: nothing happens
    s.Command(form.hwnd(), sticker::Form1::kStartWithSystem);
    s.Command(form.hwnd(), sticker::Form1::kStartWithSystem);
    EXPECT_EQ(s.store.Read(settings::kRunKey, settings::kRunValue),
              "\"C:\\Program Files\\Tavelon\\tavelon.exe\"");
    s.Command(form.hwnd(), sticker::Form1::kNoStartWithSystem);
    EXPECT_EQ(s.store.Read(settings::kRunKey, settings::kRunValue), "");
}

TEST(WindowRegistry, OpensAWindowOnceAndRaisesItAfterwards) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    s.Start();
    int made = 0;
    constexpr std::string_view kTestClass = "Tavelon.TestWindow";
    s.app.windows.SetFactory(kTestClass, [&made, kTestClass] {
        ++made;
        ui::WindowDesc d;
        d.className = std::string(kTestClass);
        d.width = 200;
        d.height = 100;
        return std::make_unique<ui::Window>(d);
    });
    EXPECT_EQ(s.app.windows.Open("Tavelon.NoSuchWindow"), nullptr);  // no factory: nothing
    bool created = false;
    ui::Window* first = s.app.windows.Open(kTestClass, &created);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(created);
    ShowWindow(first->hwnd(), SW_MINIMIZE);
    ui::Window* second = s.app.windows.Open(kTestClass, &created);
    EXPECT_EQ(second, first);
    EXPECT_FALSE(created);
    EXPECT_FALSE(IsIconic(first->hwnd()));
    EXPECT_EQ(made, 1);
    // Closed, it is forgotten and its object freed; the next request makes a new one.
    SendMessageW(first->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(s.app.windows.Find(kTestClass), nullptr);
    ASSERT_NE(s.app.windows.Open(kTestClass), nullptr);
    EXPECT_EQ(made, 2);
}

}  // namespace

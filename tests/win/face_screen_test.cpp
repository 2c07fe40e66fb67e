// The faces on the screen: text kept on the monitor, faces kept on a screen when the display
// changes, the DPI changes or a second start looks for them, and window messages that ask for
// the impossible ignored. The display changes are real: Wine's desktop takes the new size.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "app/app_win.h"
#include "tests/win/fixture.h"
#include "ui/dpi.h"

namespace {

using tavelon_test::At;
using tavelon_test::CentreOf;
using tavelon_test::Pump;
using tavelon_test::Sticker;
using tavelon_test::WindowRect;

// The right end of the main face's text on the screen.
int TextRight(const sticker::Form1& face) {
    POINT origin{0, 0};
    ClientToScreen(face.hwnd(), &origin);
    int right = 0;
    for (const ui::Control& label : face.controls())
        right = std::max<int>(right, label.TextExtent().right);
    return origin.x + right;
}

sticker::FacePosition MainPlace(int workWidth) { return {workWidth - 333 + 45, -4}; }

void Drag(Sticker& s, ui::Window& face, const ui::Control& grip, POINT to) {
    s.dragTo = to;
    SendMessageW(face.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(grip));
}

TEST(MainFaceText, StaysOnTheMonitorMovingTheFaceLeftOnlyAsFarAsItMust) {
    Sticker s(At(2026, 3, 17, 22, 0, 0));
    sticker::Form1& face = s.Start();
    const RECT work = sticker::NearestWorkArea(face.hwnd());
    s.Tick();
    // The night's long hour text would cross the edge at the face's place: the face stands
    // left of its place by exactly as much.
    const int left = WindowRect(face.hwnd()).left;
    EXPECT_EQ(face.anchor(), MainPlace(work.right));
    EXPECT_LT(left, face.anchor().left);
    EXPECT_EQ(TextRight(face), work.right);
    EXPECT_EQ(s.app.faces.FaceCentre, (sticker::FacePoint{face.anchor().left + 166, 80}));

    // In the morning the hour text is short again, and the face goes back as far as it can.
    s.clock.Set(At(2026, 3, 17, 10, 0, 0));
    s.Tick();
    const int back = WindowRect(face.hwnd()).left;
    EXPECT_GT(back, left);
    EXPECT_TRUE(back == face.anchor().left || TextRight(face) == work.right);
    EXPECT_LE(TextRight(face), work.right);

    // Where the user puts it, it stays, text or no text.
    Drag(s, face, face.control(sticker::MainFacePart::Clock), POINT{work.right - 200, 300});
    s.clock.Set(At(2026, 3, 17, 22, 0, 0));
    s.Tick();
    EXPECT_EQ(WindowRect(face.hwnd()).left, work.right - 200);
    EXPECT_FALSE(face.placed());
}

TEST(MainFaceText, AClickOnTheClockThatMovesNothingKeepsThePlace) {
    Sticker s(At(2026, 12, 13, 22, 0, 0));
    sticker::Form1& face = s.Start();
    SendMessageW(face.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON,
                 CentreOf(face.control(sticker::MainFacePart::Clock)));
    EXPECT_EQ(s.drags, 1);
    EXPECT_TRUE(face.placed());
}

// Each test leaves Wine's desktop at its own size again.
class DisplayChange : public testing::Test {
protected:
    void TearDown() override {
        ChangeDisplaySettingsExW(nullptr, nullptr, nullptr, 0, nullptr);
        Pump();
    }
    static void Resize(int width, int height) {
        DEVMODEW mode{};
        mode.dmSize = sizeof(mode);
        mode.dmPelsWidth = width;
        mode.dmPelsHeight = height;
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        ASSERT_EQ(ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr),
                  DISP_CHANGE_SUCCESSFUL);
        Pump();
    }
};

TEST_F(DisplayChange, TheMainFaceFollowsItsPlaceAndADraggedOneStaysWhileItCanBeSeen) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& face = s.Start();
    Resize(1280, 800);
    EXPECT_EQ(face.anchor(), MainPlace(1280));
    EXPECT_LE(TextRight(face), 1280);
    EXPECT_EQ(s.app.faces.FaceCentre, (sticker::FacePoint{MainPlace(1280).left + 166, 80}));

    Drag(s, face, face.control(sticker::MainFacePart::Clock), POINT{300, 200});
    Resize(800, 600);
    EXPECT_EQ(WindowRect(face.hwnd()).left, 300);
    EXPECT_EQ(WindowRect(face.hwnd()).top, 200);

    // Off every screen once the display is smaller: back to its place there.
    Resize(1280, 800);
    Drag(s, face, face.control(sticker::MainFacePart::Clock), POINT{1000, 700});
    Resize(800, 600);
    EXPECT_TRUE(face.placed());
    EXPECT_EQ(face.anchor(), MainPlace(800));
    const RECT r = WindowRect(face.hwnd());
    EXPECT_EQ(r.top, -4);
    EXPECT_LE(TextRight(face), 800);
}

TEST_F(DisplayChange, TheAlternateFaceKeepsToTheTopRightAndTheMainFaceComesBackInView) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& main = s.Start();
    s.Command(main.hwnd(), sticker::Form1::kSwitchFace);
    sticker::Form4* face = s.Form4();
    ASSERT_NE(face, nullptr);
    Resize(1280, 800);
    EXPECT_EQ(WindowRect(face->hwnd()).left, 1280 - 256 - 2);
    EXPECT_EQ(WindowRect(face->hwnd()).top, 2);

    Drag(s, *face, face->control(sticker::AlternateFacePart::Picture), POINT{1000, 500});
    const sticker::FacePoint dragged = s.app.faces.FaceCentre;
    Resize(800, 600);
    EXPECT_EQ(WindowRect(face->hwnd()).left, 800 - 256 - 2);
    EXPECT_EQ(WindowRect(face->hwnd()).top, 2);
    EXPECT_EQ(s.app.faces.FaceCentre, dragged);  // its own placing does not count

    // The main face would come back centred on the alternate face's last centre, which is off
    // the smaller screen now: it takes its place instead.
    s.Command(face->hwnd(), sticker::Form4::kSwitchFace);
    EXPECT_FALSE(IsIconic(main.hwnd()));
    EXPECT_TRUE(main.placed());
    EXPECT_EQ(main.anchor(), MainPlace(800));
}

TEST(FaceOnScreen, ASecondStartBringsAFaceOffEveryScreenBack) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& face = s.Start();
    Drag(s, face, face.control(sticker::MainFacePart::Clock), POINT{6000, 4000});
    ASSERT_FALSE(face.placed());
    EXPECT_TRUE(app::RaiseRunningSticker());
    Pump();
    EXPECT_TRUE(face.placed());
    EXPECT_EQ(face.anchor(), MainPlace(GetSystemMetrics(SM_CXFULLSCREEN)));

    // One that can be seen stays where the user put it.
    Drag(s, face, face.control(sticker::MainFacePart::Clock), POINT{200, 300});
    EXPECT_TRUE(app::RaiseRunningSticker());
    Pump();
    EXPECT_EQ(WindowRect(face.hwnd()).left, 200);
}

TEST(FaceOnScreen, ADpiChangeThatLeavesTheFaceOffEveryScreenPutsItBack) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& face = s.Start();
    RECT away{9000, 9000, 9500, 9252};
    SendMessageW(face.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&away));
    EXPECT_EQ(face.dpi(), 144u);
    EXPECT_EQ(face.anchor(),
              (sticker::FacePosition{GetSystemMetrics(SM_CXFULLSCREEN) - 500 + 45, -4}));
}

struct DpiMessage {
    const char* name;
    UINT dpi;
    RECT suggested;
    bool followed;
};

class DpiChangedMessage : public testing::TestWithParam<DpiMessage> {};

TEST_P(DpiChangedMessage, IsFollowedOnlyWhenItMakesSense) {
    const DpiMessage& row = GetParam();
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& face = s.Start();
    RECT suggested = row.suggested;
    SendMessageW(face.hwnd(), WM_DPICHANGED, MAKEWPARAM(row.dpi, row.dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    const SIZE client = tavelon_test::ClientSize(face.hwnd());
    if (row.followed) {
        EXPECT_EQ(face.dpi(), row.dpi);
        EXPECT_EQ(client.cx, ui::Scale(333, row.dpi));
    } else {
        EXPECT_EQ(face.dpi(), 96u);
        EXPECT_EQ(client.cx, 333);
        EXPECT_EQ(client.cy, 168);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DpiChangedMessage,
    testing::Values(DpiMessage{"Zero", 0, {100, 50, 600, 302}, false},
                    DpiMessage{"BelowHalf", 47, {100, 50, 263, 132}, false},
                    DpiMessage{"Half", 48, {100, 50, 267, 134}, true},
                    DpiMessage{"TenTimes", 960, {0, 0, 3330, 1680}, true},
                    DpiMessage{"AboveTenTimes", 961, {0, 0, 3334, 1682}, false},
                    DpiMessage{"Largest", 65535, {0, 0, 30000, 30000}, false},
                    DpiMessage{"EmptyRectangle", 144, {100, 50, 100, 50}, false},
                    DpiMessage{"UpsideDown", 144, {600, 302, 100, 50}, false},
                    DpiMessage{"HugeRectangle", 144, {0, 0, 30000, 30000}, false},
                    DpiMessage{"BeyondCoordinates", 144, {40000, 0, 40500, 252}, false}),
    [](const testing::TestParamInfo<DpiMessage>& info) { return std::string(info.param.name); });

TEST(RangeEnd, TheMessageComesAfterTheTickAndTheClockGoesOnWhileItIsOpen) {
    Sticker s(At(2100, 2, 8, 23, 59, 59));
    sticker::Form1& face = s.Start();
    s.Tick();
    const std::string block = face.Text(sticker::MainFacePart::DateBlock);
    ASSERT_NE(block, "");

    bool armed = false;
    std::string clockWhileOpen;
    s.app.dialogs.showMessage = [&](HWND, std::string_view text, std::string_view caption) {
        s.messages.push_back({face.hwnd(), std::string(text), std::string(caption)});
        armed = face.timer().armed();
        s.clock.Advance(std::chrono::seconds(1));
        s.Tick();  // the box's own loop delivers the ticks
        clockWhileOpen = face.Text(sticker::MainFacePart::Clock);
    };
    s.clock.Advance(std::chrono::seconds(1));
    s.Tick();
    EXPECT_EQ(face.Text(sticker::MainFacePart::Clock), "00:00:00");
    EXPECT_TRUE(s.messages.empty());  // not from inside the tick
    Pump();
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].text, "请检查您的日期，阳历日期最大为 2100-02-08 ！");
    EXPECT_EQ(s.messages[0].caption, "提示");
    EXPECT_TRUE(armed);
    EXPECT_EQ(clockWhileOpen, "00:00:01");
    EXPECT_EQ(face.Text(sticker::MainFacePart::DateBlock), block);

    // Once per date.
    SendMessageW(face.hwnd(), WM_TIMECHANGE, 0, 0);
    s.Tick();
    Pump();
    EXPECT_EQ(s.messages.size(), 1u);
}

}  // namespace

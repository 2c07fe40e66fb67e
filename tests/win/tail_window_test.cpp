// A label's live tail in a window of its own: what the screen shows, what is repainted on a
// tick, and how the tail's window keeps with the window it belongs to (its look is checked
// through the faces).
#include <windows.h>
#include <windowsx.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/win/fixture.h"
#include "tests/win/screenshot.h"
#include "ui/window.h"

namespace {

using tavelon_test::Pump;
using tavelon_test::WindowRect;

enum class ClockPart { Picture, Clock };

// A clock over a picture on a colour-keyed window, as the alternate face has it, with the last
// `tail` characters of the clock live (none: the reference, drawn whole by the window).
class Clock final : public ui::WindowOf<ClockPart> {
public:
    Clock(int x, std::size_t tail) : WindowOf(Description(x, tail)) {
        Create(SW_SHOWNOACTIVATE);
        Pump();
    }
    std::vector<std::pair<UINT, POINT>> presses;

protected:
    bool OnMessage(UINT msg, WPARAM, LPARAM lp, LRESULT&) override {
        if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN)
            presses.emplace_back(msg, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return false;
    }

private:
    static ui::WindowDesc Description(int x, std::size_t tail) {
        ui::WindowDesc d;
        d.className = tail ? "Tavelon.TestLiveTail" : "Tavelon.TestWholeClock";
        d.x = x;
        d.y = 200;
        d.width = 256;
        d.height = 120;
        d.style = WS_POPUP;
        d.exStyle = WS_EX_TOOLWINDOW;
        d.systemBackground = false;
        d.background = RGB(195, 195, 195);
        d.colourKey = true;
        d.controls = {
            ui::Describe(ui::ControlKind::Picture, ClockPart::Picture, "Image1", 0, 0, 256, 120)
                .Caption("PNG_DZB"),
            ui::Describe(ui::ControlKind::Label, ClockPart::Clock, "Label1", 12, 30, 230, 56)
                .Font("Microsoft YaHei,38,1")
                .Colour(RGB(0, 229, 115))
                .LiveTail(tail),
        };
        return d;
    }
};

// The window's client area as the screen shows it, the tail's window over it included.
std::vector<COLORREF> OnScreen(HWND hwnd) {
    const RECT r = tavelon_test::ClientOnScreen(hwnd);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const ui::UniqueBitmap shot = tavelon_test::Capture(r);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<COLORREF> pixels(static_cast<size_t>(w) * h);
    const ui::WindowDc screen(nullptr);
    GetDIBits(screen.get(), shot.get(), 0, h, pixels.data(), &info, DIB_RGB_COLORS);
    return pixels;
}

bool WaitsForPaint(HWND hwnd) { return GetUpdateRect(hwnd, nullptr, FALSE) != FALSE; }

TEST(LiveTail, TheSecondsAloneRepaintOnlyTheirWindowAndTheClockLooksAsDrawnWhole) {
    Clock whole(20, 0), live(320, 2);
    EXPECT_EQ(whole.TailWindowHandle(), nullptr);
    const HWND tail = live.TailWindowHandle();
    ASSERT_NE(tail, nullptr);
    for (const std::string_view time : {"12:34:56", "12:34:57", "12:35:00", "7"}) {
        SCOPED_TRACE(std::string(time));
        whole.SetText(ClockPart::Clock, time);
        live.SetText(ClockPart::Clock, time);
        // The tick that changes only the seconds leaves the window itself alone.
        EXPECT_EQ(WaitsForPaint(live.hwnd()), time != "12:34:57");
        whole.PaintPending();
        live.PaintPending();
        // The screen takes what was painted when the message loop next runs.
        Sleep(60);
        Pump();
        // Too short to have a tail: the window draws it whole.
        EXPECT_EQ(IsWindowVisible(tail) != FALSE, time != "7");
        EXPECT_EQ(OnScreen(whole.hwnd()), OnScreen(live.hwnd()));
    }
}

TEST(LiveTail, ItsWindowKeepsWithItsOwnerAndHandsItTheMouse) {
    Clock live(320, 2);
    live.SetText(ClockPart::Clock, "12:34:56");
    const HWND tail = live.TailWindowHandle();
    ASSERT_NE(tail, nullptr);
    const RECT owner = WindowRect(live.hwnd()), was = WindowRect(tail);
    SetWindowPos(live.hwnd(), nullptr, owner.left + 40, owner.top + 30, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(WindowRect(tail).left, was.left + 40);
    EXPECT_EQ(WindowRect(tail).top, was.top + 30);
    for (const auto& [show, seen] :
         {std::pair{SW_HIDE, false}, {SW_SHOWNOACTIVATE, true}, {SW_MINIMIZE, false},
          {SW_RESTORE, true}}) {
        ShowWindow(live.hwnd(), show);
        EXPECT_EQ(IsWindowVisible(tail) != FALSE, seen) << show;
    }

    // A press on the seconds reaches the owner at the same screen point.
    SendMessageW(tail, WM_RBUTTONDOWN, 0, MAKELPARAM(3, 4));
    POINT at{3, 4};
    MapWindowPoints(tail, live.hwnd(), &at, 1);
    ASSERT_EQ(live.presses.size(), 1u);
    EXPECT_EQ(live.presses[0].first, UINT{WM_RBUTTONDOWN});
    EXPECT_EQ(live.presses[0].second.x, at.x);
    EXPECT_EQ(live.presses[0].second.y, at.y);
}

}  // namespace

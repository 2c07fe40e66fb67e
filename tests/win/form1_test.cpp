// The main face created for real under Wine, driven by window messages.
#include <windows.h>

#include <atomic>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win/fixture.h"
#include "sticker/compose.h"
#include "settings/store.h"
#include "ui/dpi.h"
#include "ui/text.h"

namespace {

using tavelon_test::At;
using tavelon_test::Pump;
using tavelon_test::Sticker;

TEST(Form1Window, HasItsStylesSizeKeyAndPlace) {
    Sticker s(At(2026, 12, 7, 9, 30, 15));
    const HWND hwnd = s.Start().hwnd();
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)) & ~WS_VISIBLE, 0x860B0000u);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)),
              DWORD{WS_EX_CONTROLPARENT | WS_EX_LAYERED});
    const SIZE client = tavelon_test::ClientSize(hwnd);
    EXPECT_EQ(client.cx, 333);
    EXPECT_EQ(client.cy, 168);
    // Its place is the rule's; it stands left of it by as much as its text would cross the
    // screen's edge there, and FaceCentre records the place.
    const int place = GetSystemMetrics(SM_CXFULLSCREEN) - 333 + 45;
    const RECT r = tavelon_test::WindowRect(hwnd);
    EXPECT_EQ(s.form1->anchor(), (sticker::FacePosition{place, -4}));
    EXPECT_LE(r.left, place);
    EXPECT_EQ(r.top, -4);
    EXPECT_EQ(s.app.faces.FaceCentre, (sticker::FacePoint{place + 166, -4 + 84}));

    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags));
    EXPECT_EQ(flags, DWORD{LWA_COLORKEY});
    EXPECT_EQ(key, COLORREF{0x4ECD32});  // the default text colour shifted toward the middle
    wchar_t caption[32] = {};
    GetWindowTextW(hwnd, caption, 32);
    EXPECT_EQ(ui::Narrow(caption), "Tavelon");
}

TEST(Form1Window, RelaysOutForAnotherDpi) {
    Sticker s(At(2026, 12, 7, 9, 30, 15));
    sticker::Form1& form = s.Start();
    RECT suggested{100, 50, 600, 302};
    SendMessageW(form.hwnd(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(form.dpi(), 144u);
    const SIZE client = tavelon_test::ClientSize(form.hwnd());
    EXPECT_EQ(client.cx, 500);  // 333 at 150 %, rounded
    EXPECT_EQ(client.cy, 252);
    const RECT label2 = form.Find("Label2")->rect;
    EXPECT_EQ(label2.left, 14);  // 9 × 1.5 rounded half up
    EXPECT_EQ(label2.top, 84);
    EXPECT_EQ(label2.right - label2.left, 471);
    EXPECT_EQ(tavelon_test::WindowRect(form.hwnd()).left, 100);
}

TEST(Form1Labels, ShowTheDateBlockAtOnceAndTheClockFromTheFirstTick) {
    Sticker s(At(2026, 12, 7, 23, 59, 58));
    sticker::Form1& form = s.Start();
    EXPECT_EQ(form.Text("Label2"), sticker::ComposeMainFaceTexts(s.clock.Now()).label2);
    EXPECT_EQ(form.Text("Label1"), "");
    EXPECT_EQ(form.Text("Label3"), "");

    s.Tick();
    EXPECT_EQ(form.Text("Label1"), "23:59:58");
    EXPECT_NE(form.Text("Label3").find("\r\n"), std::string::npos);
    EXPECT_EQ(form.composedFor(), s.clock.Now().today);
}

TEST(Form1Labels, ATickOnANewDateRecomposesTheDateBlockInPlace) {
    Sticker s(At(2026, 12, 7, 23, 59, 59));
    sticker::Form1& form = s.Start();
    const RECT before = tavelon_test::WindowRect(form.hwnd());
    const sticker::FacePosition place = form.anchor();
    const std::string oldBlock = form.Text("Label2");
    s.clock.Advance(std::chrono::seconds(1));
    s.Tick();
    EXPECT_EQ(form.Text("Label1"), "00:00:00");
    EXPECT_NE(form.Text("Label2"), oldBlock);
    EXPECT_EQ(form.Text("Label2"), sticker::ComposeMainFaceTexts(s.clock.Now()).label2);
    // Not placed again: the face keeps its place (its text may move it left of there).
    EXPECT_EQ(form.anchor(), place);
    EXPECT_EQ(tavelon_test::WindowRect(form.hwnd()).top, before.top);
}

TEST(Form1Labels, ATimeChangeOrAResumeRecomposesTheDate) {
    Sticker s(At(2026, 12, 7, 10, 0, 0));
    sticker::Form1& form = s.Start();
    s.clock.Set(At(2027, 2, 6, 8, 0, 0));  // a Spring Festival
    SendMessageW(form.hwnd(), WM_TIMECHANGE, 0, 0);
    EXPECT_EQ(form.Text("Label2"), sticker::ComposeMainFaceTexts(s.clock.Now()).label2);
    s.clock.Set(At(2027, 3, 1, 8, 0, 0));
    SendMessageW(form.hwnd(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    EXPECT_EQ(form.Text("Label2"), sticker::ComposeMainFaceTexts(s.clock.Now()).label2);
}

TEST(Form1Labels, OutOfRangeShowsTheMessageOnceAndKeepsLabel2) {
    Sticker s(At(1901, 2, 18, 12, 0, 0));
    sticker::Form1& form = s.Start();
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].text, "请检查您的日期，阳历日期最小为 1901-02-19 ！");
    EXPECT_EQ(s.messages[0].caption, "提示");
    EXPECT_EQ(form.Text("Label2"), "");
    // Placement and colour have taken effect all the same.
    EXPECT_EQ(tavelon_test::WindowRect(form.hwnd()).top, -4);
    SendMessageW(form.hwnd(), WM_TIMECHANGE, 0, 0);
    EXPECT_EQ(s.messages.size(), 1u);
}

TEST(Form1Tick, AnnouncesAtSevenInOrderAndOnce) {
    Sticker s(At(2026, 12, 7, 6, 59, 59));
    s.store.Write(settings::kSettingsKey, settings::kChimeValue, "1");
    s.store.Write(settings::kSettingsKey, settings::kAlarm1Value, "0.2916666666666667");
    sticker::Form1& form = s.Start();
    s.clock.Advance(std::chrono::seconds(1));
    s.Tick();
    using sticker::PlayAction;
    using sticker::SpeakAction;
    const std::vector<sticker::Action> expected = {
        PlayAction("WAV_ZDSEN"), SpeakAction("现在是7点整"), PlayAction("WAV_BAOSHI"),
        SpeakAction("7点0分到了"), PlayAction("WAV_RING")};
    EXPECT_EQ(s.recorder.actions, expected);
    EXPECT_EQ(form.Text("Label1"), "07:00:00");
    EXPECT_TRUE(form.timer().armed());

    // The same second again (a timer firing early) neither announces nor rings twice.
    s.Tick();
    EXPECT_EQ(s.recorder.actions.size(), 5u);
}

// The voice speaks on the worker queue: while it takes five seconds, the clock goes on.
TEST(Form1Tick, TheClockTicksOnWhileTheVoiceSpeaks) {
    Sticker s(At(2026, 12, 7, 6, 59, 59));
    s.store.Write(settings::kSettingsKey, settings::kChimeValue, "1");
    std::atomic<bool> speaking{false};
    s.recorder.during = [&] {
        if (s.recorder.actions.back().kind != sticker::Action::Kind::Speak) return;
        speaking = true;
        Sleep(5000);
        speaking = false;
    };
    sticker::Form1& form = s.Start();
    auto tick = [&] {
        s.clock.Advance(std::chrono::seconds(1));
        const DWORD start = GetTickCount();
        SendMessageW(form.hwnd(), WM_TIMER, sticker::Face::kTimer1, 0);
        EXPECT_LT(GetTickCount() - start, 500u);
    };
    tick();  // 07:00:00: the chime is queued
    for (int i = 0; i < 200 && !speaking; ++i) Sleep(10);
    ASSERT_TRUE(speaking);
    int tickedWhileSpeaking = 0;
    for (int second = 1; second <= 5; ++second) {
        tick();
        EXPECT_EQ(form.Text("Label1"), "07:00:0" + std::to_string(second));
        if (speaking) ++tickedWhileSpeaking;
        if (second < 5) Sleep(900);
    }
    EXPECT_EQ(tickedWhileSpeaking, 5);
    s.app.announcements.WaitUntilIdle();
    EXPECT_EQ(s.recorder.actions, (std::vector<sticker::Action>{
                                      sticker::PlayAction("WAV_ZDSEN"),
                                      sticker::SpeakAction("现在是7点整")}));
}

}  // namespace

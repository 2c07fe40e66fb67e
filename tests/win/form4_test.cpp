// The alternate face created for real under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/win/fixture.h"
#include "sticker/clock_labels.h"
#include "sticker/compose.h"

namespace {

using tavelon_test::At;
using tavelon_test::Sticker;

TEST(Form4Window, IsAToolWindowWithItsKeyLabelsAndClock) {
    Sticker s(At(2026, 12, 7, 9, 16, 0));
    sticker::Form1& main = s.Start();
    s.Command(main.hwnd(), sticker::Form1::kSwitchFace);
    sticker::Form4* face = s.Form4();
    ASSERT_NE(face, nullptr);
    const HWND hwnd = face->hwnd();
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)) & ~WS_VISIBLE, 0x860B0000u);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)),
              DWORD{0x10080 | WS_EX_LAYERED});
    const SIZE client = tavelon_test::ClientSize(hwnd);
    EXPECT_EQ(client.cx, 256);
    EXPECT_EQ(client.cy, 256);
    COLORREF key = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, nullptr, &flags));
    EXPECT_EQ(key, RGB(195, 195, 195));
    EXPECT_EQ(flags, DWORD{LWA_COLORKEY});
    EXPECT_FALSE(face->Find("Image1")->picture.empty());
    EXPECT_EQ(face->Find("Label1")->colour, RGB(0, 229, 115));
    EXPECT_EQ(face->Find("Label4")->colour, RGB(0, 64, 128));

    const sticker::AlternateFaceTexts texts = sticker::ComposeAlternateFaceTexts(s.clock.Now());
    EXPECT_EQ(face->Text("Label2"), texts.label2);
    EXPECT_EQ(face->Text("Label3"), texts.label3);
    EXPECT_EQ(face->Text("Label4"), texts.label4);
    EXPECT_EQ(face->Text("Label1"), "");

    // The program clock's tick reaches it through the main face's timer; it has none of its own.
    s.Tick();
    EXPECT_EQ(face->Text("Label1"), "09:16:00");
    const std::string label5 = face->Text("Label5");
    EXPECT_EQ(label5, sticker::ComposeAlternateClockTexts(s.clock.Now()).label5);
    EXPECT_EQ(label5.substr(label5.size() - 6), "一刻");
    EXPECT_FALSE(face->timer().enabled());
}

TEST(Form4Window, TheMainFaceKeepsChimingWhileTheAlternateFaceShows) {
    Sticker s(At(2026, 12, 7, 12, 29, 59));
    s.store.Write(settings::kSettingsKey, settings::kChimeValue, "2");
    sticker::Form1& main = s.Start();
    s.Command(main.hwnd(), sticker::Form1::kSwitchFace);
    ASSERT_NE(s.Form4(), nullptr);
    s.clock.Advance(std::chrono::seconds(1));
    s.Tick();
    const std::vector<sticker::Action> expected = {sticker::PlayAction("WAV_BDSEN"),
                                                   sticker::SpeakAction("现在是12点三十分")};
    EXPECT_EQ(s.recorder.actions, expected);
}

TEST(Form4Window, ARightClickAnywhereOpensItsMenu) {
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& main = s.Start();
    s.Command(main.hwnd(), sticker::Form1::kSwitchFace);
    ASSERT_NE(s.Form4(), nullptr);
    SendMessageW(s.Form4()->hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 250));
    EXPECT_EQ(s.menuPoints.size(), 1u);
}

struct OutOfRange {
    calendar::Moment at;
    const char* label3;
    const char* label4;
};

class Form4OutOfRange : public testing::TestWithParam<OutOfRange> {};

TEST_P(Form4OutOfRange, ShowsTheRangeMessageWholeOverLabel3AndLabel4) {
    Sticker s(GetParam().at);
    sticker::Form1& main = s.Start();
    s.Command(main.hwnd(), sticker::Form1::kSwitchFace);
    sticker::Form4* face = s.Form4();
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->Text("Label3"), GetParam().label3);
    EXPECT_EQ(face->Text("Label4"), GetParam().label4);
    for (const char* name : {"Label3", "Label4"}) {
        const ui::LabelFit& fit = face->Find(name)->fit;
        EXPECT_TRUE(fit.fits && !fit.cut) << name;
        EXPECT_EQ(fit.lines.size(), 1u) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Days, Form4OutOfRange,
                         testing::Values(OutOfRange{At(2100, 2, 9, 0, 0, 0), "请检查您的日期，",
                                                    "阳历日期最大为 2100-02-08 ！"},
                                         OutOfRange{At(1901, 2, 18, 23, 0, 0), "请检查您的日期，",
                                                    "阳历日期最小为 1901-02-19 ！"}));

}  // namespace

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
    EXPECT_FALSE(face->control(sticker::AlternateFacePart::Picture).picture.empty());
    EXPECT_EQ(face->control(sticker::AlternateFacePart::Clock).colour, RGB(0, 229, 115));
    EXPECT_EQ(face->control(sticker::AlternateFacePart::LunarBlock).colour, RGB(0, 64, 128));

    const sticker::AlternateFaceTexts texts = sticker::ComposeAlternateFaceTexts(s.clock.Now());
    EXPECT_EQ(face->Text(sticker::AlternateFacePart::Date), texts.date);
    EXPECT_EQ(face->Text(sticker::AlternateFacePart::WeekLine), texts.weekLine);
    EXPECT_EQ(face->Text(sticker::AlternateFacePart::LunarBlock), texts.lunarBlock);
    EXPECT_EQ(face->Text(sticker::AlternateFacePart::Clock), "");

    // The program clock's tick reaches it through the main face's timer; it has none of its own.
    s.Tick();
    EXPECT_EQ(face->Text(sticker::AlternateFacePart::Clock), "09:16:00");
    const std::string hourLines = face->Text(sticker::AlternateFacePart::HourLines);
    EXPECT_EQ(hourLines, sticker::ComposeAlternateClockTexts(s.clock.Now()).hourLines);
    EXPECT_EQ(hourLines.substr(hourLines.size() - 6), "一刻");
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
    const char* weekLine;
    const char* lunarBlock;
};

class Form4OutOfRange : public testing::TestWithParam<OutOfRange> {};

TEST_P(Form4OutOfRange, ShowsTheRangeMessageWholeOverLabel3AndLabel4) {
    Sticker s(GetParam().at);
    sticker::Form1& main = s.Start();
    s.Command(main.hwnd(), sticker::Form1::kSwitchFace);
    sticker::Form4* face = s.Form4();
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->Text(sticker::AlternateFacePart::WeekLine), GetParam().weekLine);
    EXPECT_EQ(face->Text(sticker::AlternateFacePart::LunarBlock), GetParam().lunarBlock);
    for (const auto part :
         {sticker::AlternateFacePart::WeekLine, sticker::AlternateFacePart::LunarBlock}) {
        const ui::Control& label = face->control(part);
        EXPECT_TRUE(label.fit.fits && !label.fit.cut) << label.desc.name;
        EXPECT_EQ(label.fit.lines.size(), 1u) << label.desc.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Days, Form4OutOfRange,
                         testing::Values(OutOfRange{At(2100, 2, 9, 0, 0, 0), "请检查您的日期，",
                                                    "阳历日期最大为 2100-02-08 ！"},
                                         OutOfRange{At(1901, 2, 18, 23, 0, 0), "请检查您的日期，",
                                                    "阳历日期最小为 1901-02-19 ！"}));

}  // namespace

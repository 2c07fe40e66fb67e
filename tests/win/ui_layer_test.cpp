// The window layer on its own: fonts from text, text conversion, scaling, controls built from
// descriptions and the events they report.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "sticker/face_win.h"
#include "ui/dpi.h"
#include "ui/font.h"
#include "ui/picture.h"
#include "ui/resources.h"
#include "ui/text.h"
#include "ui/window.h"

namespace {

struct FontRow {
    const char* text;
    const char* family;
    double points;
    bool bold, italic, underline, strikeout;
};

class ParseFontSpec : public testing::TestWithParam<FontRow> {};

TEST_P(ParseFontSpec, ReadsEveryField) {
    const FontRow& row = GetParam();
    const ui::FontSpec fontSpec = ui::ParseFontSpec(row.text);
    EXPECT_EQ(fontSpec.family, row.family);
    EXPECT_DOUBLE_EQ(fontSpec.points, row.points);
    EXPECT_EQ(fontSpec.bold, row.bold);
    EXPECT_EQ(fontSpec.italic, row.italic);
    EXPECT_EQ(fontSpec.underline, row.underline);
    EXPECT_EQ(fontSpec.strikeout, row.strikeout);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseFontSpec,
    testing::Values(
        FontRow{"Microsoft YaHei,38,1", "Microsoft YaHei", 38, true, false, false, false},
        FontRow{"SimSun,12,1", "SimSun", 12, true, false, false, false},
        FontRow{"Microsoft YaHei,9,0", "Microsoft YaHei", 9, false, false, false, false},
        FontRow{"Microsoft YaHei,14", "Microsoft YaHei", 14, false, false, false, false},
        FontRow{"", "SimSun", 9, false, false, false, false},
        FontRow{",,1", "SimSun", 9, true, false, false, false},
        FontRow{" Arial , 10.5 ,0,1,1,1", "Arial", 10.5, false, true, true, true},
        FontRow{"Arial,-3,2", "Arial", 9, true, false, false, false},
        FontRow{"Arial,big,x", "Arial", 9, false, false, false, false}));

TEST(FontSpecToLogFont, SizesInPointsAtTheDpi) {
    const LOGFONTW at96 = ui::ToLogFont(ui::ParseFontSpec("Microsoft YaHei,38,1"), 96);
    EXPECT_EQ(at96.lfHeight, -51);  // 38 pt × 96 / 72 = 50.67
    EXPECT_EQ(at96.lfWeight, FW_BOLD);
    EXPECT_EQ(std::wstring(at96.lfFaceName), L"Microsoft YaHei");
    const LOGFONTW at144 = ui::ToLogFont(ui::ParseFontSpec("SimSun,12"), 144);
    EXPECT_EQ(at144.lfHeight, -24);
    EXPECT_EQ(at144.lfWeight, FW_NORMAL);
}

TEST(FontCache, CreatesEachSpecOncePerDpi) {
    const HFONT a = ui::CachedFont("SimSun,12,1", 96);
    const size_t count = ui::CachedFontCount();
    EXPECT_EQ(ui::CachedFont("SimSun,12,1", 96), a);
    EXPECT_EQ(ui::CachedFontCount(), count);
    // The cache lives as long as the process, so a repeated run may find this one made already.
    const HFONT b = ui::CachedFont("SimSun,12,1", 120);
    EXPECT_NE(b, a);
    const size_t withB = ui::CachedFontCount();
    EXPECT_LE(withB, count + 1);
    EXPECT_EQ(ui::CachedFont("SimSun,12,1", 120), b);
    EXPECT_EQ(ui::CachedFontCount(), withB);
}

TEST(ScaledFontSpec, IsTheSameFontAtAPercentOfItsSize) {
    EXPECT_EQ(ui::ScaledFontSpec("SimSun,12,1", 95), "SimSun,11.4,1,0,0,0");
    EXPECT_EQ(ui::ScaledFontSpec("Microsoft YaHei,14", 70), "Microsoft YaHei,9.8,0,0,0,0");
    EXPECT_EQ(ui::ScaledFontSpec("", 50), "SimSun,4.5,0,0,0,0");
    EXPECT_EQ(ui::ScaledFontSpec("Arial,10,0,1,1,1", 100), "Arial,10,0,1,1,1");
}

TEST(TextConversion, RoundTripsAndReplacesWhatIsInvalid) {
    const std::string text = "甲jiǎ子zǐ 𠀀\r\n";
    EXPECT_EQ(ui::Narrow(ui::Widen(text)), text);
    EXPECT_EQ(ui::Widen("时"), L"\u65f6");
    EXPECT_EQ(ui::Widen(""), L"");
    EXPECT_EQ(ui::Widen("a\xff"), L"a\ufffd");
    EXPECT_EQ(ui::Narrow(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xef\xbf\xbd");
}

TEST(Scaling, RoundsHalfAwayFromZero) {
    EXPECT_EQ(ui::Scale(333, 96), 333);
    EXPECT_EQ(ui::Scale(333, 144), 500);
    EXPECT_EQ(ui::Scale(9, 144), 14);
    EXPECT_EQ(ui::Scale(-4, 144), -6);
    EXPECT_EQ(ui::Scale(-3, 144), -5);
    EXPECT_EQ(ui::Scale(45, 120), 56);
}

TEST(TickTiming, RearmsForTheNextSecondBoundary) {
    EXPECT_EQ(sticker::NextTickDelay(0), 1000u + sticker::kTickMarginMs);
    EXPECT_EQ(sticker::NextTickDelay(20), 1000u);
    EXPECT_EQ(sticker::NextTickDelay(990), 10u + sticker::kTickMarginMs);
    EXPECT_EQ(sticker::NextTickDelay(-5), 1000u + sticker::kTickMarginMs);
}

TEST(Resources, MissingOnesGiveNothingAndBreakNothing) {
    ui::Picture missing;
    EXPECT_FALSE(missing.LoadResource("NO_SUCH_PICTURE"));
    EXPECT_TRUE(missing.empty());
    EXPECT_FALSE(ui::LoadIconByName("NO_SUCH_ICON", 32));
    EXPECT_TRUE(ui::LoadIconByName("AAAAA_APPICON", 48));
    HDC dc = CreateCompatibleDC(nullptr);
    missing.Draw(dc, RECT{0, 0, 10, 10}, 0);
    DeleteDC(dc);
}

TEST(Resources, APictureIsCutCleanlyOutOfItsKeyColour) {
    const COLORREF key = RGB(195, 195, 195);
    ui::Picture picture;
    ASSERT_TRUE(picture.LoadResource("PNG_DZB"));
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 256, 256);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    picture.Draw(dc, RECT{0, 0, 256, 256}, key);
    // Every pixel is either exactly the key (and so invisible) or opaque picture; a half-blended
    // outline pixel would be neither and show as a grey halo around the face.
    int keyPixels = 0, blended = 0;
    for (int y = 0; y < 256; y += 3) {
        for (int x = 0; x < 256; x += 3) {
            const COLORREF p = GetPixel(dc, x, y);
            if (p == key)
                ++keyPixels;
            else if (std::abs(GetRValue(p) - 195) < 8 && std::abs(GetGValue(p) - 195) < 8 &&
                     std::abs(GetBValue(p) - 195) < 8)
                ++blended;
        }
    }
    EXPECT_GT(keyPixels, 0);
    EXPECT_LT(keyPixels, 86 * 86);
    EXPECT_EQ(blended, 0);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

enum class ProbePart { Label, Frame, Spin, Box, Check, List, Picker };

// A small window with one control of each kind, recording its events.
class Probe final : public ui::WindowOf<ProbePart> {
public:
    explicit Probe(bool swapRows = false) : WindowOf(Description(swapRows)) {}
    std::vector<std::pair<ProbePart, ui::ControlEvent>> events;
    int ready = 0;

protected:
    void OnReady() override { ++ready; }
    void OnControlEvent(ui::Control& c, ui::ControlEvent e) override {
        events.emplace_back(IdOf(c), e);
    }

private:
    static ui::WindowDesc Description(bool swapRows) {
        using ui::ControlKind;
        ui::WindowDesc d;
        d.className = "Tavelon.TestProbe";
        d.caption = "探针";
        d.width = 300;
        d.height = 200;
        d.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        using Part = ProbePart;
        d.controls = {
            ui::Describe(ControlKind::Label, Part::Label, "Label1", 10, 10, 100, 20)
                .Caption("标签"),
            ui::Describe(ControlKind::GroupBox, Part::Frame, "Frame1", 0, 0, 200, 100)
                .Caption("框"),
            ui::Describe(ControlKind::UpDown, Part::Spin, "UpDown1", 80, 40, 14, 22)
                .Buddy(Part::Box, 1, 53, 7),
            ui::Describe(ControlKind::TextBox, Part::Box, "Text1", 40, 40, 39, 24)
                .Caption("1")
                .Style(ES_READONLY),
            ui::Describe(ControlKind::CheckBox, Part::Check, "Check1", 10, 70, 100, 20)
                .Caption("启用")
                .Tooltip("提示"),
            ui::Describe(ControlKind::ComboBox, Part::List, "Combo1", 120, 40, 60, 20)
                .ListHeight(300),
            ui::Describe(ControlKind::DatePicker, Part::Picker, "DateTimePicker1", 10, 120, 137, 24)
                .Format("yyyy年MM月dd日"),
        };
        if (swapRows) std::swap(d.controls[0], d.controls[1]);
        return d;
    }
};

TEST(WindowFromDescription, BuildsScaledControlsAndConnectsThem) {
    Probe probe;
    ASSERT_TRUE(probe.Create(SW_SHOWNOACTIVATE));
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    EXPECT_EQ(probe.ready, 1);

    const ui::Control* text = &probe.control(ProbePart::Box);
    ASSERT_NE(text->hwnd, nullptr);
    wchar_t cls[32] = {};
    GetClassNameW(text->hwnd, cls, 32);
    EXPECT_EQ(std::wstring(cls), L"Edit");
    RECT r{};
    GetWindowRect(text->hwnd, &r);
    MapWindowPoints(nullptr, probe.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, ui::Scale(40, probe.dpi()));
    EXPECT_EQ(r.right - r.left, ui::Scale(39, probe.dpi()));
    // The up-down writes its start position into its buddy, which was created after it.
    EXPECT_EQ(probe.Text(ProbePart::Box), "7");
    EXPECT_EQ(probe.control(ProbePart::Label).hwnd, nullptr);
    EXPECT_EQ(probe.Text(ProbePart::Label), "标签");
    // The label over its frame.
    EXPECT_EQ(probe.IdOf(*probe.WindowlessAt(POINT{15, 15})), ProbePart::Label);
    EXPECT_EQ(probe.IdOf(*probe.WindowlessAt(POINT{150, 50})), ProbePart::Frame);
    EXPECT_EQ(probe.events.size(), 0u);  // nothing reported while the window was being built

    probe.AddItems(ProbePart::List, {"立春", "雨水"});
    EXPECT_EQ(probe.Selected(ProbePart::List), -1);
    probe.SetSelected(ProbePart::List, 1);
    EXPECT_EQ(probe.Selected(ProbePart::List), 1);

    SYSTEMTIME day{};
    day.wYear = 2004, day.wMonth = 1, day.wDay = 29, day.wHour = 10, day.wMinute = 50;
    probe.SetDateTime(ProbePart::Picker, day);
    const SYSTEMTIME back = probe.DateTime(ProbePart::Picker);
    EXPECT_EQ(back.wYear, 2004);
    EXPECT_EQ(back.wDay, 29);
    EXPECT_EQ(back.wHour, 10);

    probe.SetText(ProbePart::Box, "12");
    SendMessageW(probe.control(ProbePart::Check).hwnd, BM_CLICK, 0, 0);
    EXPECT_TRUE(probe.Checked(ProbePart::Check));
    const std::vector<std::pair<ProbePart, ui::ControlEvent>> expected = {
        {ProbePart::Box, ui::ControlEvent::TextChanged},
        {ProbePart::Check, ui::ControlEvent::Clicked}};
    EXPECT_EQ(probe.events, expected);
}

enum class FitterPart { Label };

// One label of a given size and font, and the window's own measurement of a line.
class Fitter final : public ui::WindowOf<FitterPart> {
public:
    Fitter(int w, int h, std::string font) : WindowOf(Description(w, h, std::move(font))) {
        Create(SW_SHOWNOACTIVATE);
    }
    int Width(std::string_view text, int percent = 100) const {
        const std::string& font = control(FitterPart::Label).desc.font;
        return TextWidth(percent == 100 ? font : ui::ScaledFontSpec(font, percent),
                         ui::Widen(text));
    }
    const ui::LabelFit& Fit(std::string_view text) {
        SetText(FitterPart::Label, text);
        return control(FitterPart::Label).fit;
    }

private:
    static ui::WindowDesc Description(int w, int h, std::string font) {
        ui::WindowDesc d;
        d.className = "Tavelon.TestFitter";
        d.width = w + 20;
        d.height = h + 20;
        d.style = WS_POPUP;
        d.controls = {
            ui::Describe(ui::ControlKind::Label, FitterPart::Label, "Label1", 10, 10, w, h)
                .Font(font)};
        return d;
    }
};

constexpr std::string_view kLine = "丁dīng亥hài时 人定/人静 二更初刻";

double PointsOf(const ui::LabelFit& fit) { return ui::ParseFontSpec(fit.font).points; }

TEST(LabelFit, AWideLineStepsTheFontDownAndNeverWraps) {
    const int wide = Fitter(400, 40, "SimSun,12,1").Width(kLine);
    // One pixel too narrow: a smaller step, the lines as they were.
    Fitter narrow(wide - 1, 40, "SimSun,12,1");
    const ui::LabelFit& fit = narrow.Fit(std::string(kLine) + "\r\n短");
    EXPECT_TRUE(fit.fits);
    EXPECT_FALSE(fit.cut);
    EXPECT_LT(PointsOf(fit), 12);
    EXPECT_GE(PointsOf(fit), 12 * 0.9);
    EXPECT_EQ(fit.lines.size(), 2u);
    EXPECT_LE(fit.widest, wide - 1);
    // Short again: back to the label's own font.
    EXPECT_EQ(narrow.Fit("短").font, "SimSun,12,1");
}

TEST(LabelFit, BelowTheFloorALineIsCutWithAnEllipsisNotWrapped) {
    Fitter probe(400, 40, "SimSun,12,1");
    Fitter narrow(probe.Width(kLine, 70) - 10, 40, "SimSun,12,1");
    const ui::LabelFit& fit = narrow.Fit(kLine);
    EXPECT_TRUE(fit.cut);
    EXPECT_FALSE(fit.fits);
    EXPECT_LE(PointsOf(fit), 12 * 0.75);  // the floor, or the step of the same pixel size
    EXPECT_EQ(fit.lines.size(), 1u);
    EXPECT_EQ(fit.widest, probe.Width(kLine, 70) - 10);
    narrow.RepaintNow();
}

TEST(LabelFit, TallLinesAreSetCloserAndNoneIsDropped) {
    // Sized for three lines of the real font: the stand-in's taller lines come closer.
    Fitter face(230, 63, "Microsoft YaHei,12");
    const ui::LabelFit& fit = face.Fit("一\r\n二\r\n三");
    EXPECT_EQ(fit.font, "Microsoft YaHei,12");
    EXPECT_EQ(fit.lines.size(), 3u);
    EXPECT_LT(fit.advance, fit.lineHeight);
    EXPECT_LE(3 * fit.advance, 63);
    // Four lines cannot stand in that height at the label's size: the font steps down.
    const ui::LabelFit& four = face.Fit("一\r\n二\r\n三\r\n四");
    EXPECT_EQ(four.lines.size(), 4u);
    EXPECT_LT(PointsOf(four), 12);
}

TEST(LabelFit, KeepsTheFontCacheToAHandfulOfStepsPerLabel) {
    Fitter label(120, 20, "Microsoft YaHei,10,1");
    const size_t before = ui::CachedFontCount();
    std::string text;
    for (int i = 0; i < 40; ++i) {
        text += "字";
        label.Fit(text);
        label.RepaintNow();
    }
    // At most the six steps below the label's own size.
    EXPECT_LE(ui::CachedFontCount() - before, 6u);
}

std::vector<std::string> missing;
void RecordMissing(std::string_view window, std::string_view control) {
    missing.push_back(std::string(window) + " " + std::string(control));
}

// Rows out of their enum's order would give every name the wrong control: the window reports
// each misplaced row when it is made, and a row the description lacks when it is asked for,
// and answers that with a stand-in rather than memory past its controls.
TEST(WindowFromDescription, ReportsRowsOutOfOrderAndARowItDoesNotHave) {
    missing.clear();
    const ui::MissingControlHandler before = ui::SetMissingControlHandler(RecordMissing);
    {
        Probe swapped(true);
        EXPECT_EQ(missing, (std::vector<std::string>{"Tavelon.TestProbe Frame1",
                                                     "Tavelon.TestProbe Label1"}));
    }
    missing.clear();
    Probe probe;
    ASSERT_TRUE(probe.Create(SW_SHOWNOACTIVATE));
    EXPECT_TRUE(missing.empty());
    probe.SetText(static_cast<ProbePart>(7), "x");
    EXPECT_EQ(probe.Text(static_cast<ProbePart>(7)), "");
    ui::SetMissingControlHandler(before);
    EXPECT_EQ(missing, (std::vector<std::string>{"Tavelon.TestProbe #7", "Tavelon.TestProbe #7"}));
    EXPECT_EQ(probe.Text(ProbePart::Label), "标签");
}

TEST(WindowFromDescription, FollowsADpiChange) {
    Probe probe;
    ASSERT_TRUE(probe.Create(SW_SHOWNOACTIVATE));
    RECT suggested{10, 10, 460, 310};
    SendMessageW(probe.hwnd(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(probe.dpi(), 192u);
    RECT r{};
    GetWindowRect(probe.hwnd(), &r);
    EXPECT_EQ(r.right - r.left, 600);
    const ui::Control* text = &probe.control(ProbePart::Box);
    GetWindowRect(text->hwnd, &r);
    EXPECT_EQ(r.right - r.left, 78);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(text->hwnd, WM_GETFONT, 0, 0)),
              ui::CachedFont(probe.description().font, 192));
    EXPECT_EQ(probe.control(ProbePart::Label).rect.left, 20);
}

}  // namespace

// The tools window's result boxes hold their longest texts whole, with the fonts at hand, at
// 96 and 144 DPI. Each box is swept over the texts it can be given (or texts of the same form
// with every digit the widest one, where the values are too many to sweep), measured the way
// the window draws them, and the widest must fit where the box shows text.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/name_tables.h"
#include "calendar/range.h"
#include "tests/win/fixture.h"
#include "tools/day_line.h"
#include "tools/form3_win.h"
#include "tools/four_pillars.h"
#include "tools/interval.h"
#include "tools/picker_moment.h"
#include "tools/queries.h"
#include "ui/text.h"

namespace tools {
namespace {

using calendar::sys_days;
using std::chrono::days;
using std::chrono::year;
using tavelon_test::Pump;

constexpr sys_days kFirstLunarDay = sys_days{year{1901} / 2 / 19};
constexpr sys_days kLastLunarDay = sys_days{year{2100} / 2 / 8};

// The widest of many texts in one control's font. GDI lays a line out glyph by glyph without
// kerning, so a text is as wide as its characters together: each is measured once, and the
// widest text is measured again whole.
class Widest {
public:
    Widest(const ui::Window& window, const ui::Control& control)
        : window_(window), control_(control) {
        for (wchar_t digit = L'0'; digit <= L'9'; ++digit)
            if (CharWidth(digit) > CharWidth(widestDigit_)) widestDigit_ = digit;
    }

    void Add(std::string_view text) {
        const std::wstring wide = ui::Widen(text);
        int width = 0;
        for (const wchar_t c : wide) width += CharWidth(c);
        if (width > sum_) sum_ = width, text_ = wide;
    }
    // The text, and the text with every digit the widest: a longer one of the same form.
    void AddAnyDigits(std::string_view text) {
        Add(text);
        std::string widest(text);
        for (char& c : widest)
            if (c >= '0' && c <= '9') c = static_cast<char>(widestDigit_);
        Add(widest);
    }

    int width() const { return window_.TextWidth(control_, text_); }
    std::string text() const { return ui::Narrow(text_); }

private:
    int CharWidth(wchar_t c) {
        const auto known = widths_.find(c);
        if (known != widths_.end()) return known->second;
        return widths_[c] = window_.TextWidth(control_, {&c, 1});
    }

    const ui::Window& window_;
    const ui::Control& control_;
    std::map<wchar_t, int> widths_;
    wchar_t widestDigit_ = L'0';
    std::wstring text_;
    int sum_ = -1;
};

class ToolsFit : public testing::TestWithParam<UINT> {
protected:
    ToolsFit() : s_(calendar::MomentOf(2026, 12, 13, 22, 0, 0).value()) {
        form_ = static_cast<Form3*>(s_.Open(kForm3Class));
        if (form_ && GetParam() != form_->dpi()) {
            RECT suggested{40, 40, 800, 640};
            SendMessageW(form_->hwnd(), WM_DPICHANGED, MAKEWPARAM(GetParam(), GetParam()),
                         reinterpret_cast<LPARAM>(&suggested));
            Pump();
        }
    }
    ~ToolsFit() override {
        s_.app.windows.Close(kForm3Class);
        Pump();
    }
    void SetUp() override {
        ASSERT_NE(form_, nullptr);
        ASSERT_EQ(form_->dpi(), GetParam());
    }

    const ui::Control& Box(ToolsPart part) const { return form_->control(part); }
    Widest WidestIn(ToolsPart part) const { return Widest(*form_, Box(part)); }

    // Where a label's line has to end: before the next control beside it, inside the frame
    // around it, inside the window.
    int RightLimit(const ui::Control& label) const {
        RECT client{};
        GetClientRect(form_->hwnd(), &client);
        int limit = client.right;
        for (const ui::Control& c : form_->controls()) {
            const RECT& r = c.rect;
            const bool beside = r.top < label.rect.bottom && r.bottom > label.rect.top;
            if (&c == &label || c.desc.kind == ui::ControlKind::Label || !beside) continue;
            if (r.left >= label.rect.left)
                limit = std::min<int>(limit, r.left);
            else if (r.right > label.rect.left)
                limit = std::min<int>(limit, r.right - 2);  // the frame's etched edge
        }
        return limit;
    }

    void ExpectFitsLabel(ToolsPart part, const Widest& widest) const {
        const ui::Control& label = Box(part);
        EXPECT_LE(label.rect.left + widest.width(), RightLimit(label))
            << label.desc.name << " cannot show " << widest.text();
    }
    // A text box shows a line whole when it fits the box's formatting rectangle with a
    // pixel to spare for the caret after it.
    void ExpectFitsBox(ToolsPart part, const Widest& widest) const {
        RECT format{};
        SendMessageW(Box(part).hwnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        EXPECT_LT(widest.width(), format.right - format.left)
            << Box(part).desc.name << " cannot show " << widest.text();
    }

    tavelon_test::Sticker s_;
    Form3* form_ = nullptr;
};

TEST_P(ToolsFit, StemBranchNamesShowWholeInTheBoxAndItsList) {
    const HWND combo = Box(ToolsPart::CycleList).hwnd;
    Widest names = WidestIn(ToolsPart::CycleList);
    for (int i = 1; i <= 60; ++i) names.Add(calendar::JiaziName(i));
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    // A pixel clear on either side of the name, where the box draws its focus.
    EXPECT_LE(names.width() + 2, info.rcItem.right - info.rcItem.left) << names.text();

    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    RECT list{};
    GetClientRect(info.hwndList, &list);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_LE(names.width() + 2, list.right) << names.text();
}

TEST_P(ToolsFit, TheReadingShowsAllItsLinesWithoutScrolling) {
    // The widest of each line over every day of the range, each day at another two-hour
    // period, joined into one reading wider than any single day's.
    std::vector<Widest> lines(4, WidestIn(ToolsPart::Reading));
    int hour = 0;
    for (sys_days d = kFirstLunarDay; d <= kLastLunarDay; d += days{1}) {
        const std::string reading = FourPillarsText(d, std::chrono::hours{hour});
        hour = (hour + 2) % 24;
        std::size_t start = 0;
        for (Widest& line : lines) {
            const std::size_t end = reading.find("\r\n", start);
            line.Add(std::string_view(reading).substr(start, end - start));
            if (end == std::string::npos) break;
            start = end + 2;
        }
    }
    std::string widest;
    for (const Widest& line : lines) widest += (widest.empty() ? "" : "\r\n") + line.text();

    const HWND box = Box(ToolsPart::Reading).hwnd;
    for (const std::string& text : {widest, std::string(calendar::kTooEarlyMessage),
                                    std::string(calendar::kTooLateMessage)}) {
        form_->SetText(ToolsPart::Reading, text);
        const int lineCount = static_cast<int>(SendMessageW(box, EM_GETLINECOUNT, 0, 0));
        if (text == widest) {
            EXPECT_EQ(lineCount, 4) << "a line wraps: " << text;
        }
        RECT format{};
        SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        const auto top = [&](int line) {
            const LRESULT first = SendMessageW(box, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
            return static_cast<int>(HIWORD(SendMessageW(box, EM_POSFROMCHAR, first, 0)));
        };
        const int lineHeight = lineCount > 1 ? top(1) - top(0) : format.bottom - format.top;
        EXPECT_EQ(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
        EXPECT_LE(top(lineCount - 1) + lineHeight, format.bottom) << text;
    }
}

TEST_P(ToolsFit, ResultBoxesHoldTheirLongestTexts) {
    // The week query: every layout of a year, common and leap, in its 28-year cycle.
    Widest weeks = WidestIn(ToolsPart::WeekRange);
    for (int y = 2000; y < 2028; ++y)
        for (int week = 1; week <= 54; ++week)
            weeks.AddAnyDigits(WeekRangeText(y, std::to_string(week)));
    ExpectFitsBox(ToolsPart::WeekRange, weeks);

    // The stem-branch years: every name in 60 years, so every age of both years.
    Widest cycles = WidestIn(ToolsPart::CycleYears);
    for (int y = 2026; y < 2086; ++y)
        for (int row = 1; row <= 60; ++row) cycles.AddAnyDigits(CycleYearsText(row, y));
    ExpectFitsBox(ToolsPart::CycleYears, cycles);

    // The counts the up-downs reach.
    for (const ToolsPart count : {ToolsPart::BeforeCount, ToolsPart::AfterCount}) {
        Widest counts = WidestIn(count);
        counts.AddAnyDigits("1000");
        ExpectFitsBox(count, counts);
    }
}

TEST_P(ToolsFit, ResultLabelsStayClearOfTheirNeighbours) {
    Widest interval = WidestIn(ToolsPart::Interval);
    interval.AddAnyDigits(IntervalText(kLastPickerDay, kFirstPickerDay));
    interval.AddAnyDigits(IntervalText(kFirstPickerDay, kLastPickerDay));
    ExpectFitsLabel(ToolsPart::Interval, interval);

    Widest dayLines = WidestIn(ToolsPart::BeforeLine);
    for (sys_days d = kFirstLunarDay; d <= kLastLunarDay; d += days{1})
        dayLines.Add(LunarDayLine(d, true));  // the wide separator: never the narrower
    ExpectFitsLabel(ToolsPart::BeforeLine, dayLines);
    ExpectFitsLabel(ToolsPart::AfterLine, dayLines);

    // Every term's day and moment, and the same with every digit the widest.
    Widest terms = WidestIn(ToolsPart::TermDate);
    for (int y = 1901; y <= 2100; ++y)
        for (int term = 1; term <= 24; ++term)
            terms.AddAnyDigits(TermDateText(y, term).value_or(""));
    ExpectFitsLabel(ToolsPart::TermDate, terms);
}

// The reading's picker shows the minute now: its text, with every digit the widest, stays clear
// of its up-down with a pixel or two for the field's own margin.
TEST_P(ToolsFit, TheReadingPickerShowsItsDateAndMinute) {
    const HWND picker = Box(ToolsPart::ReadingMoment).hwnd;
    const HWND spin = FindWindowExW(picker, nullptr, UPDOWN_CLASSW, nullptr);
    ASSERT_NE(spin, nullptr);
    Widest moment = WidestIn(ToolsPart::ReadingMoment);
    moment.AddAnyDigits("2016年03月03日 05:33");
    RECT client{}, spinRect{};
    GetClientRect(picker, &client);
    GetWindowRect(spin, &spinRect);
    EXPECT_LE(moment.width() + 2, client.right - (spinRect.right - spinRect.left)) << moment.text();
}

INSTANTIATE_TEST_SUITE_P(Dpi, ToolsFit, testing::Values(96u, 144u),
                         [](const testing::TestParamInfo<UINT>& info) {
                             return std::to_string(info.param);
                         });

}  // namespace
}  // namespace tools

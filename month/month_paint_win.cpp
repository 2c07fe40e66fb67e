// The month view's grid: the weekday names, the week numbers and the 42 cells, painted into the
// window's back buffer.
#include <windows.h>

#include <span>

#include "month/month_layout_win.h"
#include "month/month_win.h"
#include "ui/font.h"
#include "ui/gdi.h"
#include "ui/text.h"

namespace month {

using namespace layout;

namespace {

constexpr std::string_view kWeekdayNames[] = {"日", "一", "二", "三", "四", "五", "六"};

// Blends colour toward the cell's fill, for the days of the neighbouring months.
COLORREF Faded(COLORREF colour) {
    const auto mix = [](int a, int b) { return static_cast<BYTE>(a + (b - a) * 6 / 10); };
    return RGB(mix(GetRValue(colour), 255), mix(GetGValue(colour), 255),
               mix(GetBValue(colour), 255));
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void DrawCentred(HDC dc, std::wstring_view text, RECT r, COLORREF colour) {
    SetTextColor(dc, colour);
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// The first of the fonts in which the text is no wider than width; -1 when none is.
int FittingFont(HDC dc, std::wstring_view text, int width, std::span<const char* const> fonts,
                UINT dpi) {
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        const ui::SelectedObject font(dc, ui::CachedFont(fonts[i], dpi));
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
        if (extent.cx <= width) return static_cast<int>(i);
    }
    return -1;
}

COLORREF LineColour(LineKind kind) {
    switch (kind) {
        case LineKind::Festival:
            return kFestivalText;
        case LineKind::Term:
            return kTermText;
        case LineKind::MonthName:
            return kMonthNameText;
        default:
            return kLunarText;
    }
}

}  // namespace

RECT MonthWindow::GridRect() const {
    return RECT{Scaled(kMargin), Scaled(kWeekdayTop), Scaled(kGridLeft + kColumns * kCellWidth),
                Scaled(kGridTop + kRows * kCellHeight)};
}

RECT MonthWindow::CellRect(int index) const {
    const int column = index % kColumns, row = index / kColumns;
    const int left = kGridLeft + column * kCellWidth, top = kGridTop + row * kCellHeight;
    return RECT{Scaled(left), Scaled(top), Scaled(left + kCellWidth), Scaled(top + kCellHeight)};
}

int MonthWindow::CellAt(POINT at) const {
    for (int i = 0; i < kCells; ++i) {
        const RECT r = CellRect(i);
        if (PtInRect(&r, at)) return i;
    }
    return -1;
}

int MonthWindow::LineRoom() const {
    const RECT cell = CellRect(0);
    return cell.right - cell.left - 1 - Scaled(6);
}

std::string MonthWindow::LineFont(std::string_view line) const {
    const ui::WindowDc dc(hwnd());
    const int i = FittingFont(dc.get(), ui::Widen(line), LineRoom(), kLineFonts, dpi());
    return i < 0 ? std::string() : kLineFonts[static_cast<std::size_t>(i)];
}

std::string MonthWindow::HeaderFont(std::string_view header) const {
    const ui::WindowDc dc(hwnd());
    const int i =
        FittingFont(dc.get(), ui::Widen(header), Scaled(kHeaderWidth), kHeaderFonts, dpi());
    return i < 0 ? std::string() : kHeaderFonts[static_cast<std::size_t>(i)];
}

bool MonthWindow::LinesFit(MonthPart label, std::string_view text) const {
    const ui::Control& c = control(label);
    if (c.hwnd) {
        // A box: its lines scroll, and each must fit inside the edges and the scroll bar.
        RECT inside{};
        SendMessageW(c.hwnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&inside));
        const int room = inside.right - inside.left;
        for (std::string_view rest = text;;) {
            const std::size_t end = rest.find("\r\n");
            if (TextWidth(c, ui::Widen(rest.substr(0, end))) > room) return false;
            if (end == std::string_view::npos) return true;
            rest.remove_prefix(end + 2);
        }
    }
    const ui::WindowDc dc(hwnd());
    const ui::SelectedObject font(dc.get(), ui::CachedFont(FontSpecOf(c), dpi()));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    int lines = 0;
    for (std::string_view rest = text;; ++lines) {
        const std::size_t end = rest.find("\r\n");
        if (TextWidth(c, ui::Widen(rest.substr(0, end))) > c.rect.right - c.rect.left) return false;
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 2);
    }
    return (lines + 1) * metrics.tmHeight <= c.rect.bottom - c.rect.top;
}

void MonthWindow::OnPaint(HDC dc, const RECT& dirty) {
    RECT grid = GridRect(), overlap{};
    if (!composed_ || !IntersectRect(&overlap, &grid, &dirty)) return;
    SetBkMode(dc, TRANSPARENT);
    PaintWeekdays(dc);
    // The gaps between the cells show this colour as the grid's lines.
    const RECT cells{Scaled(kGridLeft), Scaled(kGridTop), grid.right, grid.bottom};
    Fill(dc, cells, kGridLine);
    for (int i = 0; i < kCells; ++i) {
        const RECT r = CellRect(i);
        if (IntersectRect(&overlap, &r, &dirty)) PaintCell(dc, i);
    }
}

void MonthWindow::PaintWeekdays(HDC dc) {
    const ui::SelectedObject font(dc, ui::CachedFont(kTextFont, dpi()));
    for (int column = 0; column < kColumns; ++column) {
        const RECT r = CellRect(column);
        const bool weekend = column == 0 || column == kColumns - 1;
        DrawCentred(dc, ui::Widen(kWeekdayNames[column]),
                    RECT{r.left, Scaled(kWeekdayTop), r.right, Scaled(kGridTop)},
                    weekend ? kWeekendText : kWeekText);
    }
    DrawCentred(dc, L"周",
                RECT{Scaled(kMargin), Scaled(kWeekdayTop), Scaled(kGridLeft), Scaled(kGridTop)},
                kWeekText);
    const ui::SelectedObject small(dc, ui::CachedFont(kSmallFont, dpi()));
    for (int row = 0; row < kRows; ++row) {
        const RECT cell = CellRect(row * kColumns);
        DrawCentred(dc, std::to_wstring(page_.weeks[static_cast<std::size_t>(row)]),
                    RECT{Scaled(kMargin), cell.top, Scaled(kGridLeft), cell.bottom}, kWeekText);
    }
}

void MonthWindow::PaintCell(HDC dc, int index) {
    const MonthCell& cell = page_.cells[static_cast<std::size_t>(index)];
    const RECT outer = CellRect(index);
    // One device pixel of the grid's colour stays at the right and bottom of every cell.
    const RECT r{outer.left, outer.top, outer.right - 1, outer.bottom - 1};
    const bool selected = cell.date == selection_.selected;
    COLORREF fill = cell.weekend ? kWeekendFill : kCellFill;
    if (cell.badge == Badge::Off && !cell.dimmed) fill = kDayOffFill;
    Fill(dc, r, selected ? kSelectedFill : fill);
    if (selected) {
        const int w = Scaled(2);
        for (const RECT& edge : {RECT{r.left, r.top, r.right, r.top + w},
                                 RECT{r.left, r.bottom - w, r.right, r.bottom},
                                 RECT{r.left, r.top, r.left + w, r.bottom},
                                 RECT{r.right - w, r.top, r.right, r.bottom}})
            Fill(dc, edge, kAccent);
    }

    const RECT number{r.left, r.top + Scaled(4), r.right, r.top + Scaled(32)};
    COLORREF numberColour = cell.weekend ? kWeekendText : kText;
    if (cell.today) {
        // Today's number stands on a disc of the accent colour.
        const int cx = (number.left + number.right) / 2, cy = (number.top + number.bottom) / 2;
        const int radius = Scaled(14);
        SetDCBrushColor(dc, kAccent);
        const ui::SelectedObject brush(dc, GetStockObject(DC_BRUSH));
        const ui::SelectedObject pen(dc, GetStockObject(NULL_PEN));
        Ellipse(dc, cx - radius, cy - radius, cx + radius + 1, cy + radius + 1);
        numberColour = RGB(255, 255, 255);
    } else if (cell.dimmed) {
        numberColour = Faded(numberColour);
    }
    {
        const ui::SelectedObject font(dc, ui::CachedFont(kDayFont, dpi()));
        DrawCentred(dc, std::to_wstring(cell.day), number, numberColour);
    }

    if (!cell.line.empty()) {
        const std::wstring line = ui::Widen(cell.line);
        const RECT lineRect{r.left + Scaled(2), r.top + Scaled(33), r.right - Scaled(2),
                            r.bottom - Scaled(3)};
        const int fit = FittingFont(dc, line, LineRoom(), kLineFonts, dpi());
        const char* fontSpec =
            kLineFonts[fit < 0 ? kLineFonts.size() - 1 : static_cast<std::size_t>(fit)];
        const ui::SelectedObject font(dc, ui::CachedFont(fontSpec, dpi()));
        const COLORREF colour = LineColour(cell.lineKind);
        DrawCentred(dc, line, lineRect, cell.dimmed ? Faded(colour) : colour);
    }

    if (cell.reminder) {
        // A dot in the top-left corner, clear of the number, the today disc and the badge.
        const int left = r.left + Scaled(5), top = r.top + Scaled(5), size = Scaled(7);
        SetDCBrushColor(dc, cell.dimmed ? Faded(kReminderMark) : kReminderMark);
        const ui::SelectedObject brush(dc, GetStockObject(DC_BRUSH));
        const ui::SelectedObject pen(dc, GetStockObject(NULL_PEN));
        Ellipse(dc, left, top, left + size + 1, top + size + 1);
    }

    if (cell.badge != Badge::None) {
        const RECT badge{r.right - Scaled(19), r.top + Scaled(3), r.right - Scaled(3),
                         r.top + Scaled(19)};
        const COLORREF colour = cell.badge == Badge::Off ? kDayOffBadge : kWorkBadge;
        Fill(dc, badge, cell.dimmed ? Faded(colour) : colour);
        const ui::SelectedObject font(dc, ui::CachedFont(kBadgeFont, dpi()));
        DrawCentred(dc, cell.badge == Badge::Off ? L"休" : L"班", badge, RGB(255, 255, 255));
    }
}

}  // namespace month

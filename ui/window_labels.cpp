// Windowless labels of a Window: fitting a text to its label, measuring and painting it.
#include <windows.h>

#include <algorithm>
#include <optional>

#include "ui/font.h"
#include "ui/gdi.h"
#include "ui/text.h"
#include "ui/unique.h"
#include "ui/window.h"

namespace ui {
namespace {

// The sizes a label's font steps down through, in percent. Steps that come out at the same
// pixel height at a DPI are tried once, so a label uses at most this many fonts per DPI.
constexpr int kFontSteps[] = {100, 95, 90, 85, 80, 75, 70};

// Text is measured in a memory context of its own: the same fonts give the same widths as on
// the screen, without taking a window's device context (slow) for each measurement.
HDC MeasuringDc() {
    static const UniqueDc dc(CreateCompatibleDC(nullptr));
    return dc.get();
}

std::vector<std::wstring> LinesOf(std::wstring_view text) {
    std::vector<std::wstring> lines;
    for (size_t start = 0;;) {
        const size_t end = text.find(L"\r\n", start);
        lines.emplace_back(text.substr(
            start, end == std::wstring_view::npos ? std::wstring_view::npos : end - start));
        if (end == std::wstring_view::npos) return lines;
        start = end + 2;
    }
}

int LineWidth(HDC dc, std::wstring_view line) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, line.data(), static_cast<int>(line.size()), &extent);
    return extent.cx;
}

}  // namespace

int Window::TextWidth(const Control& c, std::wstring_view text) const {
    return TextWidth(FontSpecOf(c), text);
}

int Window::TextWidth(std::string_view fontSpec, std::wstring_view text) const {
    HDC dc = MeasuringDc();
    if (!dc) return 0;
    const SelectedObject font(dc, CachedFont(fontSpec, dpi_, TextQuality()));
    return LineWidth(dc, text);
}

void Window::FitLabelText(Control& c) {
    LabelFit& fit = c.fit;
    const SIZE size{c.rect.right - c.rect.left, c.rect.bottom - c.rect.top};
    if (fit.text == c.text && fit.dpi == dpi_ && fit.size.cx == size.cx && fit.size.cy == size.cy &&
        !fit.font.empty())
        return;
    fit = LabelFit{};
    fit.text = c.text;
    fit.dpi = dpi_;
    fit.size = size;
    fit.font = FontSpecOf(c);
    fit.lines = LinesOf(Widen(c.text));
    HDC dc = MeasuringDc();
    if (c.text.empty() || !dc) return;

    // The largest step at which every line fits the width and the lines, set as close as their
    // em height, fit the height; the floor step when none does.
    const int count = static_cast<int>(fit.lines.size());
    TEXTMETRICW tm{};
    LONG lastHeight = 0;
    for (const int percent : kFontSteps) {
        std::string stepFont =
            percent == 100 ? FontSpecOf(c) : ScaledFontSpec(FontSpecOf(c), percent);
        const LONG height = ToLogFont(ParseFontSpec(stepFont), dpi_).lfHeight;
        if (height == lastHeight) continue;
        lastHeight = height;
        const SelectedObject font(dc, CachedFont(stepFont, dpi_, TextQuality()));
        GetTextMetricsW(dc, &tm);
        int widest = 0;
        for (const std::wstring& line : fit.lines) widest = std::max(widest, LineWidth(dc, line));
        fit.font = std::move(stepFont);
        fit.widest = widest;
        fit.fits = widest <= size.cx &&
                   (count == 1 || count * (tm.tmHeight - tm.tmInternalLeading) <= size.cy);
        if (fit.fits) break;
    }
    fit.cut = fit.widest > size.cx;
    fit.widest = std::min<int>(fit.widest, std::max<LONG>(size.cx, 0));
    fit.lineHeight = tm.tmHeight;
    // A font with taller lines than the label was made for (a substitute) has its lines set
    // closer, down to the em height, where the ink of Chinese characters ends.
    fit.advance = count * tm.tmHeight <= size.cy
                      ? tm.tmHeight
                      : std::max<int>(tm.tmHeight - tm.tmInternalLeading, size.cy / count);
    // A single line in a label lower than its font's ascent would have its baseline below the
    // label and lose the bottom of its digits: it is raised until the baseline is inside, within
    // the space above the em, so the top of the ink stays inside too.
    if (count == 1)
        fit.raise = std::max<int>(0, std::min<int>(tm.tmAscent - size.cy, tm.tmInternalLeading));
}

std::optional<RECT> Window::ChangedLabelPart(const LabelFit& before, const Control& c) const {
    const LabelFit& after = c.fit;
    if (before.lines.size() != 1 || after.lines.size() != 1 || before.font != after.font ||
        before.widest != after.widest || before.raise != after.raise || before.cut || after.cut)
        return std::nullopt;
    const std::wstring& was = before.lines[0];
    const std::wstring& now = after.lines[0];
    std::size_t same = 0;
    while (same < was.size() && same < now.size() && was[same] == now[same]) ++same;
    // Half a surrogate pair is no character to measure.
    if (same > 0 && now[same - 1] >= 0xD800 && now[same - 1] <= 0xDBFF) --same;
    if (same == 0) return std::nullopt;
    // The line is centred and as wide as before, so its unchanged start is drawn where it was.
    // A glyph's ink may reach a little past its advance (smoothing, a slanted stroke).
    const RECT extent = c.TextExtent();
    const int margin = std::max(2, after.lineHeight / 8);
    RECT part{extent.left + TextWidth(after.font, std::wstring_view(now).substr(0, same)) - margin,
              c.rect.top, extent.right + margin, c.rect.bottom};
    if (!IntersectRect(&part, &part, &c.rect)) return std::nullopt;
    return part;
}

void Window::PaintLabel(HDC dc, Control& c) {
    if (c.text.empty()) return;
    FitLabelText(c);  // a window may have moved or resized the label since its text came
    const LabelFit& fit = c.fit;
    const SelectedObject font(dc, CachedFont(fit.font, dpi_, TextQuality()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, c.colour);
    const UINT format =
        DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | (fit.cut ? DT_END_ELLIPSIS : 0);
    const RECT& r = c.rect;
    if (fit.lines.size() == 1) {
        // Clipped to the label, so that the descent of a tall substitute stays out of the next
        // one, and a raised line's leading out of the one above.
        RECT line{r.left, r.top - fit.raise, r.right, r.bottom};
        if (fit.raise == 0) {
            DrawTextW(dc, fit.lines[0].c_str(), static_cast<int>(fit.lines[0].size()), &line,
                      format);
            return;
        }
        const SavedDc clip(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        DrawTextW(dc, fit.lines[0].c_str(), static_cast<int>(fit.lines[0].size()), &line, format);
        return;
    }
    for (size_t i = 0; i < fit.lines.size(); ++i) {
        const int top = r.top + static_cast<int>(i) * fit.advance;
        RECT line{r.left, top, r.right, top + fit.lineHeight};
        DrawTextW(dc, fit.lines[i].c_str(), static_cast<int>(fit.lines[i].size()), &line,
                  format | DT_NOCLIP);
    }
}

}  // namespace ui

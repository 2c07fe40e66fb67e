// Windowless labels of a Window: fitting a text to its label, measuring and painting it.
#include <windows.h>

#include <algorithm>

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

Window::TailSplit Window::SplitOf(const Control& c) const {
    TailSplit split;
    const LabelFit& fit = c.fit;
    if (!tail_ || !tail_->hwnd() || fit.lines.size() != 1 || fit.cut) return split;
    const std::wstring& line = fit.lines[0];
    std::size_t head = line.size() > c.desc.liveTail ? line.size() - c.desc.liveTail : 0;
    // Half a surrogate pair is no character to draw.
    if (head > 0 && IS_HIGH_SURROGATE(line[head - 1])) --head;
    if (head == 0) return split;
    split.live = true;
    split.head = line.substr(0, head);
    split.tail = line.substr(head);
    split.font = fit.font;
    split.width = fit.widest;
    split.headWidth = TextWidth(fit.font, split.head);
    // Where the whole line, centred, starts: the head is drawn from there and the tail after
    // it, glyph for glyph where the line would have them.
    split.left = c.rect.left + (c.rect.right - c.rect.left - fit.widest) / 2;
    split.raise = fit.raise;
    return split;
}

void Window::UpdateTail(Control& c, bool moved) {
    FitLabelText(c);
    TailSplit next = SplitOf(c);
    if (!next.live) {
        if (split_.live) {
            tail_->Hide();
            Invalidate(c);
        }
        split_ = std::move(next);
        return;
    }
    // The usual tick: the seconds alone changed, and only the tail window is painted.
    if (!moved && split_.SamePlaceAs(next)) {
        tail_->SetText(next.tail);
        split_ = std::move(next);
        return;
    }
    Invalidate(c);
    // A glyph's ink may reach a little past its advance (smoothing, a slanted stroke): the
    // window starts a little before the tail and ends a little after the line, in the label.
    const int margin = std::max(2, c.fit.lineHeight / 8);
    RECT area{next.left + next.headWidth - margin, c.rect.top,
              next.left + next.width + margin, c.rect.bottom};
    IntersectRect(&area, &area, &c.rect);
    const POINT origin{next.left + next.headWidth - area.left, c.rect.top - next.raise - area.top};
    TailPicture picture{next.tail, CachedFont(next.font, dpi_, TextQuality()), c.colour, origin};
    split_ = std::move(next);
    tail_->Show(area, std::move(picture), Backdrop(area));
}

// What this window shows in a client area with the live tail left out.
UniqueBitmap Window::Backdrop(const RECT& area) {
    const WindowDc screen(hwnd_);
    const UniqueDc memory(screen ? CreateCompatibleDC(screen.get()) : nullptr);
    UniqueBitmap bitmap(memory ? CreateCompatibleBitmap(screen.get(), area.right - area.left,
                                                        area.bottom - area.top)
                               : nullptr);
    if (!bitmap) return bitmap;
    const SelectedObject selected(memory.get(), bitmap.get());
    SetViewportOrgEx(memory.get(), -area.left, -area.top, nullptr);
    IntersectClipRect(memory.get(), area.left, area.top, area.right, area.bottom);
    FillRect(memory.get(), &area, brush_.get());
    OnPaint(memory.get(), area);
    PaintWindowless(memory.get(), area);
    return bitmap;
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
    if (IsTailLabel(c) && split_.live) {
        // The tail is the tail window's to draw.
        const SavedDc clip(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        RECT line{split_.left, r.top - split_.raise, r.right, r.bottom};
        DrawTextW(dc, split_.head.c_str(), static_cast<int>(split_.head.size()), &line,
                  DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
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

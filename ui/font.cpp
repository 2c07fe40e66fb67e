#include "ui/font.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>
#include <tuple>

#include "ui/text.h"
#include "ui/unique.h"

namespace ui {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The leading decimal number of a field, 0 when there is none.
double LeadingNumber(std::string_view field) {
    const std::string s(Trim(field));
    return std::strtod(s.c_str(), nullptr);
}

using CacheKey = std::tuple<std::string, UINT, BYTE>;

std::map<CacheKey, UniqueFont>& Cache() {
    static std::map<CacheKey, UniqueFont> cache;
    return cache;
}

}  // namespace

FontSpec ParseFontSpec(std::string_view text) {
    FontSpec fontSpec;
    std::string_view fields[6];
    int count = 0;
    while (count < 6) {
        const size_t comma = text.find(',');
        fields[count++] = text.substr(0, comma);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    const std::string_view family = Trim(fields[0]);
    if (!family.empty()) fontSpec.family = std::string(family);
    if (count > 1 && !Trim(fields[1]).empty()) {
        const double points = LeadingNumber(fields[1]);
        // A zero or negative size would ask GDI for its default height, not what was written.
        fontSpec.points = points > 0 && points < 1000 ? points : 9;
    }
    if (count > 2) fontSpec.bold = LeadingNumber(fields[2]) != 0;
    if (count > 3) fontSpec.italic = LeadingNumber(fields[3]) != 0;
    if (count > 4) fontSpec.underline = LeadingNumber(fields[4]) != 0;
    if (count > 5) fontSpec.strikeout = LeadingNumber(fields[5]) != 0;
    return fontSpec;
}

std::string ScaledFontSpec(std::string_view specText, int percent) {
    const FontSpec base = ParseFontSpec(specText);
    // Hundredths of a point are finer than any DPI resolves, and keep the text short.
    const double points = std::round(base.points * percent) / 100.0;
    char size[32];
    const auto end = std::to_chars(size, size + sizeof size, points).ptr;
    std::string text = base.family;
    text.append(",").append(size, end);
    for (const bool style : {base.bold, base.italic, base.underline, base.strikeout})
        text.append(style ? ",1" : ",0");
    return text;
}

LOGFONTW ToLogFont(const FontSpec& fontSpec, UINT dpi, BYTE quality) {
    LOGFONTW lf{};
    // A negative height asks for the character height (the em size), which is what a point size is.
    lf.lfHeight = -static_cast<LONG>(std::lround(fontSpec.points * dpi / 72.0));
    lf.lfWeight = fontSpec.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = fontSpec.italic;
    lf.lfUnderline = fontSpec.underline;
    lf.lfStrikeOut = fontSpec.strikeout;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = quality;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::wstring face = Widen(fontSpec.family);
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    return lf;
}

HFONT CachedFont(std::string_view specText, UINT dpi, BYTE quality) {
    auto& cache = Cache();
    CacheKey key{std::string(specText), dpi, quality};
    if (auto it = cache.find(key); it != cache.end()) return it->second.get();
    const LOGFONTW lf = ToLogFont(ParseFontSpec(specText), dpi, quality);
    UniqueFont font(CreateFontIndirectW(&lf));
    if (!font) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HFONT h = font.get();
    cache.emplace(std::move(key), std::move(font));
    return h;
}

size_t CachedFontCount() { return Cache().size(); }

}  // namespace ui

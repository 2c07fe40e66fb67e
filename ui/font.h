#pragma once
// Fonts given as text: "family,size,bold,italic,underline,strikeout", for example
// "Microsoft YaHei,38,1". An empty family means "SimSun", an empty size 9 points; a non-zero
// bold field means weight 700; a missing style field is off. Every distinct text is created
// once per DPI and quality and shared by all windows for the rest of the run, so a font
// handle from the cache is never deleted by its user.
#include <windows.h>

#include <string>
#include <string_view>

namespace ui {

struct FontSpec {
    std::string family = "SimSun";
    double points = 9;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

// Unreadable numeric fields count as 0 (size: the default 9); surrounding blanks are ignored.
FontSpec ParseFontSpec(std::string_view text);

// The same font at percent of its size, as a FontSpec text: a smaller step of a label's font
// is just another text for the cache.
std::string ScaledFontSpec(std::string_view specText, int percent);

// Height in device pixels is the point size at the given DPI, as a character height.
LOGFONTW ToLogFont(const FontSpec& fontSpec, UINT dpi, BYTE quality = DEFAULT_QUALITY);

// Text drawn onto a colour-keyed background must not blend into the key colour: blended edge
// pixels are neither key nor text and show as a fringe. Windows with a colour key ask for
// this quality; every other window uses the system's default (ClearType where enabled).
inline constexpr BYTE kColourKeyQuality = ANTIALIASED_QUALITY;

// The shared font for a FontSpec text at a DPI; never null (falls back to the stock GUI font).
HFONT CachedFont(std::string_view specText, UINT dpi, BYTE quality = DEFAULT_QUALITY);

// Number of fonts held by the cache; lets tests see that repaints create none.
size_t CachedFontCount();

}  // namespace ui

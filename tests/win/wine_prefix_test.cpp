// The Wine prefix the program runs in under Linux looks like a Chinese Windows desktop: the
// fonts the windows ask for read back under their true names, English and Chinese, the menus,
// message boxes and tooltips are drawn in the stand-in for 微软雅黑, which has every character
// they show, and the caption buttons have their symbols.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "ui/gdi.h"
#include "ui/text.h"
#include "ui/unique.h"

namespace {

bool UnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

constexpr wchar_t kReplacements[] = L"Software\\Wine\\Fonts\\Replacements";

std::map<std::string, std::string> Replacements() {
    std::map<std::string, std::string> values;
    ui::UniqueKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kReplacements, 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return values;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256], data[256];
        DWORD nameLength = 256, dataBytes = sizeof(data), type = 0;
        if (RegEnumValueW(key.get(), i, name, &nameLength, nullptr, &type,
                          reinterpret_cast<BYTE*>(data), &dataBytes) != ERROR_SUCCESS)
            break;
        if (type == REG_SZ) values[ui::Narrow({name, nameLength})] = ui::Narrow(data);
    }
    return values;
}

// The family a font of that description comes out as, and whether it has every character of
// the text.
struct Resolved {
    std::string family;
    bool hasAll = false;
};

Resolved Resolve(const LOGFONTW& asked, const std::wstring& text) {
    Resolved resolved;
    const ui::UniqueFont font(CreateFontIndirectW(&asked));
    const ui::WindowDc dc(nullptr);
    const ui::SelectedObject selected(dc.get(), font.get());
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc.get(), LF_FACESIZE, face);
    resolved.family = ui::Narrow(face);
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(dc.get(), text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    resolved.hasAll = std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
    return resolved;
}

TEST(WinePrefix, FontStandInsReadBackUnderTheirTrueNames) {
    if (!UnderWine()) GTEST_SKIP() << "not under Wine";
    const std::map<std::string, std::string> expected = {
        {"Microsoft YaHei", "Noto Sans CJK SC"},
        {"微软雅黑", "Noto Sans CJK SC"},
        {"SimSun", "WenQuanYi Zen Hei"},
        {"宋体", "WenQuanYi Zen Hei"},
    };
    EXPECT_EQ(Replacements(), expected);
}

TEST(WinePrefix, MenusMessageBoxesTooltipsAndCaptionsDrawWhole) {
    if (!UnderWine()) GTEST_SKIP() << "not under Wine";
    // The menu's entries, a range message with its hyphens, a tooltip's words.
    const std::wstring text =
        ui::Widen("科普变脸字色工具关于关闭设为取消开机启动 1901-02-19 ！将日期改变一下试试？");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    const std::string standIn = Replacements()["微软雅黑"];
    for (const LOGFONTW* font : {&metrics.lfMenuFont, &metrics.lfMessageFont, &metrics.lfStatusFont,
                                 &metrics.lfCaptionFont}) {
        const Resolved resolved = Resolve(*font, text);
        EXPECT_EQ(resolved.family, standIn) << ui::Narrow(font->lfFaceName);
        EXPECT_TRUE(resolved.hasAll) << resolved.family;
    }
    // The caption buttons are glyphs of Wine's Marlett; in another font they read "r", "0".
    LOGFONTW marlett{};
    marlett.lfHeight = -12;
    marlett.lfCharSet = SYMBOL_CHARSET;
    lstrcpyW(marlett.lfFaceName, L"Marlett");
    EXPECT_EQ(Resolve(marlett, L"r").family, "Marlett");
}

}  // namespace

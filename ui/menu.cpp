#include "ui/menu.h"

#include <vector>

#include "ui/dpi.h"
#include "ui/gdi.h"
#include "ui/resources.h"
#include "ui/text.h"

namespace ui {
namespace {

UniqueBitmap TopDownDib(int size, void** bits) {
    BITMAPINFO bi = TopDownBgraInfo(size, size);
    return UniqueBitmap(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, bits, nullptr, 0));
}

// Reads a bitmap's pixels as top-down 32-bit BGRA.
bool ReadPixels(HBITMAP bitmap, int size, std::vector<UINT32>& out) {
    BITMAPINFO bi = TopDownBgraInfo(size, size);
    out.assign(static_cast<size_t>(size) * size, 0);
    const WindowDc screen(nullptr);
    return GetDIBits(screen.get(), bitmap, 0, size, out.data(), &bi, DIB_RGB_COLORS) == size;
}

}  // namespace

UniqueBitmap IconBitmap(HICON icon, int size) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return {};
    UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
    std::vector<UINT32> pixels, maskPixels;
    if (!colour || !ReadPixels(colour.get(), size, pixels)) return {};
    bool hasAlpha = false;
    for (UINT32 p : pixels) hasAlpha = hasAlpha || (p >> 24) != 0;
    // Icons without an alpha channel take their transparency from the AND mask.
    if (!hasAlpha && (!mask || !ReadPixels(mask.get(), size, maskPixels))) return {};
    void* bits = nullptr;
    UniqueBitmap dib = TopDownDib(size, &bits);
    if (!dib) return {};
    auto* out = static_cast<UINT32*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i) {
        UINT32 p = pixels[i];
        UINT32 a = hasAlpha ? p >> 24 : ((maskPixels[i] & 0xFFFFFF) ? 0 : 255);
        UINT32 r = ((p >> 16) & 0xFF) * a / 255, g = ((p >> 8) & 0xFF) * a / 255,
               b = (p & 0xFF) * a / 255;
        out[i] = (a << 24) | (r << 16) | (g << 8) | b;
    }
    return dib;
}

void PopupMenu::Fill(HMENU menu, const std::vector<MenuItem>& items, UINT dpi,
                     std::vector<UniqueBitmap>& bitmaps) const {
    const int iconSize = Scale(16, dpi);
    UINT position = 0;
    for (const MenuItem& item : items) {
        std::wstring caption = Widen(item.caption);
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE | MIIM_STATE;
        mii.fType = item.radio ? MFT_STRING | MFT_RADIOCHECK : MFT_STRING;
        mii.fState = item.checked ? MFS_CHECKED : MFS_UNCHECKED;
        mii.wID = item.id;
        mii.dwTypeData = caption.data();
        if (!item.icon.empty()) {
            UniqueIcon icon = LoadIconByName(item.icon, iconSize);
            if (UniqueBitmap bitmap = IconBitmap(icon.get(), iconSize)) {
                mii.fMask |= MIIM_BITMAP;
                mii.hbmpItem = bitmap.get();
                bitmaps.push_back(std::move(bitmap));
            }
        }
        UniqueMenu sub(item.submenu.empty() ? nullptr : CreatePopupMenu());
        if (sub) {
            Fill(sub.get(), item.submenu, dpi, bitmaps);
            mii.fMask |= MIIM_SUBMENU;
            mii.hSubMenu = sub.get();
        }
        // Inserted, a submenu belongs to the menu and is destroyed with it.
        if (InsertMenuItemW(menu, position++, TRUE, &mii)) (void)sub.release();
    }
}

void PopupMenu::Build(const std::vector<MenuItem>& items, UINT dpi) {
    UniqueMenu menu(CreatePopupMenu());
    std::vector<UniqueBitmap> bitmaps;
    if (!menu) return;
    Fill(menu.get(), items, dpi, bitmaps);
    // The old menu goes before its bitmaps: a menu must not show a deleted bitmap.
    menu_ = std::move(menu);
    bitmaps_ = std::move(bitmaps);
}

}  // namespace ui

#pragma once
// Popup menus whose items carry an icon from the program's resources. The menu and the item
// bitmaps belong to this object; build it again after a DPI change so the icons stay sharp.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/unique.h"

namespace ui {

// Rows are written {id, icon, caption}, the options after them set by name where needed.
struct MenuItem {
    MenuItem(UINT id, std::string icon, std::string caption)
        : id(id), icon(std::move(icon)), caption(std::move(caption)) {}
    UINT id;
    std::string icon;  // icon resource name; empty or missing: no picture
    std::string caption;
    bool checked = false;
    bool radio = false;             // checked with a dot: one of a group that excludes the others
    std::vector<MenuItem> submenu;  // not empty: the item opens these and sends no command
};

class PopupMenu {
public:
    // Builds the items, submenus included (they go with the menu).
    void Build(const std::vector<MenuItem>& items, UINT dpi);
    HMENU handle() const { return menu_.get(); }

private:
    void Fill(HMENU menu, const std::vector<MenuItem>& items, UINT dpi,
              std::vector<UniqueBitmap>& bitmaps) const;

    UniqueMenu menu_;
    std::vector<UniqueBitmap> bitmaps_;
};

// A premultiplied 32-bit bitmap of the icon, as menus need for a picture with soft edges.
UniqueBitmap IconBitmap(HICON icon, int size);

}  // namespace ui

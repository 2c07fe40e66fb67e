#pragma once
// Popup menus whose items carry an icon from the program's resources. The menu and the item
// bitmaps belong to this object; build it again after a DPI change so the icons stay sharp.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/unique.h"

namespace ui {

struct MenuItem {
    UINT id;
    std::string icon;  // icon resource name; empty or missing: no picture
    std::string caption;
};

class PopupMenu {
public:
    void Build(const std::vector<MenuItem>& items, UINT dpi);
    HMENU handle() const { return menu_.get(); }

private:
    UniqueMenu menu_;
    std::vector<UniqueBitmap> bitmaps_;
};

// A premultiplied 32-bit bitmap of the icon, as menus need for a picture with soft edges.
UniqueBitmap IconBitmap(HICON icon, int size);

}  // namespace ui

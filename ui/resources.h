#pragma once
// Icons, sounds and pictures are looked up by name in the program's own module. A missing
// resource is not an error: the caller gets an empty handle and shows nothing for it.
#include <windows.h>

#include <string_view>

#include "ui/unique.h"

namespace ui {

// The module whose resources are used: the running executable (the test binary in tests).
HINSTANCE Module();

// The header of a 32-bit top-down BGRA bitmap, as icons and pictures are drawn and read here.
BITMAPINFO TopDownBgraInfo(int width, int height);

// An icon resource at exactly size × size pixels (the closest image, resampled if needed).
UniqueIcon LoadIconByName(std::string_view name, int size);

// Gives the window its big and small icons from one resource, sized for the window's DPI;
// the icons are kept in the two owners, which must outlive the window's use of them.
void SetWindowIcons(HWND hwnd, std::string_view name, int bigLogical, int smallLogical,
                    UniqueIcon& big, UniqueIcon& small);

}  // namespace ui

#pragma once
// The see-through properties of a layered window: the colour key that cuts out its
// background, a constant alpha that makes the rest fainter, and clicks passing through it.
#include <windows.h>

namespace ui {

// Makes the window layered if it is not, with the colour key and the constant alpha together
// (an alpha of 255 sets the colour key alone, as an opaque face always had it). False when the
// system refused.
bool SetLayeredLook(HWND hwnd, COLORREF colourKey, BYTE alpha);

// Clicks pass through the window to whatever lies below (a layered window that is also
// transparent to the mouse), or reach it again.
bool SetClickThrough(HWND hwnd, bool through);

}  // namespace ui

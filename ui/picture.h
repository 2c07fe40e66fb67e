#pragma once
// PNG pictures from RCDATA resources, decoded by GDI+ once and rendered to a plain GDI bitmap
// per size, so that a repaint is a single BitBlt. GDI+ must be running (GdiplusSession) while
// a Picture decodes or renders.
#include <windows.h>

#include <memory>
#include <string_view>

#include "ui/unique.h"

namespace Gdiplus {
class Bitmap;
}

namespace ui {

// GDI+ for the scope of the object: start-up creates one before the first window and keeps it
// until the message loop has ended.
class GdiplusSession {
    ULONG_PTR token_ = 0;
    bool ok_ = false;

public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool ok() const { return ok_; }
};

class Picture {
public:
    Picture();
    ~Picture();
    Picture(Picture&&) noexcept;
    Picture& operator=(Picture&&) noexcept;

    // Decodes the RCDATA resource; false (and an empty picture) when missing or unreadable.
    bool LoadResource(std::string_view name);
    bool empty() const { return !image_; }

    // Draws the picture stretched to rect, without keeping its aspect ratio, over a background
    // of the given colour. Pixels that are mostly transparent become exactly the background, the
    // others are opaque, so that a colour key cuts the picture's outline without a halo.
    void Draw(HDC dc, const RECT& rect, COLORREF background);

private:
    void Render(int width, int height, COLORREF background);

    std::unique_ptr<Gdiplus::Bitmap> image_;
    UniqueBitmap rendered_;
    int renderedWidth_ = 0;
    int renderedHeight_ = 0;
    COLORREF renderedBackground_ = 0;
};

}  // namespace ui

#include "ui/picture.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cstring>

#include "ui/gdi.h"
#include "ui/resources.h"
#include "ui/text.h"

namespace ui {

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
}

GdiplusSession::~GdiplusSession() {
    if (ok_) Gdiplus::GdiplusShutdown(token_);
}

Picture::Picture() = default;
Picture::~Picture() = default;
Picture::Picture(Picture&&) noexcept = default;
Picture& Picture::operator=(Picture&&) noexcept = default;

bool Picture::LoadResource(std::string_view name) {
    image_.reset();
    rendered_.reset();
    const std::wstring wide = Widen(name);
    HRSRC info = FindResourceW(Module(), wide.c_str(), RT_RCDATA);
    if (!info) return false;
    const DWORD size = SizeofResource(Module(), info);
    HGLOBAL data = ::LoadResource(Module(), info);
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes || size == 0) return false;
    // A stream over a private copy: resource memory is read-only and GDI+ may keep the stream.
    UniqueGlobal copy(GlobalAlloc(GMEM_MOVEABLE, size));
    void* target = copy ? GlobalLock(copy.get()) : nullptr;
    if (!target) return false;
    std::memcpy(target, bytes, size);
    GlobalUnlock(copy.get());
    UniqueCom<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(copy.get(), TRUE, stream.put()))) return false;
    copy.release();  // the stream frees it now
    std::unique_ptr<Gdiplus::Bitmap> bitmap(Gdiplus::Bitmap::FromStream(stream.get()));
    if (!bitmap || bitmap->GetLastStatus() != Gdiplus::Ok || bitmap->GetWidth() == 0) return false;
    // Decode now, detached from the stream, so that drawing never touches the resource again.
    image_.reset(bitmap->Clone(0, 0, static_cast<INT>(bitmap->GetWidth()),
                               static_cast<INT>(bitmap->GetHeight()), PixelFormat32bppARGB));
    if (image_ && image_->GetLastStatus() != Gdiplus::Ok) image_.reset();
    return image_ != nullptr;
}

void Picture::Render(int width, int height, COLORREF background) {
    rendered_.reset();
    renderedWidth_ = width;
    renderedHeight_ = height;
    renderedBackground_ = background;
    Gdiplus::Bitmap scaled(width, height, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics g(&scaled);
        g.Clear(Gdiplus::Color(0, 0, 0, 0));
        g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        Gdiplus::ImageAttributes clampEdges;
        clampEdges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
        g.DrawImage(image_.get(), Gdiplus::Rect(0, 0, width, height), 0, 0,
                    static_cast<INT>(image_->GetWidth()), static_cast<INT>(image_->GetHeight()),
                    Gdiplus::UnitPixel, &clampEdges);
    }
    BITMAPINFO bi = TopDownBgraInfo(width, height);
    void* bits = nullptr;
    UniqueBitmap dib(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits) return;
    Gdiplus::BitmapData data{};
    Gdiplus::Rect all(0, 0, width, height);
    if (scaled.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) !=
        Gdiplus::Ok)
        return;
    const BYTE keyR = GetRValue(background), keyG = GetGValue(background),
               keyB = GetBValue(background);
    auto* out = static_cast<UINT32*>(bits);
    for (int y = 0; y < height; ++y) {
        const auto* row =
            reinterpret_cast<const UINT32*>(static_cast<const BYTE*>(data.Scan0) + y * data.Stride);
        for (int x = 0; x < width; ++x) {
            const UINT32 argb = row[x];
            const UINT32 a = argb >> 24;
            UINT32 r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
            if (a < 128) {
                r = keyR, g = keyG, b = keyB;
            } else if (a < 255) {
                // Resampling softens the outline; compose it over the background but keep it
                // opaque.
                r = (r * a + keyR * (255 - a)) / 255;
                g = (g * a + keyG * (255 - a)) / 255;
                b = (b * a + keyB * (255 - a)) / 255;
            }
            out[y * width + x] = (r << 16) | (g << 8) | b;
        }
    }
    scaled.UnlockBits(&data);
    rendered_ = std::move(dib);
}

void Picture::Draw(HDC dc, const RECT& rect, COLORREF background) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (!image_ || width <= 0 || height <= 0) return;
    if (!rendered_ || width != renderedWidth_ || height != renderedHeight_ ||
        background != renderedBackground_)
        Render(width, height, background);
    if (!rendered_) return;
    const UniqueDc source(CreateCompatibleDC(dc));
    if (!source) return;
    const SelectedObject bitmap(source.get(), rendered_.get());
    BitBlt(dc, rect.left, rect.top, width, height, source.get(), 0, 0, SRCCOPY);
}

}  // namespace ui

#include "forms/win32/surface.h"

#include <algorithm>

#include "forms/win32/pictures.h"

namespace forms::win32 {

namespace {

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

}  // namespace

Surface::Surface() { dc_ = CreateCompatibleDC(nullptr); }

Surface::~Surface() {
    if (brush_) DeleteObject(brush_);
    if (oldBitmap_) SelectObject(dc_, oldBitmap_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
}

void Surface::Resize(int width, int height) {
    width = std::max({width, width_, 1});
    height = std::max({height, height_, 1});
    if (width == width_ && height == height_) return;
    HDC screen = GetDC(nullptr);
    HBITMAP bigger = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (!bigger) return;
    HDC copy = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(copy, bigger);
    Fill(copy, RECT{0, 0, width, height}, background_);
    if (const Win32Picture* base = PixelsOf(base_)) {
        // Only the new parts get the base picture; the old part keeps what
        // was painted over it.
        ExcludeClipRect(copy, 0, 0, width_, height_);
        base->Draw(copy, 0, 0, dpi_);
        SelectClipRgn(copy, nullptr);
    }
    if (bitmap_) BitBlt(copy, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
    SelectObject(copy, old);
    DeleteDC(copy);
    if (bitmap_) {
        SelectObject(dc_, oldBitmap_);
        DeleteObject(bitmap_);
    }
    bitmap_ = bigger;
    oldBitmap_ = SelectObject(dc_, bitmap_);
    width_ = width;
    height_ = height;
    Changed();
}

void Surface::Clear(COLORREF colour) {
    background_ = colour;
    if (bitmap_) Fill(dc_, RECT{0, 0, width_, height_}, colour);
    if (const Win32Picture* base = PixelsOf(base_); base && bitmap_) base->Draw(dc_, 0, 0, dpi_);
    Changed();
}

void Surface::Draw(const Win32Picture& picture, int x, int y) {
    if (!bitmap_) return;
    picture.Draw(dc_, x, y, dpi_);
    Changed();
}

void Surface::Paint(HDC dc, const RECT& area) const {
    const RECT inside{area.left, area.top, std::min<LONG>(area.right, width_),
                      std::min<LONG>(area.bottom, height_)};
    if (bitmap_ && inside.right > inside.left && inside.bottom > inside.top)
        BitBlt(dc, inside.left, inside.top, inside.right - inside.left,
               inside.bottom - inside.top, dc_, inside.left, inside.top, SRCCOPY);
    // Beyond the bitmap (a window larger than it could be made).
    if (area.right > width_) Fill(dc, RECT{std::max<LONG>(area.left, width_), area.top,
                                           area.right, area.bottom}, background_);
    if (area.bottom > height_) Fill(dc, RECT{area.left, std::max<LONG>(area.top, height_),
                                             std::min<LONG>(area.right, width_), area.bottom},
                                    background_);
}

void Surface::PaintClip(HDC dc) const {
    RECT area;
    if (GetClipBox(dc, &area) != ERROR) Paint(dc, area);
}

HBRUSH Surface::Brush() {
    if (brush_) return brush_;
    if (!bitmap_) {
        brush_ = CreateSolidBrush(background_);
        return brush_;
    }
    // The brush copies the bitmap, which must not be selected meanwhile.
    SelectObject(dc_, oldBitmap_);
    brush_ = CreatePatternBrush(bitmap_);
    SelectObject(dc_, bitmap_);
    if (!brush_) brush_ = CreateSolidBrush(background_);
    return brush_;
}

void Surface::Changed() {
    if (brush_) DeleteObject(brush_);
    brush_ = nullptr;
}

}  // namespace forms::win32

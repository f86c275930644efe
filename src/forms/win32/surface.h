// The persistent drawing surface of a form or picture box: a bitmap that
// holds the background colour and everything painted onto it, and from
// which the window repaints itself.
#pragma once

#include <windows.h>

#include "forms/types.h"
#include "forms/win32/text.h"

namespace forms::win32 {

class Win32Picture;

class Surface {
public:
    Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    ~Surface();

    // Makes room for at least width x height pixels. The surface only grows,
    // so that what was painted survives a window that shrinks and grows
    // again; new parts take the background colour.
    void Resize(int width, int height);
    // Fills the whole surface with colour, dropping what was painted.
    void Clear(COLORREF colour);
    // A picture that lies under everything painted, at the top-left corner
    // (a picture box's Picture): Clear draws it, and parts that Resize adds
    // show it too.
    void SetBase(const Picture& picture) { base_ = picture; }
    // The DPI of the window: pictures that scale are drawn at its scale.
    void SetDpi(const Dpi& dpi) { dpi_ = dpi; }
    void Draw(const Win32Picture& picture, int x, int y);
    // Copies the part of the surface under area (client coordinates) to dc;
    // what lies beyond the surface gets the background colour.
    void Paint(HDC dc, const RECT& area) const;
    // Copies what dc can show of the surface: its clip box, in client
    // coordinates. A see-through child window (a flat toolbar, a themed
    // control) asks its parent to paint into its own DC, moved so.
    void PaintClip(HDC dc) const;
    // A brush that paints the surface, aligned to the client area's origin
    // (set the DC's brush origin for windows placed elsewhere). Owned by the
    // surface and valid until the next change.
    HBRUSH Brush();
    COLORREF Background() const { return background_; }

private:
    void Changed();

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    COLORREF background_ = RGB(0xC0, 0xC0, 0xC0);
    Picture base_;
    Dpi dpi_;
    HBRUSH brush_ = nullptr;
};

}  // namespace forms::win32

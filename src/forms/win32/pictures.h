// Pictures of the win32 backend: loading picture files (bitmaps and icons
// through GDI and user32, everything else through the OLE picture loader,
// with WIC for what it cannot read), drawing them at their own size, and the
// shell's icons of files and folders.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstddef>
#include <optional>
#include <string>

#include "forms/types.h"
#include "forms/win32/libraries.h"
#include "forms/win32/text.h"

namespace forms::win32 {

// The pixels of a picture: an icon, an OLE picture (GIF, JPEG, metafiles and
// what else it reads) or a bitmap of our own (a bmp file, decoded by WIC, or
// drawn by us).
class Win32Picture : public PictureData {
public:
    Win32Picture() = default;
    Win32Picture(const Win32Picture&) = delete;
    Win32Picture& operator=(const Win32Picture&) = delete;
    ~Win32Picture() override;

    // Takes over the reference to picture.
    static std::shared_ptr<Win32Picture> FromOle(IPicture* picture, Dpi dpi);
    // Takes over icon.
    static std::shared_ptr<Win32Picture> FromIcon(HICON icon);
    // Takes over bitmap; with alpha, a 32-bit DIB with premultiplied alpha.
    static std::shared_ptr<Win32Picture> FromBitmap(HBITMAP bitmap, bool alpha);

    // Draws the picture at its own size with its top-left corner at (x, y);
    // icons and transparent GIFs keep what lies behind their clear parts.
    void Draw(HDC dc, int x, int y) const;
    // A new icon of the picture (for a window's title bar); the caller
    // destroys it with DestroyIcon.
    HICON MakeIcon() const;

private:
    IPicture* ole_ = nullptr;
    HICON icon_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    bool alpha_ = false;
};

// The win32 pixels of a picture, or null for an empty one.
const Win32Picture* PixelsOf(const Picture& picture);

// A 32-bit top-down DIB section of width x height; bits receives its pixels.
HBITMAP MakeDib(int width, int height, void** bits);

// A bitmap of the screen's format, filled with colour.
HBITMAP MakeFilledBitmap(int width, int height, COLORREF colour);

std::optional<Picture> LoadPictureFile(SystemLibraries& libraries, const std::string& path,
                                       Dpi dpi);
std::optional<Picture> LoadPictureBytes(SystemLibraries& libraries, const unsigned char* data,
                                        std::size_t size, Dpi dpi, std::string source);
// The shell's small or large icon of path, drawn on a square of background
// one pixel larger than the icon; nothing when the shell does not know path.
std::optional<Picture> ShellIconPicture(SystemLibraries& libraries, const std::string& path,
                                        bool small, Color background);

}  // namespace forms::win32

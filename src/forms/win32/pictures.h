// Pictures of the win32 backend: loading picture files (bitmaps and icons
// through GDI and user32, everything else through the OLE picture loader,
// with WIC for what it cannot read), drawing them at their own size, and the
// shell's icons of files and folders.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "forms/types.h"
#include "forms/win32/libraries.h"
#include "forms/win32/text.h"

namespace forms::win32 {

// The pixels of a picture: an icon, an OLE picture (GIF, JPEG, metafiles and
// what else it reads) or a bitmap of our own (a bmp file, decoded by WIC, or
// drawn by us).
//
// A picture that scales (an icon file, the programs' own artwork) is drawn
// at its size at 96 DPI (widthPixels x heightPixels) times the display's
// scale, from the drawing of it that is the nearest at or above that size
// (an icon file's images, a built-in picture's larger artwork), scaled down
// from there where no drawing has the size; any other picture (a photo, a
// background tile) keeps its pixels.
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
    // An icon file's picture (scaling): its image at 96 DPI is the first
    // one of the file (builtIn, the programs' artwork) or the one as wide
    // as the system's icons at 96 DPI (32), else the first, as the
    // system's picture loader takes it.
    static std::shared_ptr<Win32Picture> FromIconFile(const unsigned char* data, std::size_t size,
                                                      bool builtIn);

    // The programs' artwork scales; with larger drawings of it (its 150 %
    // and 200 % artwork), which it is drawn from where they fit better.
    // They are decoded when a size other than the picture's own is first
    // drawn: a display at 100 % never needs them (nor the decoders of their
    // format).
    void MakeScaling() { scales = true; }
    using LargerDrawings = std::function<std::vector<std::shared_ptr<Win32Picture>>()>;
    void AddLargerDrawingsLater(LargerDrawings decode) { pendingLarger_ = std::move(decode); }

    // The size the picture takes on a display of dpi.
    SIZE SizeAt(const Dpi& dpi) const;
    // Draws the picture at SizeAt(dpi) with its top-left corner at (x, y);
    // icons and transparent GIFs keep what lies behind their clear parts.
    void Draw(HDC dc, int x, int y, const Dpi& dpi) const;
    // A new icon of the picture (for a window's title bar); the caller
    // destroys it with DestroyIcon.
    HICON MakeIcon() const;

    // Draws the pixels this drawing holds, at their size.
    void DrawPixels(HDC dc, int x, int y) const;
    // The size of the pixels this drawing holds.
    SIZE PixelSize() const { return {pixelWidth_, pixelHeight_}; }

private:
    // The drawing of the picture at size, made on first use.
    const Win32Picture& DrawingAt(SIZE size) const;

    IPicture* ole_ = nullptr;
    HICON icon_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    bool alpha_ = false;
    int pixelWidth_ = 0;
    int pixelHeight_ = 0;
    // An icon file's bytes, for its images of other sizes.
    std::vector<unsigned char> iconFile_;
    mutable std::vector<std::shared_ptr<Win32Picture>> larger_;
    mutable LargerDrawings pendingLarger_;
    mutable std::map<std::pair<int, int>, std::shared_ptr<Win32Picture>> drawings_;
};

// The win32 pixels of a picture, or null for an empty one.
const Win32Picture* PixelsOf(const Picture& picture);

// A 32-bit top-down DIB section of width x height; bits receives its pixels.
HBITMAP MakeDib(int width, int height, void** bits);

// A bitmap of the screen's format, filled with colour.
HBITMAP MakeFilledBitmap(int width, int height, COLORREF colour);

std::optional<Picture> LoadPictureFile(SystemLibraries& libraries, const std::string& path,
                                       Dpi dpi);
// A picture of the bytes of a picture file; builtIn: the programs' artwork,
// which scales with the display (an icon file always does).
std::optional<Picture> LoadPictureBytes(SystemLibraries& libraries, const unsigned char* data,
                                        std::size_t size, Dpi dpi, std::string source,
                                        bool builtIn);
// A built-in picture with its larger drawings (Backend::LoadBuiltInPicture).
std::optional<Picture> LoadBuiltInDrawings(SystemLibraries& libraries,
                                           const std::vector<MemoryFile>& drawings, Dpi dpi);
// The shell's small or large icon of path at the size it takes at dpi (16
// or 32 pixels at 96 DPI), drawn on a square of background one pixel larger
// than the icon; nothing when the shell does not know path.
std::optional<Picture> ShellIconPicture(SystemLibraries& libraries, const std::string& path,
                                        bool small, Color background, const Dpi& dpi);

}  // namespace forms::win32

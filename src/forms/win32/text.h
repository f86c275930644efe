// Conversions between the model's UTF-8 strings and the UTF-16 strings of
// the Win32 API, and between twips and pixels of the screen.
#pragma once

#include <windows.h>

#include <string>

#include "forms/types.h"
#include "os/win32/wide.h"

namespace forms::win32 {

// The OS layer's conversions, which guard the sizes the Win32 functions take.
using os::win32::Narrow;
using os::win32::Widen;

// The text of a window, as UTF-8.
std::string WindowText(HWND hwnd);

// Offsets into the UTF-8 text of the model and into its UTF-16 form.
int Utf16Offset(const std::string& text, int utf8Offset);
int Utf8Offset(const std::wstring& text, int utf16Offset);

// Dots per inch of the screen (as GDI reports them, LOGPIXELSX/Y) or of the
// monitor a window is on.
struct Dpi {
    int x = 96;
    int y = 96;
    int PixelsX(Twips twips) const { return MulDiv(twips, x, 1440); }
    int PixelsY(Twips twips) const { return MulDiv(twips, y, 1440); }
    Twips TwipsX(int pixels) const { return MulDiv(pixels, 1440, x); }
    Twips TwipsY(int pixels) const { return MulDiv(pixels, 1440, y); }
    // A size in pixels at 96 DPI (the programs' artwork), at this one.
    int ScaleX(int pixels96) const { return MulDiv(pixels96, x, 96); }
    int ScaleY(int pixels96) const { return MulDiv(pixels96, y, 96); }
    bool operator==(const Dpi&) const = default;
    static Dpi OfScreen();
    // The DPI of the monitor window is on (Windows 10 and later tell it per
    // window); where Windows does not tell, the screen's.
    static Dpi OfWindow(HWND window);
};

}  // namespace forms::win32

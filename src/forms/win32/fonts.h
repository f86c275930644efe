// GDI fonts of the model's Font values (one HFONT per distinct font, kept
// until the cache goes) and text measurement in such a font.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "forms/backend.h"
#include "forms/types.h"
#include "forms/win32/text.h"

namespace forms::win32 {

class FontCache {
public:
    explicit FontCache(Dpi dpi) : dpi_(dpi) {}
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;
    ~FontCache();

    // The font for a model font at the DPI of the window that shows it; the
    // cache owns it.
    HFONT Get(const Font& font, const Dpi& dpi);

    // Size of text in font: one line per line break, or with wrapWidth > 0
    // broken at word boundaries within that width. "&" marks an access key
    // and takes no room, as in the labels that show the text.
    TextSize Measure(const Font& font, const std::string& text, Twips wrapWidth);

private:
    using Key = std::tuple<std::string, long, bool, int>;
    Dpi dpi_;
    std::map<Key, HFONT> fonts_;
    // One device context for all measuring, made on first use: every label
    // sized to its text measures, and a DC of the screen per measurement
    // would cost a trip to the window system each time.
    HDC measuring_ = nullptr;
};

}  // namespace forms::win32

#include "forms/win32/fonts.h"

#include <cmath>

namespace forms::win32 {

FontCache::~FontCache() {
    if (measuring_) DeleteDC(measuring_);
    for (auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT FontCache::Get(const Font& font, const Dpi& dpi) {
    // Sizes are kept to hundredths of a point, enough for 8.25 or 9.75.
    const Key key{font.Name, std::lround(font.Size * 100), font.Bold, dpi.y};
    if (auto found = fonts_.find(key); found != fonts_.end()) return found->second;
    const int height = -static_cast<int>(std::lround(font.Size * dpi.y / 72.0));
    HFONT handle = CreateFontW(height, 0, 0, 0, font.Bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                               FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                               DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                               Widen(font.Name).c_str());
    if (!handle) handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    else fonts_.emplace(key, handle);
    return handle;
}

TextSize FontCache::Measure(const Font& font, const std::string& text, Twips wrapWidth) {
    if (!measuring_) measuring_ = CreateCompatibleDC(nullptr);
    HDC dc = measuring_;
    HGDIOBJ old = SelectObject(dc, Get(font, dpi_));
    RECT rect{0, 0, wrapWidth > 0 ? dpi_.PixelsX(wrapWidth) : 0, 0};
    const std::wstring wide = Widen(text);
    UINT format = DT_CALCRECT | DT_EXPANDTABS | DT_NOCLIP;
    if (wrapWidth > 0) format |= DT_WORDBREAK;
    TextSize size;
    if (wide.empty()) {
        // An empty text still takes the height of one line.
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        size.height = dpi_.TwipsY(metrics.tmHeight);
    } else {
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, format);
        size.width = dpi_.TwipsX(rect.right - rect.left);
        size.height = dpi_.TwipsY(rect.bottom - rect.top);
    }
    SelectObject(dc, old);
    return size;
}

}  // namespace forms::win32

#include "forms/win32/image_lists.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "forms/win32/pictures.h"

namespace forms::win32 {

namespace {

// Draws picture centred onto a cell filled with colour.
void DrawOnto(HBITMAP cell, int width, int height, const Win32Picture* picture, COLORREF colour,
              const Dpi& dpi) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, cell);
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    if (picture) {
        const SIZE size = picture->SizeAt(dpi);
        picture->Draw(dc, (width - size.cx) / 2, (height - size.cy) / 2, dpi);
    }
    GdiFlush();
    SelectObject(dc, old);
    DeleteDC(dc);
}

// Adds one picture: drawn once on black and once on white, the two tell
// how much of each pixel the picture covers.
void AddPicture(HIMAGELIST list, int width, int height, const Win32Picture* picture,
                COLORREF background, const Dpi& dpi) {
    void *blackPixels = nullptr, *whitePixels = nullptr, *colourPixels = nullptr;
    HBITMAP black = MakeDib(width, height, &blackPixels);
    HBITMAP white = MakeDib(width, height, &whitePixels);
    HBITMAP colour = MakeDib(width, height, &colourPixels);
    const auto* onBlack = static_cast<const std::uint8_t*>(blackPixels);
    const auto* onWhite = static_cast<const std::uint8_t*>(whitePixels);
    auto* colourBits = static_cast<std::uint8_t*>(colourPixels);
    const int maskStride = (width + 15) / 16 * 2;  // rows of a monochrome bitmap are words
    std::vector<std::uint8_t> maskBits(static_cast<std::size_t>(maskStride * height), 0);
    if (black && white && colour) {
        DrawOnto(black, width, height, picture, RGB(0, 0, 0), dpi);
        DrawOnto(white, width, height, picture, RGB(0xFF, 0xFF, 0xFF), dpi);
        const std::uint8_t back[3] = {GetBValue(background), GetGValue(background),
                                      GetRValue(background)};
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::size_t at = static_cast<std::size_t>((y * width + x) * 4);
                bool clear = true;
                for (int channel = 0; channel < 3; ++channel) {
                    // What shows of the white behind the picture.
                    const int through = onWhite[at + channel] - onBlack[at + channel];
                    if (through < 0xFF) clear = false;
                    colourBits[at + channel] = static_cast<std::uint8_t>(
                        onBlack[at + channel] + (std::max(through, 0) * back[channel] + 127) / 255);
                }
                if (clear) {
                    colourBits[at] = colourBits[at + 1] = colourBits[at + 2] = 0;
                    colourBits[at + 3] = 0;
                    maskBits[static_cast<std::size_t>(y * maskStride + x / 8)] |=
                        static_cast<std::uint8_t>(0x80 >> (x % 8));
                } else {
                    colourBits[at + 3] = 0xFF;
                }
            }
        }
    }
    HBITMAP mask = CreateBitmap(width, height, 1, 1, maskBits.data());
    ImageList_Add(list, colour, mask);
    if (mask) DeleteObject(mask);
    if (colour) DeleteObject(colour);
    if (white) DeleteObject(white);
    if (black) DeleteObject(black);
}

}  // namespace

HIMAGELIST MakeImageList(const ImageList& images, COLORREF background, const Dpi& dpi) {
    const int width = dpi.ScaleX(images.ImageWidth());
    const int height = dpi.ScaleY(images.ImageHeight());
    if (width <= 0 || height <= 0) return nullptr;
    HIMAGELIST list = ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, images.Count(), 1);
    if (!list) return nullptr;
    for (const Picture& picture : images.Images())
        AddPicture(list, width, height, PixelsOf(picture), background, dpi);
    return list;
}

}  // namespace forms::win32

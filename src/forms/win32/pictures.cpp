#include "forms/win32/pictures.h"

#include <commctrl.h>
#include <objidl.h>
#include <shellapi.h>
#include <wincodec.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace forms::win32 {

namespace {

// IID_IImageList, which no import library of the toolchain holds.
constexpr IID kImageListInterface = {0x46eb5926, 0x582e, 0x4017,
                                     {0x9f, 0xdf, 0xe8, 0x99, 0x8d, 0xaa, 0x09, 0x50}};

// Releases a COM interface when it goes out of scope.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() {
        if (p_) p_->Release();
    }
    T** operator&() { return &p_; }
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    T* release() {
        T* p = p_;
        p_ = nullptr;
        return p;
    }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

// A stream over a copy of the bytes, for the OLE and WIC loaders.
bool NewStream(SystemLibraries& libraries, const unsigned char* data, std::size_t size,
               ComPtr<IStream>& out) {
    const auto createStream = libraries.CreateStreamOnHGlobal();
    if (!createStream) return false;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return false;
    if (void* bytes = GlobalLock(memory)) {
        std::memcpy(bytes, data, size);
        GlobalUnlock(memory);
    }
    if (FAILED(createStream(memory, TRUE, &out))) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

std::shared_ptr<Win32Picture> LoadWithOle(SystemLibraries& libraries, const unsigned char* data,
                                          std::size_t size, Dpi dpi) {
    const auto oleLoadPicture = libraries.OleLoadPicture();
    if (!oleLoadPicture) return nullptr;
    ComPtr<IStream> stream;
    if (!NewStream(libraries, data, size, stream)) return nullptr;
    IPicture* picture = nullptr;
    if (FAILED(oleLoadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(&picture))) ||
        !picture)
        return nullptr;
    return Win32Picture::FromOle(picture, dpi);
}

// PNG and whatever else the OLE loader refuses, decoded to premultiplied BGRA.
std::shared_ptr<Win32Picture> LoadWithWic(SystemLibraries& libraries, const unsigned char* data,
                                          std::size_t size) {
    const auto coCreateInstance = libraries.CoCreateInstance();
    const auto convert = libraries.WICConvertBitmapSource();
    if (!coCreateInstance || !convert) return nullptr;
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(coCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))))
        return nullptr;
    ComPtr<IStream> stream;
    if (!NewStream(libraries, data, size, stream)) return nullptr;
    ComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, &decoder)))
        return nullptr;
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, &frame))) return nullptr;
    ComPtr<IWICBitmapSource> converted;
    if (FAILED(convert(GUID_WICPixelFormat32bppPBGRA, frame.get(), &converted)))
        return nullptr;
    UINT width = 0, height = 0;
    if (FAILED(converted->GetSize(&width, &height)) || width == 0 || height == 0 ||
        width > 32767 || height > 32767)
        return nullptr;
    void* bits = nullptr;
    HBITMAP bitmap = MakeDib(static_cast<int>(width), static_cast<int>(height), &bits);
    if (!bitmap) return nullptr;
    const UINT stride = width * 4;
    if (FAILED(converted->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return Win32Picture::FromBitmap(bitmap, true);
}

std::uint16_t Word(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

std::uint32_t Dword(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// A bmp file (also RLE) through GDI alone, as the OLE loader makes it: a
// bitmap of the screen's format from the file's header, colours and bits.
// Null for what this does not check to be whole; the OLE loader then tries.
std::shared_ptr<Win32Picture> LoadBmp(const unsigned char* data, std::size_t size) {
    constexpr std::size_t kFileHeader = 14;
    if (size < kFileHeader + 12 || data[0] != 'B' || data[1] != 'M') return nullptr;
    const std::size_t bitsOffset = Dword(data + 10);
    const unsigned char* header = data + kFileHeader;
    const std::size_t headerSize = Dword(header);
    if (bitsOffset >= size || bitsOffset < kFileHeader + headerSize) return nullptr;
    std::uint64_t width = 0, height = 0;
    unsigned bitCount = 0;
    std::uint32_t compression = BI_RGB, colours = 0, imageSize = 0;
    std::size_t entrySize = 4;
    if (headerSize == sizeof(BITMAPCOREHEADER)) {
        width = Word(header + 4);
        height = Word(header + 6);
        bitCount = Word(header + 10);
        entrySize = 3;
    } else if (headerSize >= sizeof(BITMAPINFOHEADER) && headerSize <= 124) {
        const auto signedWidth = static_cast<std::int32_t>(Dword(header + 4));
        const auto signedHeight = static_cast<std::int32_t>(Dword(header + 8));
        if (signedWidth <= 0 || signedHeight == 0 || signedHeight == INT32_MIN) return nullptr;
        width = static_cast<std::uint64_t>(signedWidth);
        height = static_cast<std::uint64_t>(signedHeight < 0 ? -signedHeight : signedHeight);
        bitCount = Word(header + 14);
        compression = Dword(header + 16);
        imageSize = Dword(header + 20);
        colours = Dword(header + 32);
    } else {
        return nullptr;
    }
    if (width == 0 || height == 0 || width > 32767 || height > 32767) return nullptr;
    // The colour table (and the masks of BI_BITFIELDS) must lie before the bits.
    std::uint64_t tableEntries = colours;
    if (bitCount <= 8 && tableEntries == 0) tableEntries = 1u << bitCount;
    if (compression == BI_BITFIELDS && headerSize == sizeof(BITMAPINFOHEADER)) tableEntries += 3;
    if (tableEntries > 256 + 3 ||
        kFileHeader + headerSize + tableEntries * entrySize > bitsOffset)
        return nullptr;
    const std::uint64_t available = size - bitsOffset;
    switch (compression) {
    case BI_RGB:
    case BI_BITFIELDS: {
        if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
            bitCount != 32)
            return nullptr;
        if (compression == BI_BITFIELDS && bitCount != 16 && bitCount != 32) return nullptr;
        const std::uint64_t stride = (width * bitCount + 31) / 32 * 4;
        if (stride * height > available) return nullptr;
        break;
    }
    case BI_RLE8:
    case BI_RLE4:
        if (bitCount != (compression == BI_RLE8 ? 8u : 4u) || imageSize == 0 ||
            imageSize > available)
            return nullptr;
        break;
    default:
        return nullptr;
    }
    const auto* info = reinterpret_cast<const BITMAPINFO*>(header);
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, data + bitsOffset, info,
                                    DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (!bitmap) return nullptr;
    return Win32Picture::FromBitmap(bitmap, false);
}

// The images of an ico file: where each lies in the file and its size.
struct IconImage {
    std::size_t offset = 0;
    std::size_t bytes = 0;
    int width = 0;
    int height = 0;
};

std::vector<IconImage> IconImages(const unsigned char* data, std::size_t size) {
    constexpr std::size_t kDirectory = 6, kEntry = 16;
    std::vector<IconImage> images;
    if (size < kDirectory + kEntry || Word(data) != 0 || Word(data + 2) != 1) return images;
    const std::size_t count = Word(data + 4);
    if (count == 0 || kDirectory + count * kEntry > size) return images;
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char* entry = data + kDirectory + i * kEntry;
        IconImage image;
        image.bytes = Dword(entry + 8);
        image.offset = Dword(entry + 12);
        // A size byte of 0 stands for 256.
        image.width = entry[0] == 0 ? 256 : entry[0];
        image.height = entry[1] == 0 ? 256 : entry[1];
        if (image.bytes == 0 || image.offset > size || image.bytes > size - image.offset) return {};
        images.push_back(image);
    }
    return images;
}

HICON MakeIconOf(const std::vector<unsigned char>& file, const IconImage& image) {
    return CreateIconFromResourceEx(const_cast<unsigned char*>(file.data() + image.offset),
                                    static_cast<DWORD>(image.bytes), TRUE, 0x00030000, image.width,
                                    image.height, LR_DEFAULTCOLOR);
}

// The image of an icon file to draw at a width: the narrowest as wide or
// wider, else the widest.
const IconImage& NearestAtOrAbove(const std::vector<IconImage>& images, int width) {
    const IconImage* best = nullptr;
    for (const IconImage& image : images)
        if (image.width >= width && (!best || image.width < best->width)) best = &image;
    if (best) return *best;
    for (const IconImage& image : images)
        if (!best || image.width > best->width) best = &image;
    return *best;
}

// A picture drawn anew at size: drawn at its own size once on black and once
// on white, which tell how much of each pixel it covers, then each pixel of
// size averaged over the part of the drawing under it. A 32-bit DIB with
// premultiplied alpha, so that clear parts stay clear.
std::shared_ptr<Win32Picture> Resampled(const Win32Picture& source, SIZE from, SIZE to) {
    if (from.cx <= 0 || from.cy <= 0 || to.cx <= 0 || to.cy <= 0) return nullptr;
    auto drawOn = [&](COLORREF colour, void** bits) {
        HBITMAP dib = MakeDib(from.cx, from.cy, bits);
        if (!dib) return dib;
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, dib);
        HBRUSH brush = CreateSolidBrush(colour);
        const RECT all{0, 0, from.cx, from.cy};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        source.DrawPixels(dc, 0, 0);
        GdiFlush();
        SelectObject(dc, old);
        DeleteDC(dc);
        return dib;
    };
    void *blackBits = nullptr, *whiteBits = nullptr, *outBits = nullptr;
    HBITMAP black = drawOn(RGB(0, 0, 0), &blackBits);
    HBITMAP white = drawOn(RGB(0xFF, 0xFF, 0xFF), &whiteBits);
    HBITMAP out = MakeDib(to.cx, to.cy, &outBits);
    if (!black || !white || !out) {
        for (HBITMAP bitmap : {black, white, out})
            if (bitmap) DeleteObject(bitmap);
        return nullptr;
    }
    // Premultiplied colour and coverage of every source pixel.
    const auto* onBlack = static_cast<const std::uint8_t*>(blackBits);
    const auto* onWhite = static_cast<const std::uint8_t*>(whiteBits);
    std::vector<float> premultiplied(static_cast<std::size_t>(from.cx * from.cy * 4));
    for (std::size_t i = 0; i < premultiplied.size(); i += 4) {
        int through = 0;
        for (int c = 0; c < 3; ++c) {
            premultiplied[i + c] = onBlack[i + c];
            through += onWhite[i + c] - onBlack[i + c];
        }
        premultiplied[i + 3] = 255.0f - std::clamp(through / 3.0f, 0.0f, 255.0f);
    }
    auto* result = static_cast<std::uint8_t*>(outBits);
    const double scaleX = static_cast<double>(from.cx) / to.cx;
    const double scaleY = static_cast<double>(from.cy) / to.cy;
    for (int y = 0; y < to.cy; ++y) {
        const double top = y * scaleY, bottom = (y + 1) * scaleY;
        for (int x = 0; x < to.cx; ++x) {
            const double left = x * scaleX, right = (x + 1) * scaleX;
            double sum[4] = {0, 0, 0, 0};
            double weights = 0;
            for (int sy = static_cast<int>(top); sy < from.cy && sy < bottom; ++sy) {
                const double h = std::min<double>(bottom, sy + 1) - std::max<double>(top, sy);
                for (int sx = static_cast<int>(left); sx < from.cx && sx < right; ++sx) {
                    const double w = (std::min<double>(right, sx + 1) - std::max<double>(left, sx)) * h;
                    const std::size_t at = static_cast<std::size_t>((sy * from.cx + sx) * 4);
                    for (int c = 0; c < 4; ++c) sum[c] += premultiplied[at + c] * w;
                    weights += w;
                }
            }
            const std::size_t at = static_cast<std::size_t>((y * to.cx + x) * 4);
            for (int c = 0; c < 4; ++c)
                result[at + c] = static_cast<std::uint8_t>(
                    std::lround(std::clamp(weights > 0 ? sum[c] / weights : 0.0, 0.0, 255.0)));
            // Premultiplied colour never exceeds its coverage.
            for (int c = 0; c < 3; ++c) result[at + c] = std::min(result[at + c], result[at + 3]);
        }
    }
    DeleteObject(black);
    DeleteObject(white);
    return Win32Picture::FromBitmap(out, true);
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof info, &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {0, 0};
    SIZE size;
    if (info.hbmColor) {
        size = BitmapSize(info.hbmColor);
    } else {
        // A monochrome icon: the mask holds the AND and XOR halves one above the other.
        size = BitmapSize(info.hbmMask);
        size.cy /= 2;
    }
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return size;
}

}  // namespace

HBITMAP MakeDib(int width, int height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

Win32Picture::~Win32Picture() {
    if (ole_) ole_->Release();
    if (icon_) DestroyIcon(icon_);
    if (bitmap_) DeleteObject(bitmap_);
}

std::shared_ptr<Win32Picture> Win32Picture::FromOle(IPicture* picture, Dpi dpi) {
    auto result = std::make_shared<Win32Picture>();
    result->ole_ = picture;
    short type = PICTYPE_UNINITIALIZED;
    picture->get_Type(&type);
    OLE_HANDLE handle = 0;
    picture->get_Handle(&handle);
    SIZE size{0, 0};
    if (type == PICTYPE_BITMAP) {
        size = BitmapSize(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)));
    } else if (type == PICTYPE_ICON) {
        size = IconSize(reinterpret_cast<HICON>(static_cast<UINT_PTR>(handle)));
    } else {
        // Metafiles know their size only in HIMETRIC (1/100 mm).
        OLE_XSIZE_HIMETRIC width = 0;
        OLE_YSIZE_HIMETRIC height = 0;
        picture->get_Width(&width);
        picture->get_Height(&height);
        size = {MulDiv(width, dpi.x, 2540), MulDiv(height, dpi.y, 2540)};
    }
    if (size.cx <= 0 || size.cy <= 0) return nullptr;
    result->widthPixels = result->pixelWidth_ = size.cx;
    result->heightPixels = result->pixelHeight_ = size.cy;
    return result;
}

std::shared_ptr<Win32Picture> Win32Picture::FromIcon(HICON icon) {
    auto result = std::make_shared<Win32Picture>();
    result->icon_ = icon;
    const SIZE size = IconSize(icon);
    if (size.cx <= 0 || size.cy <= 0) return nullptr;
    result->widthPixels = result->pixelWidth_ = size.cx;
    result->heightPixels = result->pixelHeight_ = size.cy;
    return result;
}

std::shared_ptr<Win32Picture> Win32Picture::FromBitmap(HBITMAP bitmap, bool alpha) {
    auto result = std::make_shared<Win32Picture>();
    result->bitmap_ = bitmap;
    result->alpha_ = alpha;
    const SIZE size = BitmapSize(bitmap);
    result->widthPixels = result->pixelWidth_ = size.cx;
    result->heightPixels = result->pixelHeight_ = size.cy;
    return result;
}

std::shared_ptr<Win32Picture> Win32Picture::FromIconFile(const unsigned char* data, std::size_t size,
                                                         bool builtIn) {
    const std::vector<IconImage> images = IconImages(data, size);
    if (images.empty()) return nullptr;
    std::size_t chosen = 0;
    if (!builtIn) {
        // The system's icons are 32 pixels wide at 96 DPI.
        for (std::size_t i = 0; i < images.size(); ++i)
            if (images[i].width == 32) {
                chosen = i;
                break;
            }
    }
    std::vector<unsigned char> file(data, data + size);
    HICON icon = MakeIconOf(file, images[chosen]);
    if (!icon) return nullptr;
    auto result = FromIcon(icon);
    if (!result) return nullptr;
    result->iconFile_ = std::move(file);
    result->scales = true;
    return result;
}

SIZE Win32Picture::SizeAt(const Dpi& dpi) const {
    if (!scales) return PixelSize();
    return {dpi.ScaleX(widthPixels), dpi.ScaleY(heightPixels)};
}

void Win32Picture::Draw(HDC dc, int x, int y, const Dpi& dpi) const {
    const SIZE size = SizeAt(dpi);
    if (size.cx == pixelWidth_ && size.cy == pixelHeight_)
        DrawPixels(dc, x, y);
    else
        DrawingAt(size).DrawPixels(dc, x, y);
}

const Win32Picture& Win32Picture::DrawingAt(SIZE size) const {
    const auto key = std::make_pair(static_cast<int>(size.cx), static_cast<int>(size.cy));
    if (auto found = drawings_.find(key); found != drawings_.end()) return *found->second;
    const auto sameSize = [&](const Win32Picture& picture) {
        return picture.pixelWidth_ == size.cx && picture.pixelHeight_ == size.cy;
    };
    std::shared_ptr<Win32Picture> drawing;
    if (!iconFile_.empty()) {
        // The icon file's image nearest at or above the size.
        const std::vector<IconImage> images = IconImages(iconFile_.data(), iconFile_.size());
        HICON icon = images.empty() ? nullptr
                                    : MakeIconOf(iconFile_, NearestAtOrAbove(images, size.cx));
        if (std::shared_ptr<Win32Picture> start = icon ? FromIcon(icon) : nullptr)
            drawing = sameSize(*start) ? start : Resampled(*start, start->PixelSize(), size);
    } else {
        // This drawing or its larger artwork: the narrowest at least as wide
        // as the size, else the widest.
        const auto better = [&](const Win32Picture& a, const Win32Picture& b) {
            const bool aFits = a.pixelWidth_ >= size.cx;
            const bool bFits = b.pixelWidth_ >= size.cx;
            if (aFits != bFits) return aFits;
            return aFits ? a.pixelWidth_ < b.pixelWidth_ : a.pixelWidth_ > b.pixelWidth_;
        };
        if (pendingLarger_) {
            for (auto& larger : pendingLarger_())
                if (larger) larger_.push_back(std::move(larger));
            pendingLarger_ = nullptr;
        }
        std::shared_ptr<Win32Picture> chosen;
        for (const auto& larger : larger_)
            if (better(*larger, chosen ? *chosen : *this)) chosen = larger;
        if (chosen && sameSize(*chosen))
            drawing = chosen;
        else
            drawing = Resampled(chosen ? *chosen : *this, (chosen ? *chosen : *this).PixelSize(), size);
    }
    if (!drawing) {
        // Nothing to draw from: a clear drawing of the size keeps layouts whole.
        void* bits = nullptr;
        drawing = FromBitmap(MakeDib(size.cx, size.cy, &bits), true);
    }
    return *drawings_.emplace(key, std::move(drawing)).first->second;
}

void Win32Picture::DrawPixels(HDC dc, int x, int y) const {
    if (ole_) {
        OLE_XSIZE_HIMETRIC width = 0;
        OLE_YSIZE_HIMETRIC height = 0;
        ole_->get_Width(&width);
        ole_->get_Height(&height);
        // Source rectangles run bottom-up in HIMETRIC.
        ole_->Render(dc, x, y, pixelWidth_, pixelHeight_, 0, height, width, -height, nullptr);
        return;
    }
    if (icon_) {
        // As the OLE picture draws an icon.
        DrawIconEx(dc, x, y, icon_, pixelWidth_, pixelHeight_, 0, nullptr, DI_NORMAL);
        return;
    }
    if (!bitmap_) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap_);
    if (alpha_) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(dc, x, y, pixelWidth_, pixelHeight_, source, 0, 0, pixelWidth_,
                      pixelHeight_, blend);
    } else {
        BitBlt(dc, x, y, pixelWidth_, pixelHeight_, source, 0, 0, SRCCOPY);
    }
    SelectObject(source, old);
    DeleteDC(source);
}

HICON Win32Picture::MakeIcon() const {
    if (icon_) return CopyIcon(icon_);
    if (ole_) {
        short type = PICTYPE_UNINITIALIZED;
        ole_->get_Type(&type);
        OLE_HANDLE handle = 0;
        if (type == PICTYPE_ICON && SUCCEEDED(ole_->get_Handle(&handle)))
            return CopyIcon(reinterpret_cast<HICON>(static_cast<UINT_PTR>(handle)));
    }
    // Any other picture becomes an opaque icon of its own size.
    HBITMAP colour = MakeFilledBitmap(pixelWidth_, pixelHeight_, GetSysColor(COLOR_BTNFACE));
    if (!colour) return nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, colour);
    DrawPixels(dc, 0, 0);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    HBITMAP mask = CreateBitmap(pixelWidth_, pixelHeight_, 1, 1, nullptr);
    HDC maskDc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldMask = SelectObject(maskDc, mask);
    PatBlt(maskDc, 0, 0, pixelWidth_, pixelHeight_, BLACKNESS);
    SelectObject(maskDc, oldMask);
    DeleteDC(maskDc);
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

const Win32Picture* PixelsOf(const Picture& picture) {
    return dynamic_cast<const Win32Picture*>(picture.Data());
}

HBITMAP MakeFilledBitmap(int width, int height, COLORREF colour) {
    if (width <= 0 || height <= 0) return nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    if (bitmap) {
        HDC dc = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(dc, bitmap);
        HBRUSH brush = CreateSolidBrush(colour);
        const RECT rect{0, 0, width, height};
        FillRect(dc, &rect, brush);
        DeleteObject(brush);
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    ReleaseDC(nullptr, screen);
    return bitmap;
}

std::optional<Picture> LoadPictureFile(SystemLibraries& libraries, const std::string& path,
                                       Dpi dpi) {
    // A folder cannot be opened this way, so it reads as no picture.
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<unsigned char> bytes;
    LARGE_INTEGER size{};
    constexpr LONGLONG kLargest = 256LL << 20;
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart <= kLargest) {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
            read = 0;
        bytes.resize(read);
    }
    CloseHandle(file);
    if (bytes.empty()) return std::nullopt;
    return LoadPictureBytes(libraries, bytes.data(), bytes.size(), dpi, "file:" + path, false);
}

namespace {

std::shared_ptr<Win32Picture> Decode(SystemLibraries& libraries, const unsigned char* data,
                                     std::size_t size, Dpi dpi, bool builtIn) {
    if (!data || size == 0 || size > 0x7fffffff) return nullptr;
    // Bitmaps and icons need neither OLE nor WIC.
    std::shared_ptr<Win32Picture> picture = LoadBmp(data, size);
    if (!picture) picture = Win32Picture::FromIconFile(data, size, builtIn);
    if (!picture) picture = LoadWithOle(libraries, data, size, dpi);
    if (!picture) picture = LoadWithWic(libraries, data, size);
    if (picture && builtIn) picture->MakeScaling();
    return picture;
}

}  // namespace

std::optional<Picture> LoadPictureBytes(SystemLibraries& libraries, const unsigned char* data,
                                        std::size_t size, Dpi dpi, std::string source,
                                        bool builtIn) {
    std::shared_ptr<Win32Picture> picture = Decode(libraries, data, size, dpi, builtIn);
    if (!picture) return std::nullopt;
    picture->source = std::move(source);
    return Picture(std::move(picture));
}

std::optional<Picture> LoadBuiltInDrawings(SystemLibraries& libraries,
                                           const std::vector<MemoryFile>& drawings, Dpi dpi) {
    if (drawings.empty()) return std::nullopt;
    std::shared_ptr<Win32Picture> picture =
        Decode(libraries, drawings[0].data, drawings[0].size, dpi, true);
    if (!picture) return std::nullopt;
    // The built-in drawings' bytes are the program's own and stay; the
    // libraries live as long as the backend, which outlives its pictures.
    std::vector<MemoryFile> larger(drawings.begin() + 1, drawings.end());
    if (!larger.empty())
        picture->AddLargerDrawingsLater([&libraries, larger, dpi] {
            std::vector<std::shared_ptr<Win32Picture>> decoded;
            for (const MemoryFile& drawing : larger)
                decoded.push_back(Decode(libraries, drawing.data, drawing.size, dpi, false));
            return decoded;
        });
    picture->source = "memory";
    return Picture(std::move(picture));
}

std::optional<Picture> ShellIconPicture(SystemLibraries& libraries, const std::string& path,
                                        bool small, Color background, const Dpi& dpi) {
    const auto getFileInfo = libraries.SHGetFileInfoW();
    if (!getFileInfo) return std::nullopt;
    SHFILEINFOW info{};
    const UINT flags =
        SHGFI_SYSICONINDEX | SHGFI_SHELLICONSIZE | (small ? SHGFI_SMALLICON : 0);
    auto list = reinterpret_cast<HIMAGELIST>(
        getFileInfo(Widen(path).c_str(), 0, &info, sizeof info, flags));
    if (!list) return std::nullopt;
    int width = 0, height = 0;
    if (!ImageList_GetIconSize(list, &width, &height) || width <= 0 || height <= 0)
        return std::nullopt;
    // The size the icon takes at this DPI. Where the list of its kind has
    // another size, the system's list nearest at or above it gives the icon
    // (small, large, extra large, jumbo), scaled down where it is larger.
    const int need = dpi.ScaleX(small ? 16 : 32);
    std::shared_ptr<Win32Picture> scaled;
    if (width != need) {
        const auto getImageList = libraries.SHGetImageList();
        HIMAGELIST best = nullptr;
        int bestSize = 0;
        for (const int kind : {SHIL_SMALL, SHIL_LARGE, SHIL_EXTRALARGE, SHIL_JUMBO}) {
            HIMAGELIST candidate = nullptr;
            int w = 0, h = 0;
            if (!getImageList ||
                FAILED(getImageList(kind, kImageListInterface, reinterpret_cast<void**>(&candidate))) ||
                !candidate || !ImageList_GetIconSize(candidate, &w, &h) || w <= 0)
                continue;
            const bool fits = w >= need, bestFits = bestSize >= need;
            if (!best || (fits && (!bestFits || w < bestSize)) || (!fits && !bestFits && w > bestSize)) {
                best = candidate;
                bestSize = w;
            }
        }
        if (best) {
            HICON icon = ImageList_GetIcon(best, info.iIcon, ILD_TRANSPARENT);
            if (std::shared_ptr<Win32Picture> start = icon ? Win32Picture::FromIcon(icon) : nullptr)
                scaled = start->PixelSize().cx == need
                             ? start
                             : Resampled(*start, start->PixelSize(), SIZE{need, need});
        }
        if (scaled) width = height = need;
    }
    HBITMAP bitmap = MakeFilledBitmap(width + 1, height + 1, background);
    if (!bitmap) return std::nullopt;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    BOOL drawn = TRUE;
    if (scaled)
        scaled->DrawPixels(dc, 0, 0);
    else
        drawn = ImageList_Draw(list, info.iIcon, dc, 0, 0, ILD_TRANSPARENT);
    SelectObject(dc, old);
    DeleteDC(dc);
    if (!drawn) {
        DeleteObject(bitmap);
        return std::nullopt;
    }
    auto picture = Win32Picture::FromBitmap(bitmap, false);
    picture->source = (small ? "shell-small:" : "shell-large:") + path;
    return Picture(std::move(picture));
}

}  // namespace forms::win32

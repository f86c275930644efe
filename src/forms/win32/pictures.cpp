#include "forms/win32/pictures.h"

#include <commctrl.h>
#include <objidl.h>
#include <shellapi.h>
#include <wincodec.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace forms::win32 {

namespace {

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

// An ico file through user32 alone, with the entry the OLE loader takes:
// the one as wide as the system's icons, else the first.
std::shared_ptr<Win32Picture> LoadIco(const unsigned char* data, std::size_t size) {
    constexpr std::size_t kDirectory = 6, kEntry = 16;
    if (size < kDirectory + kEntry || Word(data) != 0 || Word(data + 2) != 1) return nullptr;
    const std::size_t count = Word(data + 4);
    if (count == 0 || kDirectory + count * kEntry > size) return nullptr;
    std::size_t chosen = 0;
    if (count != 1) {
        const int systemWidth = GetSystemMetrics(SM_CXICON);
        for (std::size_t i = 0; i < count; ++i) {
            if (data[kDirectory + i * kEntry] == systemWidth) {
                chosen = i;
                break;
            }
        }
    }
    const unsigned char* entry = data + kDirectory + chosen * kEntry;
    const std::uint64_t bytes = Dword(entry + 8);
    const std::uint64_t offset = Dword(entry + 12);
    if (bytes == 0 || offset + bytes > size) return nullptr;
    HICON icon = CreateIconFromResourceEx(const_cast<unsigned char*>(data + offset),
                                          static_cast<DWORD>(bytes), TRUE, 0x00030000, entry[0],
                                          entry[1], LR_DEFAULTCOLOR);
    if (!icon) return nullptr;
    return Win32Picture::FromIcon(icon);
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
    result->widthPixels = size.cx;
    result->heightPixels = size.cy;
    return result;
}

std::shared_ptr<Win32Picture> Win32Picture::FromIcon(HICON icon) {
    auto result = std::make_shared<Win32Picture>();
    result->icon_ = icon;
    const SIZE size = IconSize(icon);
    if (size.cx <= 0 || size.cy <= 0) return nullptr;
    result->widthPixels = size.cx;
    result->heightPixels = size.cy;
    return result;
}

std::shared_ptr<Win32Picture> Win32Picture::FromBitmap(HBITMAP bitmap, bool alpha) {
    auto result = std::make_shared<Win32Picture>();
    result->bitmap_ = bitmap;
    result->alpha_ = alpha;
    const SIZE size = BitmapSize(bitmap);
    result->widthPixels = size.cx;
    result->heightPixels = size.cy;
    return result;
}

void Win32Picture::Draw(HDC dc, int x, int y) const {
    if (ole_) {
        OLE_XSIZE_HIMETRIC width = 0;
        OLE_YSIZE_HIMETRIC height = 0;
        ole_->get_Width(&width);
        ole_->get_Height(&height);
        // Source rectangles run bottom-up in HIMETRIC.
        ole_->Render(dc, x, y, widthPixels, heightPixels, 0, height, width, -height, nullptr);
        return;
    }
    if (icon_) {
        // As the OLE picture draws an icon.
        DrawIconEx(dc, x, y, icon_, widthPixels, heightPixels, 0, nullptr, DI_NORMAL);
        return;
    }
    if (!bitmap_) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap_);
    if (alpha_) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(dc, x, y, widthPixels, heightPixels, source, 0, 0, widthPixels,
                      heightPixels, blend);
    } else {
        BitBlt(dc, x, y, widthPixels, heightPixels, source, 0, 0, SRCCOPY);
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
    HBITMAP colour = MakeFilledBitmap(widthPixels, heightPixels, GetSysColor(COLOR_BTNFACE));
    if (!colour) return nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, colour);
    Draw(dc, 0, 0);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    HBITMAP mask = CreateBitmap(widthPixels, heightPixels, 1, 1, nullptr);
    HDC maskDc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldMask = SelectObject(maskDc, mask);
    PatBlt(maskDc, 0, 0, widthPixels, heightPixels, BLACKNESS);
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
    return LoadPictureBytes(libraries, bytes.data(), bytes.size(), dpi, "file:" + path);
}

std::optional<Picture> LoadPictureBytes(SystemLibraries& libraries, const unsigned char* data,
                                        std::size_t size, Dpi dpi, std::string source) {
    if (!data || size == 0 || size > 0x7fffffff) return std::nullopt;
    // Bitmaps and icons need neither OLE nor WIC.
    std::shared_ptr<Win32Picture> picture = LoadBmp(data, size);
    if (!picture) picture = LoadIco(data, size);
    if (!picture) picture = LoadWithOle(libraries, data, size, dpi);
    if (!picture) picture = LoadWithWic(libraries, data, size);
    if (!picture) return std::nullopt;
    picture->source = std::move(source);
    return Picture(std::move(picture));
}

std::optional<Picture> ShellIconPicture(SystemLibraries& libraries, const std::string& path,
                                        bool small, Color background) {
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
    HBITMAP bitmap = MakeFilledBitmap(width + 1, height + 1, background);
    if (!bitmap) return std::nullopt;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const BOOL drawn = ImageList_Draw(list, info.iIcon, dc, 0, 0, ILD_TRANSPARENT);
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

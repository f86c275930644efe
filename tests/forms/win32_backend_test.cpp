// Checks of the win32 backend that only make sense with real windows: sizes
// in pixels, window classes and styles, painting, pictures and the loops.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "forms/driver.h"
#include "forms/message_recorder.h"
#include "forms/win32/backend.h"
#include "forms/win32/combo_box.h"
#include "forms/win32/status_bar.h"
#include "forms/win32/tab_control.h"
#include "forms/win32/toolbar.h"
#include "forms/win32/tree_view.h"
#include "support/temp_folder.h"

namespace forms {
namespace {

using Bytes = std::vector<unsigned char>;

void Put16(Bytes& out, unsigned value) {
    out.push_back(static_cast<unsigned char>(value));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutInfoHeader(Bytes& out, int width, int height, int bits, std::uint32_t compression,
                   std::uint32_t imageSize, std::uint32_t colours) {
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bits));
    Put32(out, compression);
    Put32(out, imageSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, colours);
    Put32(out, 0);
}

Bytes BitmapFile(const Bytes& info, const Bytes& pixels, std::uint32_t paletteBytes) {
    Bytes out{'B', 'M'};
    const auto offset = static_cast<std::uint32_t>(14 + info.size() + paletteBytes);
    Put32(out, offset + static_cast<std::uint32_t>(pixels.size()));
    Put32(out, 0);
    Put32(out, offset);
    out.insert(out.end(), info.begin(), info.end());
    return out;
}

// A 24-bit bitmap of width x height in one colour.
Bytes MakeBmp(int width, int height, COLORREF colour) {
    const int stride = (width * 3 + 3) / 4 * 4;
    Bytes pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(GetBValue(colour));
            pixels.push_back(GetGValue(colour));
            pixels.push_back(GetRValue(colour));
        }
        pixels.resize(static_cast<std::size_t>(stride * (y + 1)), 0);
    }
    Bytes info;
    PutInfoHeader(info, width, height, 24, BI_RGB, static_cast<std::uint32_t>(pixels.size()), 0);
    Bytes file = BitmapFile(info, pixels, 0);
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

// An 8-bit run-length encoded bitmap: one run per row, then end of bitmap.
Bytes MakeRle8Bmp(int width, int height) {
    Bytes runs;
    for (int y = 0; y < height; ++y) {
        runs.push_back(static_cast<unsigned char>(width));
        runs.push_back(static_cast<unsigned char>(y % 2));
        runs.insert(runs.end(), {0, 0});
    }
    runs.back() = 1;  // the last end of line becomes end of bitmap
    Bytes info;
    PutInfoHeader(info, width, height, 8, BI_RLE8, static_cast<std::uint32_t>(runs.size()), 2);
    Bytes file = BitmapFile(info, runs, 8);
    const unsigned char palette[8] = {0, 0, 0xFF, 0, 0xFF, 0, 0, 0};
    file.insert(file.end(), palette, palette + 8);
    file.insert(file.end(), runs.begin(), runs.end());
    return file;
}

// A GIF of width x height in two colours. Its LZW data sends a clear code
// before every second pixel, so that every code stays three bits wide.
Bytes MakeGif(int width, int height) {
    Bytes out{'G', 'I', 'F', '8', '9', 'a'};
    Put16(out, static_cast<unsigned>(width));
    Put16(out, static_cast<unsigned>(height));
    out.insert(out.end(), {0x80, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, ','});
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, static_cast<unsigned>(width));
    Put16(out, static_cast<unsigned>(height));
    out.push_back(0);  // no local colour table, not interlaced
    out.push_back(2);  // LZW minimum code size
    std::vector<unsigned> codes;
    for (int i = 0; i < width * height; ++i) {
        if (i % 2 == 0) codes.push_back(4);  // clear
        codes.push_back(static_cast<unsigned>(i % 2));
    }
    codes.push_back(5);  // end of information
    Bytes data;
    unsigned buffer = 0, bits = 0;
    for (unsigned code : codes) {
        buffer |= code << bits;
        bits += 3;
        while (bits >= 8) {
            data.push_back(static_cast<unsigned char>(buffer));
            buffer >>= 8;
            bits -= 8;
        }
    }
    if (bits > 0) data.push_back(static_cast<unsigned char>(buffer));
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t size = std::min<std::size_t>(255, data.size() - at);
        out.push_back(static_cast<unsigned char>(size));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                   data.begin() + static_cast<std::ptrdiff_t>(at + size));
    }
    out.insert(out.end(), {0, ';'});
    return out;
}

// One 32-bit image of an ico file: opaque in its colour (0x00BBGGRR, to
// tell from the screen which image a control draws), with leftClear its
// left half clear (alpha and mask).
struct IcoImage {
    int size;
    COLORREF colour = RGB(0xFF, 0, 0);
    bool leftClear = false;
};

// An ico file of the images, in that order.
Bytes MakeIcoFile(const std::vector<IcoImage>& images) {
    Bytes directory, bits;
    Put16(directory, 0);
    Put16(directory, 1);
    Put16(directory, static_cast<unsigned>(images.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const IcoImage& image : images) {
        const int size = image.size;
        const int maskStride = (size + 31) / 32 * 4;
        const auto imageSize = static_cast<std::uint32_t>(40 + size * size * 4 + maskStride * size);
        const auto side = static_cast<unsigned char>(size);
        directory.insert(directory.end(), {side, side, 0, 0});
        Put16(directory, 1);
        Put16(directory, 32);
        Put32(directory, imageSize);
        Put32(directory, offset);
        offset += imageSize;
        PutInfoHeader(bits, size, size * 2, 32, BI_RGB, 0, 0);
        const COLORREF colour = image.colour;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const bool clear = image.leftClear && x < size / 2;
                const auto alpha = static_cast<unsigned char>(clear ? 0 : 0xFF);
                bits.insert(bits.end(),
                            {GetBValue(colour), GetGValue(colour), GetRValue(colour), alpha});
            }
        for (int y = 0; y < size; ++y)
            for (int b = 0; b < maskStride; ++b) {
                unsigned char mask = 0;
                for (int bit = 0; bit < 8; ++bit)
                    if (image.leftClear && b * 8 + bit < size / 2)
                        mask |= static_cast<unsigned char>(0x80 >> bit);
                bits.push_back(mask);
            }
    }
    directory.insert(directory.end(), bits.begin(), bits.end());
    return directory;
}

// An ico file with one red image per size, in that order.
Bytes MakeIcoOfSizes(const std::vector<int>& sizes, bool leftClear) {
    std::vector<IcoImage> images;
    for (int size : sizes) images.push_back({size, RGB(0xFF, 0, 0), leftClear});
    return MakeIcoFile(images);
}

// A 32-bit icon of size x size, opaque red.
Bytes MakeIco(int size) { return MakeIcoFile({{size}}); }

class Win32BackendTest : public ::testing::Test {
protected:
    // Writes a file into the test folder; returns its path as UTF-8.
    std::string WriteFile(const std::string& name, const Bytes& bytes) {
        return folder_.WriteFile(name, std::string(bytes.begin(), bytes.end()));
    }
    std::string Folder() const { return test_support::Utf8(folder_.Path()); }
    int Dpi() const {
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        return dpi;
    }
    // Paints everything that waits for painting.
    void PaintNow(Form& form) {
        form.Refresh();
        driver->PumpUntil([] { return false; }, 0);
    }
    // Handles messages until none waits and no window waits to be painted.
    bool Settle() { return driver->PumpUntil(&testing::QueueSettled, 5000); }

    std::unique_ptr<testing::Driver> driver = testing::MakeDriver();
    Application app{driver->GetBackend()};
    test_support::TempFolder folder_;
};

HWND Handle(const Control& control) { return reinterpret_cast<HWND>(control.NativeHandle()); }

std::wstring ClassOf(const Control& control) {
    wchar_t name[64] = {};
    GetClassNameW(Handle(control), name, 64);
    return name;
}

TEST_F(Win32BackendTest, FormSizesArePixelsOfTheScreensDpi) {
    if (Dpi() != 96) GTEST_SKIP() << "the screen is not at 96 DPI";
    EXPECT_EQ(app.TwipsPerPixelX(), 15);
    Form form(app);
    form.SetBorderStyle(BorderStyle::FixedSingle);
    form.SetMaxButton(false);
    form.SetClientSize(9525, 4080);
    form.Move(1500, 1500, form.Width(), form.Height());
    form.Show();

    RECT client, outer;
    GetClientRect(Handle(form), &client);
    GetWindowRect(Handle(form), &outer);
    EXPECT_EQ(client.right, 635);
    EXPECT_EQ(client.bottom, 272);
    EXPECT_EQ((outer.right - outer.left) * 15, form.Width());
    EXPECT_EQ((outer.bottom - outer.top) * 15, form.Height());
    EXPECT_EQ(form.ScaleWidth(), 9525);
    EXPECT_EQ(form.ScaleHeight(), 4080);
    EXPECT_EQ(GetWindowLongPtrW(Handle(form), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);

    Label label(form);
    label.Move(240, 2640, 9255, 735);
    RECT bounds;
    GetWindowRect(Handle(label), &bounds);
    MapWindowPoints(nullptr, Handle(form), reinterpret_cast<POINT*>(&bounds), 2);
    EXPECT_EQ(bounds.left, 16);
    EXPECT_EQ(bounds.top, 176);
    EXPECT_EQ(bounds.right - bounds.left, 617);
    EXPECT_EQ(bounds.bottom - bounds.top, 49);
}

TEST_F(Win32BackendTest, BorderStylesWithoutTitleBarOrTaskBarButton) {
    Form wait(app);
    wait.SetBorderStyle(BorderStyle::FixedDialog);
    wait.SetTitleBar(false);
    wait.SetShowInTaskbar(false);
    wait.SetClientSize(3405, 1440);
    wait.Show();
    RECT client, outer;
    GetClientRect(Handle(wait), &client);
    GetWindowRect(Handle(wait), &outer);
    // A frame but no caption.
    EXPECT_GT(outer.bottom - outer.top, client.bottom);
    EXPECT_LT(outer.bottom - outer.top - client.bottom, GetSystemMetrics(SM_CYCAPTION));
    // Owned windows get no task bar button.
    EXPECT_NE(GetWindow(Handle(wait), GW_OWNER), nullptr);

    Form splash(app);
    splash.SetBorderStyle(BorderStyle::None);
    splash.SetClientSize(6975, 1515);
    splash.Show();
    GetClientRect(Handle(splash), &client);
    GetWindowRect(Handle(splash), &outer);
    EXPECT_EQ(outer.right - outer.left, client.right);
    EXPECT_EQ(outer.bottom - outer.top, client.bottom);
    EXPECT_EQ(GetWindow(Handle(splash), GW_OWNER), nullptr);
}

TEST_F(Win32BackendTest, ControlsAreWindowsOfTheStandardClasses) {
    Form form(app);
    Label label(form);
    CommandButton button(form);
    TextBox text(form);
    PictureBox picture(form);
    Timer timer(form);
    form.Load();
    form.RealiseControls();  // the controls' windows, the form still hidden

    EXPECT_EQ(_wcsicmp(ClassOf(label).c_str(), L"Static"), 0);
    EXPECT_EQ(_wcsicmp(ClassOf(button).c_str(), L"Button"), 0);
    EXPECT_EQ(_wcsicmp(ClassOf(text).c_str(), L"Edit"), 0);
    EXPECT_EQ(GetParent(Handle(picture)), Handle(form));
    EXPECT_EQ(timer.NativeHandle(), 0u);
    // Labels report clicks and take no focus; the others are tab stops.
    EXPECT_NE(GetWindowLongPtrW(Handle(label), GWL_STYLE) & SS_NOTIFY, 0);
    EXPECT_EQ(GetWindowLongPtrW(Handle(label), GWL_STYLE) & WS_TABSTOP, 0);
    EXPECT_NE(GetWindowLongPtrW(Handle(button), GWL_STYLE) & WS_TABSTOP, 0);
}

TEST_F(Win32BackendTest, LabelChangesRepaintTheLabel) {
    Form form(app);
    form.SetClientSize(3000, 1500);
    Label label(form);
    label.SetTransparent(true);
    label.Move(150, 150, 1500, 300);
    form.Show();
    PaintNow(form);
    RECT pending;
    ASSERT_FALSE(GetUpdateRect(Handle(label), &pending, FALSE));

    label.SetCaption("Setup");
    EXPECT_TRUE(GetUpdateRect(Handle(label), &pending, FALSE));
    PaintNow(form);
    ASSERT_FALSE(GetUpdateRect(Handle(label), &pending, FALSE));

    label.SetForeColor(0x80FFFF);
    EXPECT_TRUE(GetUpdateRect(Handle(label), &pending, FALSE));
}

TEST_F(Win32BackendTest, TransparentLabelsShowThePaintedSurface) {
    if (Dpi() != 96) GTEST_SKIP() << "the screen is not at 96 DPI";
    Form form(app);
    form.SetBorderStyle(BorderStyle::None);
    form.SetClientSize(200 * 15, 100 * 15);
    form.SetBackColor(RGB(0, 0, 0x80));
    auto tile = app.LoadPicture(WriteFile("red.bmp", MakeBmp(32, 32, RGB(0xFF, 0, 0))));
    ASSERT_TRUE(tile);
    Label clear(form);
    clear.SetTransparent(true);
    clear.Move(0, 0, 100 * 15, 40 * 15);
    Label solid(form);
    solid.SetBackColor(RGB(0, 0xFF, 0));
    solid.Move(0, 50 * 15, 100 * 15, 40 * 15);
    form.Show();
    form.PaintPicture(*tile, 16 * 15, 0);
    form.PaintPicture(*tile, 16 * 15, 50 * 15);
    PaintNow(form);

    HDC dc = GetDC(Handle(clear));
    EXPECT_EQ(GetPixel(dc, 20, 20), RGB(0xFF, 0, 0));   // over the tile
    EXPECT_EQ(GetPixel(dc, 80, 20), RGB(0, 0, 0x80));   // beside it: the form's colour
    ReleaseDC(Handle(clear), dc);
    dc = GetDC(Handle(solid));
    EXPECT_EQ(GetPixel(dc, 20, 20), RGB(0, 0xFF, 0));   // opaque labels hide the surface
    ReleaseDC(Handle(solid), dc);

    // Cls drops the tiles; the label follows.
    form.Cls();
    PaintNow(form);
    dc = GetDC(Handle(clear));
    EXPECT_EQ(GetPixel(dc, 20, 20), RGB(0, 0, 0x80));
    ReleaseDC(Handle(clear), dc);
}

TEST_F(Win32BackendTest, PictureBoxThatGrowsToItsPictureShowsAllOfIt) {
    if (Dpi() != 96) GTEST_SKIP() << "the screen is not at 96 DPI";
    Form form(app);
    form.SetClientSize(3000, 1500);
    PictureBox box(form);
    box.SetBorder(false);
    box.SetBackColor(RGB(0xC0, 0xC0, 0xC0));
    box.Move(0, 0, 10 * 15, 10 * 15);
    box.SetAutoSize(true);
    form.Show();
    box.SetPicture(*app.LoadPicture(WriteFile("big.bmp", MakeBmp(40, 30, RGB(0xFF, 0, 0)))));
    EXPECT_EQ(box.Width(), 40 * 15);
    PaintNow(form);

    HDC dc = GetDC(Handle(box));
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(0xFF, 0, 0));
    EXPECT_EQ(GetPixel(dc, 35, 25), RGB(0xFF, 0, 0));
    ReleaseDC(Handle(box), dc);
}

TEST_F(Win32BackendTest, PicturesHaveTheirOwnSizeAndUnreadableFilesGiveNone) {
    const auto bmp = app.LoadPicture(WriteFile("a.bmp", MakeBmp(5, 3, RGB(1, 2, 3))));
    const auto rle = app.LoadPicture(WriteFile("b.bmp", MakeRle8Bmp(6, 4)));
    const auto gif = app.LoadPicture(WriteFile("c.gif", MakeGif(3, 2)));
    const auto ico = app.LoadPicture(WriteFile("d.ico", MakeIco(16)));
    ASSERT_TRUE(bmp && rle && gif && ico);
    EXPECT_EQ(bmp->WidthPixels(), 5);
    EXPECT_EQ(bmp->HeightPixels(), 3);
    EXPECT_EQ(rle->WidthPixels(), 6);
    EXPECT_EQ(rle->HeightPixels(), 4);
    EXPECT_EQ(gif->WidthPixels(), 3);
    EXPECT_EQ(gif->HeightPixels(), 2);
    EXPECT_EQ(ico->WidthPixels(), 16);
    EXPECT_EQ(ico->HeightPixels(), 16);

    const Bytes gifBytes = MakeGif(7, 9);
    const auto fromMemory = app.LoadPictureFromMemory(gifBytes.data(), gifBytes.size());
    ASSERT_TRUE(fromMemory);
    EXPECT_EQ(fromMemory->WidthPixels(), 7);

    EXPECT_FALSE(app.LoadPicture(Folder()));
    EXPECT_FALSE(app.LoadPicture(Folder() + "\\missing.bmp"));
    EXPECT_FALSE(app.LoadPicture(WriteFile("text.ico", Bytes{'n', 'o', ' ', 'i', 'c', 'o', 'n'})));
}

TEST_F(Win32BackendTest, IconsTakeTheEntryAsWideAsTheSystemsIconsElseTheFirst) {
    if (GetSystemMetrics(SM_CXICON) != 32) GTEST_SKIP() << "system icons are not 32 pixels wide";
    const auto three = app.LoadPicture(WriteFile("three.ico", MakeIcoOfSizes({16, 32, 48}, false)));
    ASSERT_TRUE(three);
    EXPECT_EQ(three->WidthPixels(), 32);
    EXPECT_EQ(three->HeightPixels(), 32);
    const auto two = app.LoadPicture(WriteFile("two.ico", MakeIcoOfSizes({48, 16}, false)));
    ASSERT_TRUE(two);
    EXPECT_EQ(two->WidthPixels(), 48);
    EXPECT_EQ(two->HeightPixels(), 48);
}

TEST_F(Win32BackendTest, IconsKeepWhatLiesBehindTheirClearParts) {
    Form form(app);
    form.SetBorderStyle(BorderStyle::None);
    form.SetClientSize(100 * app.TwipsPerPixelX(), 100 * app.TwipsPerPixelY());
    form.SetBackColor(RGB(0, 0, 0x80));
    const auto icon = app.LoadPicture(WriteFile("half.ico", MakeIcoOfSizes({32}, true)));
    ASSERT_TRUE(icon);
    form.Show();
    form.PaintPicture(*icon, 0, 0);
    PaintNow(form);
    HDC dc = GetDC(Handle(form));
    EXPECT_EQ(GetPixel(dc, 4, 10), RGB(0, 0, 0x80));   // the clear left half
    EXPECT_EQ(GetPixel(dc, 24, 10), RGB(0xFF, 0, 0));  // the red right half
    ReleaseDC(Handle(form), dc);
}

TEST_F(Win32BackendTest, IconsWhoseImageEndsEarlyGiveNoPicture) {
    Bytes icon = MakeIcoOfSizes({16}, false);
    icon.resize(icon.size() - 10);  // the image ends before the size its entry gives
    EXPECT_FALSE(app.LoadPicture(WriteFile("short.ico", icon)));
}

TEST_F(Win32BackendTest, ShellIconsAreOnePixelLargerThanTheIcon) {
    const auto folder = driver->GetBackend().ShellIcon(Folder(), true, 0xC0C0C0);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->WidthPixels(), GetSystemMetrics(SM_CXSMICON) + 1);
    EXPECT_EQ(folder->HeightPixels(), GetSystemMetrics(SM_CYSMICON) + 1);
    EXPECT_EQ(folder->WidthPixels(), 17);
    EXPECT_FALSE(driver->GetBackend().ShellIcon(Folder() + "\\missing.exe", true, 0xC0C0C0));
}

TEST_F(Win32BackendTest, PictureButtonsShowTheirPictureCutAtTheEdges) {
    if (Dpi() != 96) GTEST_SKIP() << "the screen is not at 96 DPI";
    Form form(app);
    CommandButton small(form);
    CommandButton large(form);
    small.Move(240, 240, 375, 375);
    large.Move(240, 720, 375, 375);
    small.SetPicture(*app.LoadPicture(WriteFile("s.ico", MakeIco(16))));
    form.Load();
    form.RealiseControls();  // the controls' windows, the form still hidden
    large.SetPicture(*app.LoadPicture(WriteFile("l.ico", MakeIco(32))));

    for (auto [button, size] : {std::pair{&small, 16}, std::pair{&large, 21}}) {
        auto image = reinterpret_cast<HBITMAP>(
            SendMessageW(Handle(*button), BM_GETIMAGE, IMAGE_BITMAP, 0));
        ASSERT_NE(image, nullptr);
        BITMAP info{};
        GetObjectW(image, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, size);
        EXPECT_EQ(info.bmHeight, size);
        EXPECT_NE(GetWindowLongPtrW(Handle(*button), GWL_STYLE) & BS_BITMAP, 0);
    }
}

// The size and middle colour of a picture button's face bitmap.
std::pair<SIZE, COLORREF> ButtonFace(HWND button) {
    auto image = reinterpret_cast<HBITMAP>(SendMessageW(button, BM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info{};
    if (!image || !GetObjectW(image, sizeof info, &info)) return {SIZE{0, 0}, CLR_INVALID};
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, image);
    const COLORREF middle = GetPixel(dc, info.bmWidth / 2, info.bmHeight / 2);
    SelectObject(dc, old);
    DeleteDC(dc);
    return {SIZE{info.bmWidth, info.bmHeight}, middle};
}

// A 32 x 32 PNG in blue (RGB 0, 0, 255): the 200 % drawing of a built-in
// picture, in the format the larger artwork comes in.
const Bytes kBluePng32 = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52,
    0x00, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00, 0x20, 0x08, 0x02, 0x00, 0x00, 0x00, 0xfc, 0x18, 0xed,
    0xa3, 0x00, 0x00, 0x00, 0x26, 0x49, 0x44, 0x41, 0x54, 0x78, 0xda, 0xed, 0xcd, 0xb1, 0x09, 0x00,
    0x00, 0x08, 0xc0, 0xb0, 0xfe, 0xff, 0xb4, 0x5e, 0xe1, 0x20, 0x04, 0xb2, 0xa7, 0x9a, 0x63, 0x02,
    0x81, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x81, 0xe0, 0x49, 0xb0, 0x3a, 0x4b, 0xfc, 0x2e, 0x89,
    0xbc, 0xc7, 0xfb, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};

// A form moved to a monitor of another DPI: it takes the rectangle Windows
// suggests, and its controls are laid out, lettered and drawn again at the
// new DPI from their twips and points; an icon file's picture is drawn from
// its image nearest at or above the size it takes there, a built-in one
// from its larger drawing (decoded once a larger size is first needed).
TEST_F(Win32BackendTest, AFormMovedToAnotherDpiLaysItselfOutAgain) {
    if (Dpi() != 96) GTEST_SKIP() << "the screen is not at 96 DPI";
    Form form(app);
    form.SetBorderStyle(BorderStyle::FixedSingle);
    form.SetClientSize(6000, 3000);
    Label label(form);
    label.Move(240, 240, 2400, 300);
    label.SetCaption("Beschriftung");
    label.SetFont(Font{"MS Sans Serif", 12, false});
    CommandButton entry(form);
    entry.Move(240, 720, 750, 750);  // 50 pixels at 96 DPI
    entry.SetPicture(*app.LoadPicture(WriteFile(
        "sizes.ico", MakeIcoFile({{16, RGB(0xFF, 0, 0)}, {32, RGB(0, 0xFF, 0)},
                                  {48, RGB(0, 0, 0xFF)}}))));
    CommandButton small(form);
    small.Move(1200, 720, 750, 750);
    small.SetPicture(*app.LoadPicture(WriteFile("small.ico", MakeIcoFile({{16, RGB(0xFF, 0, 0)}}))));
    const Bytes redBmp16 = MakeBmp(16, 16, RGB(0xFF, 0, 0));
    CommandButton artwork(form);
    artwork.Move(2160, 720, 750, 750);
    artwork.SetPicture(*app.LoadBuiltInPicture(
        {{redBmp16.data(), redBmp16.size()}, {kBluePng32.data(), kBluePng32.size()}}));
    form.Show();

    struct Case {
        int dpi;
        int face;             // the icon's side there: 32 pixels at 96 DPI
        COLORREF image;       // the image it is drawn from
        int smallFace;        // the 16-pixel icon's side
    };
    const Case cases[] = {
        {96, 32, RGB(0, 0xFF, 0), 16},
        {144, 48, RGB(0, 0, 0xFF), 24},
        {120, 40, RGB(0, 0, 0xFF), 20},   // from 48, scaled down
        {192, 64, RGB(0, 0, 0xFF), 32},   // the largest there is, scaled up
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        RECT outer;
        GetWindowRect(Handle(form), &outer);
        const RECT suggested{outer.left, outer.top, outer.left + MulDiv(420, c.dpi, 96),
                             outer.top + MulDiv(250, c.dpi, 96)};
        SendMessageW(Handle(form), WM_DPICHANGED, MAKEWPARAM(c.dpi, c.dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        RECT now;
        GetWindowRect(Handle(form), &now);
        EXPECT_EQ(now.right - now.left, suggested.right - suggested.left);
        EXPECT_EQ(now.bottom - now.top, suggested.bottom - suggested.top);

        RECT bounds;
        GetWindowRect(Handle(label), &bounds);
        MapWindowPoints(nullptr, Handle(form), reinterpret_cast<POINT*>(&bounds), 2);
        EXPECT_EQ(bounds.left, MulDiv(240, c.dpi, 1440));
        EXPECT_EQ(bounds.right - bounds.left, MulDiv(2400, c.dpi, 1440));
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Handle(label), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        EXPECT_EQ(-font.lfHeight, MulDiv(12, c.dpi, 72));

        GetClientRect(Handle(entry), &bounds);
        EXPECT_EQ(bounds.right, MulDiv(750, c.dpi, 1440));
        const int inside = bounds.right - 4;  // within the raised edge
        const auto [face, colour] = ButtonFace(Handle(entry));
        EXPECT_EQ(face.cx, std::min(c.face, inside));
        EXPECT_EQ(colour, c.image);
        const auto [smallFace, smallColour] = ButtonFace(Handle(small));
        EXPECT_EQ(smallFace.cx, std::min(c.smallFace, inside));
        EXPECT_EQ(smallColour, RGB(0xFF, 0, 0));
        const auto [artFace, artColour] = ButtonFace(Handle(artwork));
        EXPECT_EQ(artFace.cx, c.smallFace);
        EXPECT_EQ(artColour, c.dpi == 96 ? RGB(0xFF, 0, 0) : RGB(0, 0, 0xFF));
    }
}

TEST_F(Win32BackendTest, TopMostKeepsTheWindowAboveAndShowsIt) {
    Form form(app);
    form.SetBorderStyle(BorderStyle::None);
    form.SetClientSize(1500, 1500);
    form.Load();
    ASSERT_FALSE(IsWindowVisible(Handle(form)));

    form.SetTopMost(true);
    EXPECT_TRUE(IsWindowVisible(Handle(form)));
    EXPECT_NE(GetWindowLongPtrW(Handle(form), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    form.SetTopMost(false);
    EXPECT_EQ(GetWindowLongPtrW(Handle(form), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

// The form's own mouse events and its controls' report the same buttons
// and keys; Alt comes from the key state, as the message does not carry it.
TEST_F(Win32BackendTest, MouseMovesOfFormsAndControlsReportButtonsShiftCtrlAndAlt) {
    Form form(app);
    form.SetClientSize(3000, 1500);
    Label label(form);
    label.Move(1500, 150, 1200, 300);
    form.Show();
    std::vector<MouseState> seen;
    form.MouseMove = [&](const MouseState& state) { seen.push_back(state); };
    label.MouseMove = form.MouseMove;
    struct Case {
        WPARAM keys;
        bool alt;
        int button;
        int shift;
    };
    const Case cases[] = {
        {MK_LBUTTON, false, 1, 0},
        {MK_RBUTTON | MK_SHIFT, false, 2, 1},
        {MK_MBUTTON | MK_CONTROL, false, 4, 2},
        {0, true, 0, 4},
        {MK_LBUTTON | MK_SHIFT | MK_CONTROL, true, 1, 7},
    };
    const Control* const targets[] = {&form, &label};
    for (const Control* target : targets) {
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message() << (target == &form ? "form" : "label") << " keys "
                                              << c.keys << (c.alt ? " alt" : ""));
            BYTE keys[256];
            GetKeyboardState(keys);
            const BYTE menu = keys[VK_MENU];
            keys[VK_MENU] = c.alt ? 0x80 : 0;
            SetKeyboardState(keys);
            seen.clear();
            SendMessageW(Handle(*target), WM_MOUSEMOVE, c.keys, MAKELPARAM(4, 6));
            keys[VK_MENU] = menu;
            SetKeyboardState(keys);
            ASSERT_EQ(seen.size(), 1u);
            EXPECT_EQ(seen[0].button, c.button);
            EXPECT_EQ(seen[0].shift, c.shift);
            EXPECT_EQ(seen[0].x, MulDiv(4, 1440, Dpi()));
            EXPECT_EQ(seen[0].y, MulDiv(6, 1440, Dpi()));
        }
    }
}

TEST_F(Win32BackendTest, EnterPressesTheFocusedButtonAndDefaultFollows) {
    Form form(app);
    form.SetClientSize(4000, 2000);
    CommandButton info(form), end(form);
    info.Move(120, 120, 1200, 375);
    end.Move(1440, 120, 1200, 375);
    std::vector<std::string> clicks;
    info.Click = [&] { clicks.push_back("info"); };
    end.Click = [&] { clicks.push_back("end"); };
    form.Show();
    info.SetDefault(true);
    EXPECT_EQ(GetWindowLongPtrW(Handle(info), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);

    end.SetFocus();
    ASSERT_TRUE(driver->PumpUntil([&] { return GetFocus() == Handle(end); }, 2000));
    EXPECT_EQ(GetWindowLongPtrW(Handle(end), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongPtrW(Handle(info), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    driver->PressEnter(form);
    EXPECT_EQ(clicks, std::vector<std::string>{"end"});
}

TEST_F(Win32BackendTest, MeasuredTextWrapsAtWords) {
    Font font;
    const TextSize line = driver->GetBackend().MeasureText(font, "Pavonel", 0);
    EXPECT_GT(line.width, 0);
    EXPECT_GT(line.height, 0);
    EXPECT_EQ(driver->GetBackend().MeasureText(font, "", 0).height, line.height);
    const TextSize wrapped =
        driver->GetBackend().MeasureText(font, "Pavonel Pavonel Pavonel", line.width + 30);
    EXPECT_EQ(wrapped.height, 3 * line.height);
    font.Bold = true;
    font.Size = 12;
    EXPECT_GT(driver->GetBackend().MeasureText(font, "Pavonel", 0).width, line.width);
}

TEST_F(Win32BackendTest, ModalFormsDisableTheOthersUntilTheyAreHidden) {
    Form owner(app);
    owner.SetClientSize(3000, 2000);
    owner.Show();
    Form dialog(app);
    dialog.SetClientSize(2000, 1000);
    bool ownerEnabledDuringModal = true;
    driver->OnNextModal([&](Form& shown) {
        ownerEnabledDuringModal = IsWindowEnabled(Handle(owner));
        shown.Hide();
    });
    dialog.ShowModal();
    EXPECT_FALSE(ownerEnabledDuringModal);
    EXPECT_TRUE(IsWindowEnabled(Handle(owner)));
}

TEST_F(Win32BackendTest, RunEndsWhenTheLastFormIsUnloaded) {
    Form form(app);
    Timer timer(form);
    timer.SetInterval(10);
    timer.Tick = [&] { form.Unload(); };
    form.Show();
    app.Run();
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ(form.NativeHandle(), 0u);
}

// ---- Containers, menus and the common controls ---------------------------------------

LONG_PTR Style(const Control& control) { return GetWindowLongPtrW(Handle(control), GWL_STYLE); }
LONG_PTR ExStyle(const Control& control) {
    return GetWindowLongPtrW(Handle(control), GWL_EXSTYLE);
}

TEST_F(Win32BackendTest, NewControlsAreWindowsOfTheirStandardClassesInTheirContainers) {
    Form form(app);
    form.SetClientSize(9000, 6000);
    Frame frame(form);
    frame.Move(120, 120, 3000, 2000);
    OptionButton first(form), second(form);
    first.SetContainer(frame);
    second.SetContainer(frame);
    first.Move(150, 300, 2000, 300);
    second.Move(150, 700, 2000, 300);
    PictureBox box(form);
    box.Move(3300, 120, 3000, 2000);
    OptionButton inBox(form);
    inBox.SetContainer(box);
    inBox.Move(150, 150, 2000, 300);
    ScrollBar bar(form);
    bar.Move(6600, 120, 255, 2000);
    ComboBox combo(form);
    combo.Move(120, 2400, 3000, 315);
    TreeView tree(form);
    tree.Move(120, 3000, 3000, 2000);
    Toolbar toolbar(form);
    toolbar.Move(3300, 2400, 3000, 420);
    StatusBar status(form);
    status.Move(0, 5700, 9000, 300);
    TabStrip tabs(form);
    tabs.Move(3300, 3000, 3000, 2000);
    form.Load();
    form.RealiseControls();  // the controls' windows, the form still hidden

    struct Expected {
        const Control* control;
        const wchar_t* className;
        LONG_PTR style;    // all of these bits
        LONG_PTR absent;   // none of these
        LONG_PTR exStyle;  // all of these extended bits
    };
    const Expected expected[] = {
        {&frame, L"Button", BS_GROUPBOX | WS_CLIPCHILDREN, WS_TABSTOP, WS_EX_CONTROLPARENT},
        {&first, L"Button", BS_RADIOBUTTON | WS_GROUP, 0, 0},
        {&second, L"Button", BS_RADIOBUTTON, WS_GROUP, 0},
        {&inBox, L"Button", BS_RADIOBUTTON | WS_GROUP, 0, 0},
        {&box, L"KelvoPictureBox", WS_CLIPCHILDREN, 0, WS_EX_CONTROLPARENT},
        {&bar, L"ScrollBar", SBS_VERT | WS_TABSTOP, 0, 0},
        {&combo, L"ComboBox", CBS_DROPDOWNLIST | WS_TABSTOP, 0, 0},
        {&tree, L"SysTreeView32",
         TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_TABSTOP, 0,
         WS_EX_CLIENTEDGE},
        {&toolbar, L"ToolbarWindow32",
         TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0, 0},
        {&status, L"msctls_statusbar32", CCS_NOPARENTALIGN | CCS_NORESIZE, SBARS_SIZEGRIP, 0},
        {&tabs, L"SysTabControl32", WS_TABSTOP, 0, 0},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(e.className)));
        EXPECT_EQ(_wcsicmp(ClassOf(*e.control).c_str(), e.className), 0);
        EXPECT_EQ(Style(*e.control) & e.style, e.style);
        EXPECT_EQ(Style(*e.control) & e.absent, 0);
        EXPECT_EQ(ExStyle(*e.control) & e.exStyle, e.exStyle);
    }
    // The model decides which option is checked: no automatic radio buttons.
    EXPECT_EQ(Style(first) & BS_TYPEMASK, BS_RADIOBUTTON);
    EXPECT_EQ(Style(combo) & 3, CBS_DROPDOWNLIST);
    // Controls in a container are windows in its window, placed inside it.
    EXPECT_EQ(GetParent(Handle(second)), Handle(frame));
    EXPECT_EQ(GetParent(Handle(inBox)), Handle(box));
    EXPECT_EQ(GetParent(Handle(frame)), Handle(form));
    RECT place;
    GetWindowRect(Handle(second), &place);
    MapWindowPoints(nullptr, Handle(frame), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, MulDiv(150, Dpi(), 1440));
    EXPECT_EQ(place.top, MulDiv(700, Dpi(), 1440));
}

TEST_F(Win32BackendTest, LabelAlignmentIsTheStaticsStyle) {
    Form form(app);
    Label left(form), right(form), centred(form), fitted(form);
    right.SetAlignment(Alignment::Right);
    centred.SetAlignment(Alignment::Center);
    fitted.SetCaption("Zentriert");
    fitted.SetAutoSize(true);
    fitted.SetAlignment(Alignment::Center);
    form.Load();
    form.RealiseControls();  // the controls' windows, the form still hidden
    EXPECT_EQ(Style(left) & SS_TYPEMASK, SS_LEFT);
    EXPECT_EQ(Style(right) & SS_TYPEMASK, SS_RIGHT);
    EXPECT_EQ(Style(centred) & (SS_TYPEMASK | SS_CENTERIMAGE), SS_CENTER);
    // Sized to its text, it keeps one line, centred in its own box.
    EXPECT_EQ(Style(fitted) & (SS_TYPEMASK | SS_CENTERIMAGE), SS_CENTER | SS_CENTERIMAGE);
    centred.SetAlignment(Alignment::Left);
    EXPECT_EQ(Style(centred) & SS_TYPEMASK, SS_LEFT);
}

// The text, state and submenu of the item at position of menu.
struct MenuItem {
    std::wstring text;
    UINT type = 0;
    UINT state = 0;
    HMENU submenu = nullptr;
};

MenuItem ItemAt(HMENU menu, int position) {
    wchar_t text[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = 127;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) return {};
    return {text, info.fType, info.fState, info.hSubMenu};
}

TEST_F(Win32BackendTest, MenuBarShowsCaptionsShortcutsChecksAndGrayedEntries) {
    Form form(app);
    Menu file(form);
    file.SetCaption("&Datei");
    Menu create(file), line(file), locked(file), recent(file);
    create.SetCaption("&Neu");
    create.SetShortcut('n');
    line.SetCaption("-");
    locked.SetCaption("&Gesperrt");
    locked.SetEnabled(false);
    recent.SetCaption("&Zuletzt");
    Menu last(recent);  // an entry with entries opens a popup of its own
    last.SetCaption("kelvo.ini");
    Menu view(form);
    view.SetCaption("&Ansicht");
    Menu large(view);
    large.SetCaption("&Groß");
    large.SetChecked(true);
    form.SetBorderStyle(BorderStyle::FixedSingle);
    form.SetClientSize(6000, 3000);
    form.Show();

    // The client area is what was asked for, below the menu bar.
    if (Dpi() == 96) {
        RECT client;
        GetClientRect(Handle(form), &client);
        EXPECT_EQ(client.right, 400);
        EXPECT_EQ(client.bottom, 200);
        EXPECT_EQ(form.ScaleHeight(), 3000);
    }

    HMENU bar = GetMenu(Handle(form));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(ItemAt(bar, 0).text, L"&Datei");
    EXPECT_EQ(ItemAt(bar, 1).text, L"&Ansicht");
    HMENU popup = ItemAt(bar, 0).submenu;
    ASSERT_EQ(GetMenuItemCount(popup), 4);
    EXPECT_EQ(ItemAt(popup, 0).text, L"&Neu\tStrg+N");
    EXPECT_NE(ItemAt(popup, 1).type & MFT_SEPARATOR, 0u);
    EXPECT_NE(ItemAt(popup, 2).state & MFS_GRAYED, 0u);
    ASSERT_NE(ItemAt(popup, 3).submenu, nullptr);
    EXPECT_EQ(ItemAt(ItemAt(popup, 3).submenu, 0).text, L"kelvo.ini");
    EXPECT_NE(ItemAt(ItemAt(bar, 1).submenu, 0).state & MFS_CHECKED, 0u);

    // Changes reach the items; a hidden entry leaves its place and comes back to it.
    large.SetChecked(false);
    locked.SetEnabled(true);
    create.SetShortcut('K');
    line.SetVisible(false);
    EXPECT_EQ(ItemAt(ItemAt(bar, 1).submenu, 0).state & MFS_CHECKED, 0u);
    EXPECT_EQ(GetMenuItemCount(popup), 3);
    EXPECT_EQ(ItemAt(popup, 0).text, L"&Neu\tStrg+K");
    EXPECT_EQ(ItemAt(popup, 1).state & MFS_GRAYED, 0u);
    line.SetVisible(true);
    EXPECT_NE(ItemAt(popup, 1).type & MFT_SEPARATOR, 0u);
    file.SetCaption("&Projekt");
    EXPECT_EQ(ItemAt(bar, 0).text, L"&Projekt");
}

// A 16 x 16 icon whose left half is clear and right half red.
const Bytes kHalfIcon = MakeIcoOfSizes({16}, true);

// The colour an image list draws at (x, y) of image index over background.
COLORREF ImagePixel(HIMAGELIST list, int index, int x, int y, COLORREF background) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH brush = CreateSolidBrush(background);
    const RECT all{0, 0, 16, 16};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    ImageList_Draw(list, index, dc, 0, 0, ILD_TRANSPARENT);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return colour;
}

TEST_F(Win32BackendTest, ToolbarShowsTheModelsPicturesAndTooltips) {
    Form form(app);
    form.SetClientSize(6000, 3000);
    ImageList images(16, 16);
    images.Add(*app.LoadPicture(WriteFile("half.ico", kHalfIcon)));
    images.Add(*app.LoadPicture(WriteFile("red.bmp", MakeBmp(16, 16, RGB(0xFF, 0, 0)))));
    Toolbar toolbar(form);
    toolbar.SetImageList(images);
    toolbar.Move(0, 0, 6000, 420);
    toolbar.AddButton("neu", "Neues Projekt", 2);
    toolbar.AddButton("oeffnen", "Projekt öffnen", 1);
    toolbar.AddButton("ohne", "Ohne Bild", 0);
    form.Show();
    const win32::native::Toolbar view(Handle(toolbar));

    ASSERT_EQ(view.ButtonCount(), 3);
    HIMAGELIST list = view.ImageList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(list), 2);
    // Clear parts of a picture stay clear.
    EXPECT_EQ(ImagePixel(list, 0, 3, 8, RGB(0, 0x80, 0)), RGB(0, 0x80, 0));
    EXPECT_EQ(ImagePixel(list, 0, 12, 8, RGB(0, 0x80, 0)), RGB(0xFF, 0, 0));

    HWND tips = view.ToolTips();
    ASSERT_NE(tips, nullptr);
    const int imageIndexes[] = {1, 0, I_IMAGENONE};
    const wchar_t* texts[] = {L"Neues Projekt", L"Projekt öffnen", L"Ohne Bild"};
    for (int i = 0; i < 3; ++i) {
        TBBUTTON button{};
        ASSERT_TRUE(view.GetButton(i, button));
        EXPECT_EQ(button.iBitmap, imageIndexes[i]);
        wchar_t text[80] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = view.Handle();
        tool.uId = static_cast<UINT_PTR>(button.idCommand);
        tool.lpszText = text;
        SendMessageW(tips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(text, texts[i]);
    }
}

TEST_F(Win32BackendTest, TreeItemsMirrorTheNodesTheirPicturesAndState) {
    Form form(app);
    form.SetClientSize(6000, 4000);
    ImageList images(16, 16);
    images.Add(*app.LoadPicture(WriteFile("half.ico", kHalfIcon)));
    images.Add(*app.LoadPicture(WriteFile("red.bmp", MakeBmp(16, 16, RGB(0xFF, 0, 0)))));
    TreeView tree(form);
    tree.SetImageList(images);
    tree.Move(120, 120, 4000, 3000);
    const int root = tree.AddNode(0, "root", "Projekt", 1);
    const int child = tree.AddNode(root, "child", "Eintrag", 2, 1);
    form.Show();
    tree.SetExpanded(root, true);
    const int late = tree.AddNode(child, "late", "Feld", 0);
    tree.SetNodeText(child, "Eintrag 1");
    tree.SelectNode(late);
    const win32::native::TreeView view(Handle(tree));

    HIMAGELIST list = view.ImageList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ImagePixel(list, 0, 3, 8, RGB(0xFF, 0xFF, 0xFF)), RGB(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(view.Count(), 3);
    struct Shown {
        int index;
        std::wstring text;
        int image;
        int selectedImage;
    };
    std::vector<Shown> shown;
    for (HTREEITEM item = view.Root(); item; item = view.NextVisible(item)) {
        wchar_t text[64] = {};
        TVITEMW data{};
        data.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        data.hItem = item;
        data.pszText = text;
        data.cchTextMax = 64;
        view.GetItem(data);
        shown.push_back({static_cast<int>(data.lParam), text, data.iImage, data.iSelectedImage});
    }
    // The selected node shows: its parent was opened for it.
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].index, root);
    EXPECT_EQ(shown[0].image, 0);
    EXPECT_EQ(shown[0].selectedImage, 0);  // the same as the image
    EXPECT_EQ(shown[1].text, L"Eintrag 1");
    EXPECT_EQ(shown[1].image, 1);
    EXPECT_EQ(shown[1].selectedImage, 0);
    EXPECT_EQ(shown[2].index, late);
    EXPECT_EQ(view.Param(view.Selection()), late);
    // Selecting by code reports nothing back: the model keeps what it was told.
    EXPECT_EQ(tree.SelectedIndex(), late);

    tree.ClearNodes();
    EXPECT_EQ(view.Count(), 0);
    EXPECT_EQ(tree.SelectedIndex(), 0);
}

TEST_F(Win32BackendTest, TransparentLabelsInContainersShowTheContainersInside) {
    if (Dpi() != 96) GTEST_SKIP() << "the screen is not at 96 DPI";
    Form form(app);
    form.SetBorderStyle(BorderStyle::None);
    form.SetClientSize(300 * 15, 200 * 15);
    form.SetBackColor(RGB(0, 0, 0x80));
    PictureBox box(form);
    box.SetBorder(false);
    box.SetBackColor(RGB(0x20, 0x40, 0x80));
    box.Move(0, 0, 140 * 15, 100 * 15);
    Label inBox(form);
    inBox.SetContainer(box);
    inBox.SetTransparent(true);
    inBox.Move(10 * 15, 10 * 15, 100 * 15, 40 * 15);
    Frame frame(form);
    frame.SetBackColor(RGB(0, 0xC0, 0));
    frame.Move(150 * 15, 0, 140 * 15, 100 * 15);
    Label inFrame(form);
    inFrame.SetContainer(frame);
    inFrame.SetTransparent(true);
    inFrame.Move(10 * 15, 30 * 15, 100 * 15, 40 * 15);
    form.Show();
    box.PaintPicture(*app.LoadPicture(WriteFile("red.bmp", MakeBmp(32, 32, RGB(0xFF, 0, 0)))),
                     0, 0);
    PaintNow(form);

    HDC dc = GetDC(Handle(inBox));
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(0xFF, 0, 0));         // over the painted picture
    EXPECT_EQ(GetPixel(dc, 60, 30), RGB(0x20, 0x40, 0x80));  // the box's colour, not the form's
    ReleaseDC(Handle(inBox), dc);
    dc = GetDC(Handle(inFrame));
    EXPECT_EQ(GetPixel(dc, 60, 30), RGB(0, 0xC0, 0));
    ReleaseDC(Handle(inFrame), dc);
    dc = GetDC(Handle(frame));
    EXPECT_EQ(GetPixel(dc, 130, 90), RGB(0, 0xC0, 0));  // the frame's inside, beside the label
    ReleaseDC(Handle(frame), dc);
}

TEST_F(Win32BackendTest, ListsAndRangesOfTheWindowsFollowTheModel) {
    if (Dpi() != 96) GTEST_SKIP() << "the screen is not at 96 DPI";
    Form form(app);
    form.SetClientSize(6000, 5000);
    StatusBar status(form);
    status.SetCaption("Bereit");
    status.Move(0, 4700, 6000, 300);
    ScrollBar bar(form);
    bar.Move(120, 120, 255, 3000);
    bar.SetMin(50);
    bar.SetMax(10);  // the top is 50
    bar.SetValue(40);
    ComboBox combo(form);
    combo.Move(600, 120, 3000, 330);
    combo.AddItem("Rot");
    TabStrip tabs(form);
    tabs.Move(600, 1000, 3000, 1500);
    tabs.AddTab("Allgemein");
    form.Show();
    combo.AddItem("Grün");
    combo.SetListIndex(1);
    tabs.AddTab("Bilder");
    tabs.SelectTab(2);
    status.SetCaption("Projekt gespeichert");

    // Another process reads the status line with WM_GETTEXT.
    wchar_t text[64] = {};
    SendMessageW(Handle(status), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Projekt gespeichert");
    EXPECT_EQ(win32::native::StatusBar(Handle(status)).PartCount(), 1);

    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(Handle(bar), SB_CTL, &info));
    EXPECT_EQ(info.nMin, 10);
    EXPECT_EQ(info.nMax, 50);
    EXPECT_EQ(info.nPage, 0u);
    EXPECT_EQ(info.nPos, 20);  // 10 below the top

    const win32::native::ComboBox comboView(Handle(combo));
    EXPECT_EQ(comboView.Count(), 2);
    EXPECT_EQ(comboView.CurSel(), 1);
    RECT closed, dropped;
    GetWindowRect(Handle(combo), &closed);
    comboView.GetDroppedControlRect(dropped);
    EXPECT_EQ(closed.bottom - closed.top, 22);  // 330 twips
    EXPECT_GT(dropped.bottom - dropped.top, 4 * (closed.bottom - closed.top));

    const win32::native::TabControl tabsView(Handle(tabs));
    EXPECT_EQ(tabsView.Count(), 2);
    EXPECT_EQ(tabsView.CurSel(), 1);
}

// ---- Message traffic ---------------------------------------------------------------

using testing::MessageRecorder;
using testing::RecordedMessage;

// Controls of every kind that shows a caption or colours, on a form that
// is shown and painted.
class Win32TrafficTest : public Win32BackendTest {
protected:
    void SetUp() override {
        Win32BackendTest::SetUp();
        form.SetClientSize(9000, 6000);
        label.Move(120, 120, 2000, 300);
        clear.SetTransparent(true);
        clear.Move(120, 500, 2000, 300);
        button.Move(120, 900, 2000, 375);
        text.Move(120, 1400, 2000, 315);
        option.Move(120, 1900, 2000, 300);
        frame.Move(3000, 120, 2500, 1500);
        box.Move(3000, 1800, 2500, 1500);
        tree.Move(6000, 120, 2500, 2500);
        tree.AddNode(0, "root", "Projekt", 0);
        status.Move(0, 5700, 9000, 300);
        for (auto& [control, name] : Named()) {
            control->SetCaption(name);
            control->SetForeColor(RGB(0, 0, 0x80));
            control->SetBackColor(RGB(0xE0, 0xE0, 0xE0));
        }
        form.Show();
        PaintNow(form);
        ASSERT_TRUE(Settle());
    }

    std::vector<std::pair<Control*, std::string>> Named() {
        return {{&label, "label"},   {&clear, "transparent label"}, {&button, "button"},
                {&text, "text box"}, {&option, "option button"},    {&frame, "frame"},
                {&box, "picture box"}, {&tree, "tree view"},        {&status, "status bar"}};
    }

    Form form{app};
    Label label{form}, clear{form};
    CommandButton button{form};
    TextBox text{form};
    OptionButton option{form};
    Frame frame{form};
    PictureBox box{form};
    TreeView tree{form};
    StatusBar status{form};
};

// A label told its text again on every mouse move must not flicker: what a
// control has already reaches its window as nothing at all.
TEST_F(Win32TrafficTest, CaptionsAndColoursAControlHasAlreadySendItNothing) {
    MessageRecorder recorder{WM_SETTEXT, SB_SETTEXTW, TVM_SETBKCOLOR, TVM_SETTEXTCOLOR,
                             WM_PAINT, WM_ERASEBKGND, WM_NCPAINT};
    for (auto& [control, name] : Named()) recorder.Watch(Handle(*control), name);
    for (auto& [control, name] : Named()) {
        control->SetCaption(control->Caption());
        control->SetForeColor(control->ForeColor());
        control->SetBackColor(control->BackColor());
    }
    ASSERT_TRUE(Settle());
    EXPECT_EQ(recorder.Messages(), std::vector<RecordedMessage>{});
}

// A new colour invalidates the control: it paints once when the messages
// come, not while the program sets it. So does a label's new caption, which
// the backend repaints with what lies behind the label (the buttons and the
// status bar draw their new text themselves at once).
TEST_F(Win32TrafficTest, ANewColourOrLabelCaptionPaintsTheControlOnceAfterTheUpdate) {
    enum class Change { Caption, ForeColor, BackColor };
    const char* const changes[] = {"Caption", "ForeColor", "BackColor"};
    struct Case {
        Control* control;
        const char* name;
        Change change;
    };
    const Case cases[] = {
        {&label, "label", Change::Caption},
        {&label, "label", Change::ForeColor},
        {&label, "label", Change::BackColor},
        {&clear, "transparent label", Change::Caption},
        {&clear, "transparent label", Change::ForeColor},
        {&text, "text box", Change::ForeColor},
        {&text, "text box", Change::BackColor},
        {&option, "option button", Change::ForeColor},
        {&option, "option button", Change::BackColor},
        {&frame, "frame", Change::ForeColor},
        {&frame, "frame", Change::BackColor},
        {&box, "picture box", Change::BackColor},
        {&tree, "tree view", Change::ForeColor},
        {&tree, "tree view", Change::BackColor},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.name << " " << changes[static_cast<int>(c.change)]);
        MessageRecorder recorder{WM_SETTEXT, WM_PAINT};
        recorder.Watch(Handle(*c.control), c.name);
        std::vector<RecordedMessage> atOnce;
        switch (c.change) {
        case Change::Caption:
            c.control->SetCaption(c.control->Caption() + " neu");
            atOnce = testing::Sequence(c.name, {WM_SETTEXT});
            break;
        case Change::ForeColor:
            c.control->SetForeColor(c.control->ForeColor() ^ 0x204060);
            break;
        case Change::BackColor:
            c.control->SetBackColor(c.control->BackColor() ^ 0x204060);
            break;
        }
        EXPECT_EQ(recorder.Messages(), atOnce);
        ASSERT_TRUE(Settle());
        atOnce.push_back({c.name, WM_PAINT});
        EXPECT_EQ(recorder.Messages(), atOnce);
    }
}

// The pages of a stacked set lie in one place: the page that goes behind
// is hidden without painting what is on it, the page that comes paints
// each of its windows once, and the page that is in front already paints
// nothing when it is shown again.
TEST_F(Win32BackendTest, HidingAStackedPagePaintsNothingOnIt) {
    Form form(app);
    form.SetClientSize(6000, 4000);
    ControlArray<PictureBox> pages(form, 2);
    // What lies on a page, with the page itself first.
    struct Page {
        explicit Page(PictureBox& page)
            : label(page.Parent()), clear(page.Parent()), button(page.Parent()),
              text(page.Parent()), frame(page.Parent()), option(page.Parent()) {
            page.SetBorder(false);
            page.Move(120, 120, 5000, 3000);
            Control* const onPage[] = {&label, &clear, &button, &text, &frame};
            for (Control* control : onPage) control->SetContainer(page);
            option.SetContainer(frame);
            clear.SetTransparent(true);
            label.Move(120, 120, 2000, 300);
            clear.Move(2400, 120, 2000, 300);
            button.Move(120, 600, 2000, 375);
            text.Move(120, 1200, 2000, 315);
            frame.Move(2400, 600, 2400, 1500);
            option.Move(150, 300, 2000, 300);
            windows = {{&page, "page"}, {&label, "label"}, {&clear, "transparent label"},
                       {&button, "button"}, {&text, "text box"}, {&frame, "frame"},
                       {&option, "option button in the frame"}};
        }
        Label label, clear;
        CommandButton button;
        TextBox text;
        Frame frame;
        OptionButton option;
        std::vector<std::pair<const Control*, std::string>> windows;
    };
    const std::unique_ptr<Page> content[] = {std::make_unique<Page>(pages[0]),
                                             std::make_unique<Page>(pages[1])};
    ShowStackedPage(pages, 0);
    form.Show();
    // Both pages once on the screen, so that both have their windows.
    ShowStackedPage(pages, 1);
    ShowStackedPage(pages, 0);
    content[0]->text.SetFocus();
    PaintNow(form);
    ASSERT_TRUE(Settle());

    MessageRecorder recorder{WM_PAINT};
    auto nameOf = [](std::size_t page, const std::string& part) {
        return part + " of page " + std::to_string(page);
    };
    for (std::size_t page = 0; page < 2; ++page)
        for (const auto& [control, part] : content[page]->windows)
            recorder.Watch(Handle(*control), nameOf(page, part));

    struct Step {
        std::size_t shown;
        bool comes;  // else it is in front already
    };
    for (const Step step : {Step{1, true}, Step{0, true}, Step{0, false}}) {
        SCOPED_TRACE(::testing::Message() << "page " << step.shown << " shown");
        recorder.Clear();
        ShowStackedPage(pages, step.shown);
        ASSERT_TRUE(Settle());
        for (std::size_t page = 0; page < 2; ++page) {
            const bool paints = page == step.shown && step.comes;
            for (const auto& [control, part] : content[page]->windows) {
                const std::string name = nameOf(page, part);
                EXPECT_EQ(recorder.MessagesOf(name),
                          testing::Sequence(name, paints ? std::initializer_list<UINT>{WM_PAINT}
                                                         : std::initializer_list<UINT>{}));
            }
            EXPECT_EQ(IsWindowVisible(Handle(pages[page])) != FALSE, page == step.shown);
        }
    }
}

}  // namespace
}  // namespace forms

// Picture loading of the headless backend: real files of the formats the
// programs use, and everything that must give no picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "forms/headless/headless_backend.h"
#include "support/temp_folder.h"

namespace forms {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

// Small picture files made with an image editor, for the decoder tests.
// PNG 3 x 2
constexpr unsigned char kPng3x2[] = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52,
    0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x01, 0x03, 0x00, 0x00, 0x00, 0xa7, 0xba, 0xf4,
    0x59, 0x00, 0x00, 0x00, 0x03, 0x50, 0x4c, 0x54, 0x45, 0xff, 0x00, 0x00, 0x19, 0xe2, 0x09, 0x37,
    0x00, 0x00, 0x00, 0x0c, 0x49, 0x44, 0x41, 0x54, 0x08, 0xd7, 0x63, 0x60, 0x60, 0x60, 0x00, 0x00,
    0x00, 0x04, 0x00, 0x01, 0x27, 0x34, 0x27, 0x0a, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44,
    0xae, 0x42, 0x60, 0x82,
};

// JPEG 5 x 4
constexpr unsigned char kJpeg5x4[] = {
    0xff, 0xd8, 0xff, 0xe0, 0x00, 0x10, 0x4a, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01,
    0x00, 0x01, 0x00, 0x00, 0xff, 0xdb, 0x00, 0x43, 0x00, 0x10, 0x0b, 0x0c, 0x0e, 0x0c, 0x0a, 0x10,
    0x0e, 0x0d, 0x0e, 0x12, 0x11, 0x10, 0x13, 0x18, 0x28, 0x1a, 0x18, 0x16, 0x16, 0x18, 0x31, 0x23,
    0x25, 0x1d, 0x28, 0x3a, 0x33, 0x3d, 0x3c, 0x39, 0x33, 0x38, 0x37, 0x40, 0x48, 0x5c, 0x4e, 0x40,
    0x44, 0x57, 0x45, 0x37, 0x38, 0x50, 0x6d, 0x51, 0x57, 0x5f, 0x62, 0x67, 0x68, 0x67, 0x3e, 0x4d,
    0x71, 0x79, 0x70, 0x64, 0x78, 0x5c, 0x65, 0x67, 0x63, 0xff, 0xdb, 0x00, 0x43, 0x01, 0x11, 0x12,
    0x12, 0x18, 0x15, 0x18, 0x2f, 0x1a, 0x1a, 0x2f, 0x63, 0x42, 0x38, 0x42, 0x63, 0x63, 0x63, 0x63,
    0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63,
    0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63,
    0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0xff, 0xc0,
    0x00, 0x11, 0x08, 0x00, 0x04, 0x00, 0x05, 0x03, 0x01, 0x22, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11,
    0x01, 0xff, 0xc4, 0x00, 0x15, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x06, 0xff, 0xc4, 0x00, 0x14, 0x10, 0x01, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0xc4,
    0x00, 0x15, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x04, 0x06, 0xff, 0xc4, 0x00, 0x14, 0x11, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0xda, 0x00, 0x0c, 0x03,
    0x01, 0x00, 0x02, 0x11, 0x03, 0x11, 0x00, 0x3f, 0x00, 0x8d, 0x01, 0x78, 0x2b, 0xff, 0xd9,
};

// GIF 7 x 3
constexpr unsigned char kGif7x3[] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x07, 0x00, 0x03, 0x00, 0xf0, 0x00, 0x00, 0x00, 0x80, 0x00,
    0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00,
    0x07, 0x00, 0x03, 0x00, 0x00, 0x02, 0x04, 0x84, 0x8f, 0xa9, 0x05, 0x00, 0x3b,
};

void Put16(Bytes& out, unsigned value) {
    out.push_back(value & 0xFF);
    out.push_back((value >> 8) & 0xFF);
}

void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutInfoHeader(Bytes& out, int width, int height, int bits, int compression,
                   std::size_t imageSize, int colours) {
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bits));
    Put32(out, static_cast<std::uint32_t>(compression));
    Put32(out, static_cast<std::uint32_t>(imageSize));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, static_cast<std::uint32_t>(colours));
    Put32(out, 0);
}

// A bitmap file around a header-less DIB body (palette and pixels).
Bytes BitmapFile(int width, int height, int bits, int compression, const Bytes& palette,
                 const Bytes& pixels) {
    Bytes file{'B', 'M'};
    const std::size_t offset = 14 + 40 + palette.size();
    Put32(file, static_cast<std::uint32_t>(offset + pixels.size()));
    Put32(file, 0);
    Put32(file, static_cast<std::uint32_t>(offset));
    PutInfoHeader(file, width, height, bits, compression, pixels.size(),
                  static_cast<int>(palette.size() / 4));
    file.insert(file.end(), palette.begin(), palette.end());
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

// 24 bits, 2 x 2: rows of 6 bytes padded to 8.
Bytes Bitmap24() {
    const Bytes pixels{0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0};
    return BitmapFile(2, 2, 24, 0, {}, pixels);
}

// 8 bits run-length encoded (BI_RLE8), 4 x 2.
Bytes BitmapRle8() {
    const Bytes palette{0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0};
    const Bytes runs{4, 1, 0, 0,   // four pixels of colour 1, end of line
                     4, 2, 0, 0,   // four pixels of colour 2, end of line
                     0, 1};        // end of bitmap
    return BitmapFile(4, 2, 8, 1, palette, runs);
}

// An icon file with one 16 x 16 image of 32 bits and its mask.
Bytes Icon16() {
    Bytes image;
    PutInfoHeader(image, 16, 32, 32, 0, 0, 0);  // height counts colour and mask
    for (int i = 0; i < 16 * 16; ++i) Put32(image, 0xFF808000);
    image.insert(image.end(), 16 * 4, 0);  // mask rows of 2 bytes padded to 4

    Bytes file;
    Put16(file, 0);
    Put16(file, 1);  // icon
    Put16(file, 1);  // one image
    file.push_back(16);
    file.push_back(16);
    file.push_back(0);
    file.push_back(0);
    Put16(file, 1);
    Put16(file, 32);
    Put32(file, static_cast<std::uint32_t>(image.size()));
    Put32(file, 6 + 16);
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

class HeadlessPicturesTest : public ::testing::Test {
protected:

    std::string Write(const std::string& name, const Bytes& bytes) {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    headless::Backend backend;
    test_support::TempFolder folder;
    fs::path dir = folder.Path();
};

struct Expected {
    const char* name;
    Bytes bytes;
    int width;
    int height;
    const char* format;
};

TEST_F(HeadlessPicturesTest, LoadsEveryFormatTheProgramsUseFromFileAndMemory) {
    const std::vector<Expected> cases{
        {"a.png", Bytes(std::begin(kPng3x2), std::end(kPng3x2)), 3, 2, "png"},
        {"a.jpg", Bytes(std::begin(kJpeg5x4), std::end(kJpeg5x4)), 5, 4, "jpeg"},
        {"a.gif", Bytes(std::begin(kGif7x3), std::end(kGif7x3)), 7, 3, "gif"},
        {"a.bmp", Bitmap24(), 2, 2, "bmp"},
        {"a.rle", BitmapRle8(), 4, 2, "bmp"},
        {"a.ico", Icon16(), 16, 16, "ico"},
    };
    for (const Expected& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = Write(c.name, c.bytes);
        const auto fromFile = backend.LoadPicture(path);
        ASSERT_TRUE(fromFile.has_value());
        EXPECT_EQ(fromFile->WidthPixels(), c.width);
        EXPECT_EQ(fromFile->HeightPixels(), c.height);
        EXPECT_EQ(fromFile->Data()->source, "file:" + path);
        const auto* data = dynamic_cast<const headless::PictureData*>(fromFile->Data());
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(data->format, c.format);

        const auto fromMemory = backend.LoadPictureFromMemory(c.bytes.data(), c.bytes.size());
        ASSERT_TRUE(fromMemory.has_value());
        EXPECT_EQ(fromMemory->WidthPixels(), c.width);
        EXPECT_EQ(fromMemory->Data()->source, "memory");
    }
}

TEST_F(HeadlessPicturesTest, GivesNothingForWhatIsNoReadablePicture) {
    const Bytes png(std::begin(kPng3x2), std::end(kPng3x2));
    const Bytes truncated(png.begin(), png.begin() + 40);
    // Header complete, image data cut: the decoder has a picture but reports the damage.
    const Bytes gif(std::begin(kGif7x3), std::end(kGif7x3));
    const Bytes cutGif(gif.begin(), gif.end() - 3);
    const std::string text = "Das ist kein Bild.\n";
    const Bytes portableBitmap{'P', '1', '\n', '2', ' ', '2', '\n', '0', ' ', '1', '\n',
                               '1', ' ', '0', '\n'};  // a format Windows cannot load

    EXPECT_FALSE(backend.LoadPicture(Write("kaputt.png", truncated)));
    EXPECT_FALSE(backend.LoadPicture(Write("kaputt.gif", cutGif)));
    EXPECT_FALSE(backend.LoadPicture(Write("text.bmp", Bytes(text.begin(), text.end()))));
    EXPECT_FALSE(backend.LoadPicture(Write("leer.gif", {})));
    EXPECT_FALSE(backend.LoadPicture(Write("bild.pbm", portableBitmap)));
    EXPECT_FALSE(backend.LoadPicture((dir / "fehlt.bmp").string()));
    fs::create_directory(dir / "ordner.bmp");
    EXPECT_FALSE(backend.LoadPicture((dir / "ordner.bmp").string()));
    EXPECT_FALSE(backend.LoadPicture(""));

    EXPECT_FALSE(backend.LoadPictureFromMemory(truncated.data(), truncated.size()));
    EXPECT_FALSE(backend.LoadPictureFromMemory(nullptr, 0));
    EXPECT_FALSE(backend.LoadPictureFromMemory(png.data(), 0));
}

TEST_F(HeadlessPicturesTest, FakePicturesCarryTheirSizeAndSource) {
    const Picture picture = headless::Backend::MakePicture(99, 227, "about");
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.WidthPixels(), 99);
    EXPECT_EQ(picture.HeightPixels(), 227);
    EXPECT_EQ(picture.Data()->source, "about");
    EXPECT_EQ(picture, Picture(picture));
    EXPECT_FALSE(picture == headless::Backend::MakePicture(99, 227, "about"));
}

}  // namespace
}  // namespace forms

#include "menu_fixture.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>

namespace menu::testing {

MenuTest::MenuTest() { services.programFolder = "D:\\menu"; }

MenuTest::~MenuTest() = default;

void MenuTest::WriteProject(const std::string& text) {
    const std::string path = WriteFile("kelvo.ini", text);
    std::string folder = services.programFolder;
    if (folder.back() != '\\') folder += '\\';
    services.profileFiles[folder + "kelvo.ini"] = path;
}

std::string MenuTest::WriteFile(const std::string& name, const std::string& bytes) {
    const std::string path = folder.WriteFile(name, bytes);
    services.existing.insert(path);
    return path;
}

namespace {

void Put16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void Put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// BITMAPINFOHEADER of an uncompressed bitmap.
void PutInfoHeader(std::string& out, int width, int height, int bitCount) {
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint16_t>(bitCount));
    for (int i = 0; i < 6; ++i) Put32(out, 0);
}

}  // namespace

std::string MenuTest::WriteBmp(const std::string& name, int widthPixels, int heightPixels) {
    const int rowBytes = (widthPixels * 3 + 3) / 4 * 4;
    const auto pixelBytes = static_cast<std::uint32_t>(rowBytes * heightPixels);
    std::string bmp = "BM";
    Put32(bmp, 54 + pixelBytes);
    Put32(bmp, 0);
    Put32(bmp, 54);
    PutInfoHeader(bmp, widthPixels, heightPixels, 24);
    bmp.append(pixelBytes, '\x40');
    return WriteFile(name, bmp);
}

std::string MenuTest::WriteIco(const std::string& name, int sizePixels) {
    const auto maskRow = static_cast<std::uint32_t>((sizePixels + 31) / 32 * 4);
    const auto image = static_cast<std::uint32_t>(40 + sizePixels * sizePixels * 4 +
                                                  maskRow * sizePixels);
    std::string ico;
    Put16(ico, 0);
    Put16(ico, 1);  // icon
    Put16(ico, 1);  // one image
    ico += static_cast<char>(sizePixels);
    ico += static_cast<char>(sizePixels);
    ico += '\0';
    ico += '\0';
    Put16(ico, 1);
    Put16(ico, 32);
    Put32(ico, image);
    Put32(ico, 22);
    PutInfoHeader(ico, sizePixels, 2 * sizePixels, 32);
    for (int i = 0; i < sizePixels * sizePixels; ++i) ico += std::string("\x20\x40\x60\xFF", 4);
    ico.append(maskRow * static_cast<std::uint32_t>(sizePixels), '\0');
    return WriteFile(name, ico);
}

int MenuTest::VisibleEntries() const {
    int count = 0;
    for (int i = 0; i < frmMain::ItemCount; ++i) {
        const bool button = main.cmdItem[i].Visible();
        EXPECT_EQ(button, main.lblItem[i].Visible()) << "entry " << i;
        count += button ? 1 : 0;
    }
    return count;
}

}  // namespace menu::testing

// The real programs on displays of 96, 120, 144 and 192 DPI (the prefix's
// LogPixels, which Wine gives a program when it starts): every control
// stands where its twips say at that DPI, and the pictures are drawn at
// their 96-DPI size times the scale, from the artwork nearest at or above.
#include <gtest/gtest.h>

#include <memory>

#include "program_probe.h"

namespace {

using probe::ChildWindow;

int Pixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }
int Scaled(int pixels96, int dpi) { return MulDiv(pixels96, dpi, 96); }

// An ico file with one opaque image per size, each of its colour, so that
// the screen tells which one a button draws.
std::string ColouredIco(const std::vector<std::pair<int, COLORREF>>& images) {
    std::string directory, bits;
    auto put16 = [](std::string& out, unsigned v) {
        out += static_cast<char>(v & 0xFF);
        out += static_cast<char>((v >> 8) & 0xFF);
    };
    auto put32 = [&](std::string& out, unsigned v) {
        put16(out, v & 0xFFFF);
        put16(out, v >> 16);
    };
    put16(directory, 0);
    put16(directory, 1);
    put16(directory, static_cast<unsigned>(images.size()));
    unsigned offset = static_cast<unsigned>(6 + 16 * images.size());
    for (const auto& [size, colour] : images) {
        const unsigned maskStride = (static_cast<unsigned>(size) + 31) / 32 * 4;
        const unsigned bytes = 40 + static_cast<unsigned>(size * size) * 4 + maskStride * size;
        directory += static_cast<char>(size);
        directory += static_cast<char>(size);
        directory += std::string(2, '\0');
        put16(directory, 1);
        put16(directory, 32);
        put32(directory, bytes);
        put32(directory, offset);
        offset += bytes;
        put32(bits, 40);
        put32(bits, static_cast<unsigned>(size));
        put32(bits, static_cast<unsigned>(size * 2));
        put16(bits, 1);
        put16(bits, 32);
        for (int i = 0; i < 6; ++i) put32(bits, 0);
        for (int i = 0; i < size * size; ++i) {
            bits += static_cast<char>(GetBValue(colour));
            bits += static_cast<char>(GetGValue(colour));
            bits += static_cast<char>(GetRValue(colour));
            bits += '\xFF';
        }
        bits += std::string(maskStride * static_cast<unsigned>(size), '\0');
    }
    return directory + bits;
}

constexpr COLORREF kRed = RGB(0xFF, 0, 0), kGreen = RGB(0, 0xFF, 0), kBlue = RGB(0, 0, 0xFF);

class AtDpi : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        // Wine takes the DPI from here when a program starts.
        const DWORD dpi = static_cast<DWORD>(GetParam());
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kDesktop, L"LogPixels", REG_DWORD, &dpi,
                                  sizeof dpi),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        program_.reset();
        folder_.reset();
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktop, L"LogPixels");
    }

    HWND Start(const std::wstring& exe, const std::wstring& captionPrefix) {
        program_ = std::make_unique<probe::Program>(folder_->Path() + L"\\" + exe, folder_->Path());
        return program_->WaitForWindow([&](const std::wstring&, const std::wstring& caption) {
            return caption.rfind(captionPrefix, 0) == 0;
        });
    }

    // A control's rectangle in its parent window.
    static RECT InParent(HWND control) {
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    void ExpectAt(HWND control, int left, int top, int width, int height) const {
        const int dpi = GetParam();
        const RECT rect = InParent(control);
        EXPECT_EQ(rect.left, Pixels(left, dpi));
        EXPECT_EQ(rect.top, Pixels(top, dpi));
        EXPECT_EQ(rect.right - rect.left, Pixels(width, dpi));
        EXPECT_EQ(rect.bottom - rect.top, Pixels(height, dpi));
    }

    static constexpr wchar_t kDesktop[] = L"Control Panel\\Desktop";
    std::unique_ptr<probe::TempFolder> folder_ = std::make_unique<probe::TempFolder>();
    std::unique_ptr<probe::Program> program_;
};

// The menu program: the entries' buttons and captions in place, an icon file
// of 16, 32 and 48 pixels drawn from the image nearest at or above the
// scaled 32 pixels, cut at the button's edges, and the default picture at
// the scaled 16 pixels.
TEST_P(AtDpi, MenuProgram) {
    const int dpi = GetParam();
    folder_->CopyIn(probe::OwnFolder() + L"\\kelvo.exe", L"kelvo.exe");
    folder_->WriteFile(L"sizes.ico", ColouredIco({{16, kRed}, {32, kGreen}, {48, kBlue}}));
    folder_->WriteFile(L"kelvo.ini",
                       "[General]\r\nName=DPI\r\nItems=6\r\nColorPic=True\r\n"
                       "[Item1]\r\ntxt=Symbol\r\nicon=sizes.ico\r\n[Item2]\r\ntxt=Ohne\r\n"
                       "[Item3]\r\n[Item4]\r\n[Item5]\r\n[Item6]\r\ntxt=Sechster\r\n");
    HWND menu = Start(L"kelvo.exe", L"Orlimar - ");
    ASSERT_NE(menu, nullptr);
    RECT client;
    GetClientRect(menu, &client);
    EXPECT_EQ(client.right, Pixels(9525, dpi));
    EXPECT_EQ(client.bottom, Pixels(4080, dpi));

    std::vector<HWND> buttons;
    for (const ChildWindow& child : probe::Children(menu))
        if (child.className == L"Button" && child.text.empty()) buttons.push_back(child.handle);
    ASSERT_GE(buttons.size(), 6u);
    ExpectAt(buttons[0], 240, 240, 375, 375);
    ExpectAt(buttons[5], 4800, 240, 375, 375);

    const int inside = Pixels(375, dpi) - 4;  // within the raised edge
    const auto icon = probe::ReadPicture(buttons[0]);
    ASSERT_TRUE(icon.has_value());
    EXPECT_EQ(icon->size.cx, std::min(Scaled(32, dpi), inside));
    EXPECT_EQ(icon->middle, dpi == 96 ? kGreen : kBlue) << "the image drawn";
    const auto standard = probe::ReadPicture(buttons[1]);
    ASSERT_TRUE(standard.has_value());
    EXPECT_EQ(standard->size.cx, Scaled(16, dpi));

    const ChildWindow* caption = probe::Find(probe::Children(menu), L"Static", L"Symbol");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->rect.left, Pixels(840, dpi));
    EXPECT_EQ(caption->rect.top, Pixels(240, dpi));
}

// The editor: the name field where its twips say, the toolbar's pictures
// and buttons, the selector's pictures and the tree's at the scaled sizes.
TEST_P(AtDpi, Editor) {
    const int dpi = GetParam();
    folder_->CopyIn(probe::OwnFolder() + L"\\admin.exe", L"admin.exe");
    HWND main = Start(L"admin.exe", L"Orlimar Pavonel Admin 98");
    ASSERT_NE(main, nullptr);
    const auto all = probe::Descendants(main);
    const ChildWindow* label = probe::Find(all, L"Static", L"&Wie hei\u00dft Ihr Projekt:");
    ASSERT_NE(label, nullptr);
    ExpectAt(GetWindow(label->handle, GW_HWNDNEXT), 120, 480, 5055, 350);

    HWND toolbar = nullptr;
    std::vector<HWND> selector;
    for (const ChildWindow& child : all) {
        if (child.className == L"ToolbarWindow32") toolbar = child.handle;
        if (child.className == L"Button" && child.text.empty() && selector.size() < 4)
            selector.push_back(child.handle);
    }
    ASSERT_NE(toolbar, nullptr);
    const auto images = probe::ReadPicture(toolbar);
    ASSERT_TRUE(images.has_value());
    EXPECT_EQ(images->size.cx, Scaled(16, dpi));
    EXPECT_EQ(images->size.cy, Scaled(16, dpi));
    const DWORD button = static_cast<DWORD>(SendMessageW(toolbar, TB_GETBUTTONSIZE, 0, 0));
    EXPECT_GE(LOWORD(button), Scaled(16, dpi)) << "buttons grow with their pictures";

    ASSERT_EQ(selector.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const auto picture = probe::ReadPicture(selector[static_cast<std::size_t>(i)]);
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->size.cx, Scaled(24, dpi));
        EXPECT_EQ(picture->size.cy, Scaled(24, dpi));
        ExpectAt(selector[static_cast<std::size_t>(i)], 240, 240 + 1080 * i, 615, 495);
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, AtDpi, ::testing::Values(96, 120, 144, 192));

}  // namespace

// The real menu program, started from a temporary folder that holds a copy
// of kelvo.exe and a project file, inspected through its windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "program_probe.h"

namespace {

using probe::ChildWindow;

constexpr wchar_t kMenuClassCaptionPrefix[] = L"Orlimar - ";

// A project with six entries; entry 2 has a command that does not exist.
const char kSixEntries[] =
    "[General]\r\nName=Testmen\xfc\r\nItems=6\r\nColorPic=True\r\n"
    "[Item1]\r\ntxt=Erster\r\ncommand=\\gibtsnicht.exe /s\r\n"
    "[Item2]\r\ntxt=Zweiter\r\n"
    "[Item3]\r\ntxt=Dritter\r\n[Item4]\r\ntxt=Vierter\r\n[Item5]\r\ntxt=F\xfcnfter\r\n"
    "[Item6]\r\ntxt=Sechster\r\n";

class KelvoProcess : public ::testing::Test {
protected:
    // Stages kelvo.exe and the project file (none when project is null) and
    // starts the program.
    void Start(const char* project) {
        if (project)
            Start(std::string(project));
        else
            Stage(nullptr);
    }
    // The project file's bytes (a Unicode file holds NUL bytes).
    void Start(const std::string& project) { Stage(&project); }
    void Stage(const std::string* project) {
        folder_ = std::make_unique<probe::TempFolder>();
        folder_->CopyIn(probe::OwnFolder() + L"\\kelvo.exe", L"kelvo.exe");
        if (project) folder_->WriteFile(L"kelvo.ini", *project);
        program_ = std::make_unique<probe::Program>(folder_->Path() + L"\\kelvo.exe",
                                                    folder_->Path());
    }

    HWND WaitForMenu() {
        return program_->WaitForWindow([](const std::wstring&, const std::wstring& caption) {
            return caption.rfind(kMenuClassCaptionPrefix, 0) == 0;
        });
    }

    static std::vector<ChildWindow> Visible(const std::vector<ChildWindow>& children,
                                            const std::wstring& className) {
        std::vector<ChildWindow> result;
        for (const ChildWindow& child : children)
            if (child.visible && _wcsicmp(child.className.c_str(), className.c_str()) == 0)
                result.push_back(child);
        return result;
    }

    static const ChildWindow* WithText(const std::vector<ChildWindow>& children,
                                       const std::wstring& text) {
        for (const ChildWindow& child : children)
            if (child.text == text) return &child;
        return nullptr;
    }

    void TearDown() override {
        program_.reset();
        folder_.reset();
    }

    std::unique_ptr<probe::TempFolder> folder_;
    std::unique_ptr<probe::Program> program_;
};

// Twips of the design at 96 DPI (15 twips a pixel), rounded; sizes may be
// one pixel off by rounding.
void ExpectRect(const RECT& rect, int left, int top, int width, int height) {
    EXPECT_NEAR(rect.left, left, 1);
    EXPECT_NEAR(rect.top, top, 1);
    EXPECT_NEAR(rect.right - rect.left, width, 1);
    EXPECT_NEAR(rect.bottom - rect.top, height, 1);
}

TEST_F(KelvoProcess, TwoColumnMenuShowsEntriesAndButtonsInPlace) {
    Start(kSixEntries);
    HWND menu = WaitForMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(probe::WindowText(menu), L"Orlimar - Testmen\u00fc");

    const SIZE client = probe::ClientSize(menu);
    EXPECT_EQ(client.cx, 635);  // 9525 twips
    EXPECT_EQ(client.cy, 272);  // 4080 twips

    const auto children = probe::Children(menu);
    const auto buttons = Visible(children, L"Button");
    // Six entry buttons and the three fixed ones.
    ASSERT_EQ(buttons.size(), 9u);
    const wchar_t* captions[] = {L"Erster", L"Zweiter", L"Dritter", L"Vierter", L"F\u00fcnfter",
                                 L"Sechster"};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const int left = i < 5 ? 16 : 320;
        const int top = 16 + 32 * (i % 5);
        const ChildWindow* label = WithText(Visible(children, L"Static"), captions[i]);
        ASSERT_NE(label, nullptr);
        EXPECT_NEAR(label->rect.left, left + 40, 1);
        EXPECT_NEAR(label->rect.top, top, 1);
        const auto entry = std::find_if(buttons.begin(), buttons.end(), [&](const ChildWindow& b) {
            return std::abs(b.rect.left - left) <= 1 && std::abs(b.rect.top - top) <= 1;
        });
        ASSERT_NE(entry, buttons.end());
        ExpectRect(entry->rect, left, top, 25, 25);
    }
    const ChildWindow* explore = WithText(buttons, L"&CD-Inhalt");
    const ChildWindow* info = WithText(buttons, L"&\u00dcber...");
    const ChildWindow* end = WithText(buttons, L"&Ende");
    ASSERT_TRUE(explore && info && end);
    ExpectRect(explore->rect, 16, 240, 81, 25);
    ExpectRect(info->rect, 104, 240, 81, 25);
    ExpectRect(end->rect, 192, 240, 81, 25);
    // "&Über..." is the default button at start.
    EXPECT_TRUE(GetWindowLongW(info->handle, GWL_STYLE) & BS_DEFPUSHBUTTON);

    // "&Ende" ends the program at once.
    PostMessageW(end->handle, BM_CLICK, 0, 0);
    EXPECT_TRUE(program_->WaitForExit());
}

TEST_F(KelvoProcess, FiveEntriesOrFewerGiveTheNarrowWindowAndTheCloseBoxEnds) {
    Start("[General]\r\nName=Schmal\r\nItems=3\r\n");
    HWND menu = WaitForMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(probe::OuterSize(menu).cx, 400);  // 6000 twips
    EXPECT_EQ(Visible(probe::Children(menu), L"Button").size(), 3u + 3u);
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program_->WaitForExit());
}

TEST_F(KelvoProcess, MissingCommandIsReportedUnderTheWindowCaption) {
    Start(kSixEntries);
    HWND menu = WaitForMenu();
    ASSERT_NE(menu, nullptr);
    const auto buttons = Visible(probe::Children(menu), L"Button");
    const auto first = std::find_if(buttons.begin(), buttons.end(), [](const ChildWindow& b) {
        return std::abs(b.rect.left - 16) <= 1 && std::abs(b.rect.top - 16) <= 1;
    });
    ASSERT_NE(first, buttons.end());
    PostMessageW(first->handle, BM_CLICK, 0, 0);

    HWND box = program_->WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(probe::WindowText(box), L"Orlimar - Testmen\u00fc");
    const std::wstring text = probe::MessageBoxText(box);
    // The drive of the program's folder stands in front of the command's file part.
    EXPECT_EQ(text.substr(0, 7), L"Datei '");
    EXPECT_NE(text.find(L":\\gibtsnicht.exe' nicht gefunden!"), std::wstring::npos) << text;
    probe::DismissMessageBox(box);
    // The menu stays open.
    EXPECT_FALSE(program_->WaitForExit(300));
}

TEST_F(KelvoProcess, MissingSplashPictureIsReportedAndTheMenuStillOpens) {
    Start("[General]\r\nName=Splash\r\nItems=1\r\nSplashPic=\\fehlt.bmp\r\n");
    HWND box = program_->WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(probe::WindowText(box), L"Orlimar - Splash");
    const std::wstring text = probe::MessageBoxText(box);
    EXPECT_EQ(text.substr(0, 8), L"Grafik '");
    EXPECT_NE(text.find(L":\\fehlt.bmp' konnt nicht gefunden werden!"), std::wstring::npos)
        << text;
    probe::DismissMessageBox(box);
    EXPECT_NE(WaitForMenu(), nullptr);
}

TEST_F(KelvoProcess, WithoutProjectFileTheDefaultMenuHasOneEmptyEntry) {
    Start(nullptr);
    HWND menu = WaitForMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(probe::WindowText(menu), L"Orlimar - Pavonel");
    const auto children = probe::Children(menu);
    EXPECT_EQ(Visible(children, L"Button").size(), 1u + 3u);
    const auto labels = Visible(children, L"Static");
    const auto entryLabel = std::find_if(labels.begin(), labels.end(), [](const ChildWindow& l) {
        return std::abs(l.rect.left - 56) <= 1 && std::abs(l.rect.top - 16) <= 1;
    });
    ASSERT_NE(entryLabel, labels.end());
    EXPECT_EQ(entryLabel->text, L"");
}

// Texts as the editor saves them: umlauts beyond the room are cut at the
// room in characters; a project with characters beyond the code page is
// Unicode text and shows them as typed; quotes keep blanks at the ends.
TEST_F(KelvoProcess, TextsShowAsSavedCutToTheirRoomInCharacters) {
    std::string umlauts;
    for (int i = 0; i < 150; ++i) umlauts += '\xE4';
    Start("[General]\r\nName=" + umlauts + "\r\nItems=1\r\n[Item1]\r\ntxt=\" Eins \"\r\n");
    HWND menu = WaitForMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(probe::WindowText(menu), kMenuClassCaptionPrefix + std::wstring(99, L'\u00e4'));
    EXPECT_NE(WithText(probe::Descendants(menu), L" Eins "), nullptr);
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program_->WaitForExit());

    std::string unicode = "\xFF\xFE";
    for (const char16_t unit : std::u16string(u"[General]\r\nName=\u0141\u00f3d\u017a\r\nItems=1\r\n"
                                               u"[Item1]\r\ntxt=\u03a9 \u2192 \u0142\r\n")) {
        unicode += static_cast<char>(unit & 0xFF);
        unicode += static_cast<char>(unit >> 8);
    }
    Start(unicode);
    menu = WaitForMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(probe::WindowText(menu), std::wstring(kMenuClassCaptionPrefix) + L"\u0141\u00f3d\u017a");
    EXPECT_NE(WithText(probe::Descendants(menu), L"\u03a9 \u2192 \u0142"), nullptr);
}

}  // namespace

// The real editor admin.exe, started from a temporary folder that holds a
// copy of it, used through its windows as a user or a screen reader would:
// captions, menus, real keys and mouse moves, the common dialogs, message
// boxes, and the project files it writes.
#include "program_probe.h"

#include "kelvo_version.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "forms/win32/edit.h"
#include "forms/win32/toolbar.h"
#include "forms/win32/tree_view.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <thread>

namespace {

using probe::ChildWindow;
// Wrappers of the controls' messages; those without pointer arguments work
// across processes as they are.
namespace native = forms::win32::native;

constexpr wchar_t kCaption[] = L"Orlimar Pavonel Admin 98";
constexpr wchar_t kOpenTitle[] = L"Vorhandenes Projekt \u00f6ffnen";
constexpr wchar_t kSaveTitle[] = L"Projekt speichern unter";
constexpr wchar_t kFile[] = L"&Datei";
constexpr wchar_t kView[] = L"&Ansicht";
constexpr wchar_t kSaveAs[] = L"Speichern unter";
constexpr wchar_t kNameLabel[] = L"&Wie hei\u00dft Ihr Projekt:";

// Every key of [General] and three entries, some keys left out; the name
// has an umlaut (Windows-1252).
const char kFair[] =
    "[General]\r\nName=Messe K\xf6ln\r\nItems=3\r\nBackColor=32768\r\nForeColor=16777215\r\n"
    "HighColor=65535\r\nFontSize=12\r\nFont=Arial\r\nBackgroundPic=\r\nColorPic=True\r\n"
    "SplashPic=\\splash.bmp\r\nSplashTime=5\r\nSourceDir=C:\\cd\r\n"
    "[Item1]\r\nCommand=\\docs\\liesmich.txt\r\nDesc=Hinweise zur CD\r\nIcon=\\icons\\doc.ico\r\n"
    "txt=Lies mich!\r\n"
    "[Item2]\r\nCommand=http://www.orlimar.example/\r\ntxt=Homepage\r\n"
    "[Item3]\r\nDesc=Die aktuellen Preise\r\ntxt=Preise\r\n";

// The non-empty lines of an INI file, without line ends.
std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

class AdminProcess : public ::testing::Test {
protected:
    // Stages admin.exe and starts it; main_ is its main window.
    void Start() {
        folder_ = std::make_unique<probe::TempFolder>();
        folder_->CopyIn(probe::OwnFolder() + L"\\admin.exe", L"admin.exe");
        program_ = std::make_unique<probe::Program>(folder_->Path() + L"\\admin.exe",
                                                    folder_->Path());
        main_ = program_->WaitForWindow(
            [](const std::wstring&, const std::wstring& caption) { return caption == kCaption; });
    }

    std::wstring PathOf(const std::wstring& name) const { return folder_->Path() + L"\\" + name; }

    // The first control of the main window with this class and text.
    HWND Control(const std::wstring& className, const std::wstring& text) const {
        const auto all = probe::Descendants(main_);
        const ChildWindow* found = probe::Find(all, className, text);
        return found ? found->handle : nullptr;
    }

    HWND FirstOfClass(const std::wstring& className) const {
        for (const ChildWindow& child : probe::Descendants(main_))
            if (_wcsicmp(child.className.c_str(), className.c_str()) == 0) return child.handle;
        return nullptr;
    }

    HWND StatusBar() const { return FirstOfClass(L"msctls_statusbar32"); }

    // The field a label names is the window after it, as the label's
    // access key and a screen reader take it.
    HWND NameField() const {
        HWND label = Control(L"Static", kNameLabel);
        return label ? GetWindow(label, GW_HWNDNEXT) : nullptr;
    }

    // Types text into an edit control: WM_SETTEXT makes it notify its
    // parent of the change as typing does.
    static void Type(HWND edit, const std::wstring& text) {
        native::Edit(edit).SetText(text.c_str());
    }

    // Chooses a menu entry by its title and text; false when there is none.
    bool Choose(const std::wstring& title, const std::wstring& entry) const {
        const auto bar = probe::ReadMenuBar(main_);
        const probe::MenuEntry* found = probe::FindMenuEntry(bar, title, entry);
        if (!found) return false;
        probe::ChooseMenuEntry(main_, *found);
        return true;
    }

    // The view menu's entries that carry a check mark, one string.
    std::wstring CheckedViewEntries() const {
        std::wstring checked;
        for (const probe::MenuTitle& title : probe::ReadMenuBar(main_))
            if (title.text == kView)
                for (const probe::MenuEntry& entry : title.entries)
                    if (entry.Checked()) checked += entry.text + L";";
        return checked;
    }

    // Fills the open or save dialog with this caption and confirms it.
    ::testing::AssertionResult SubmitDialog(const std::wstring& caption,
                                            const std::wstring& path) const {
        HWND dialog = program_->WaitForDialog(caption);
        if (!dialog) return ::testing::AssertionFailure() << "no dialog";
        if (!probe::SubmitFileDialog(dialog, path))
            return ::testing::AssertionFailure() << "no file name field";
        if (!probe::WaitUntil([&] { return !IsWindowVisible(dialog); }, 5000))
            return ::testing::AssertionFailure() << "the dialog stays";
        return ::testing::AssertionSuccess();
    }

    bool StatusShows(const std::wstring& text) const {
        return probe::WaitUntil([&] { return probe::WindowText(StatusBar()) == text; }, 5000);
    }

    // ---- The page of the entries -------------------------------------------------
    HWND Tree() const { return FirstOfClass(L"SysTreeView32"); }

    // The item of field (0 "Text" to 3 "Icon") of entry (0 to 9), its entry
    // expanded; the items are asked for by handle, which needs no memory in
    // the program.
    HTREEITEM FieldItem(int entry, int field) const {
        native::TreeView tree(Tree());
        HTREEITEM item = tree.Child(tree.Root());
        for (int i = 0; i < entry && item; ++i) item = tree.NextSibling(item);
        if (!item) return nullptr;
        tree.Expand(item, TVE_EXPAND);
        item = tree.Child(item);
        for (int i = 0; i < field && item; ++i) item = tree.NextSibling(item);
        return item;
    }

    // Clicks a tree item with the mouse, as the user chooses a field.
    // Two clicks on one spot within the double-click time are a double
    // click, which the tree takes for opening or closing the item rather
    // than for choosing it: a click on the spot of the one before goes
    // beside it, still on the item's text.
    bool ClickTreeItem(HTREEITEM item) {
        native::TreeView tree(Tree());
        if (!item) return false;
        tree.EnsureVisible(item);
        auto rect = probe::TreeItemRect(tree.Handle(), item);
        if (!rect) return false;
        POINT point = probe::ScreenPoint(tree.Handle(), *rect);
        const int apart = GetSystemMetrics(SM_CXDOUBLECLK);
        if (std::abs(point.x - lastTreeClick_.x) < apart &&
            std::abs(point.y - lastTreeClick_.y) < apart) {
            OffsetRect(&*rect, (rect->right - rect->left) / 4, 0);
            point = probe::ScreenPoint(tree.Handle(), *rect);
        }
        lastTreeClick_ = point;
        probe::MoveMouse(point);
        probe::Click();
        return true;
    }

    // The edit box below the tree, which shows the chosen field.
    HWND FieldBox() const {
        HWND tree = Tree();
        if (!tree) return nullptr;
        for (const ChildWindow& child : probe::Children(GetParent(tree)))
            if (child.className == L"Edit") return child.handle;
        return nullptr;
    }

    // The window that has the keyboard focus in the editor.
    HWND Focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &info);
        return info.hwndFocus;
    }

    // ---- Pages ----------------------------------------------------------------------
    struct PageMark {
        const wchar_t* viewEntry;
        const wchar_t* className;  // a control that only this page has
        const wchar_t* text;
    };
    static constexpr PageMark kPages[] = {
        {L"&Allgemein\tStrg+A", L"Static", kNameLabel},
        {L"&Farben\tStrg+F", L"Button", L"&Text"},
        {L"&Eintr\u00e4ge\tStrg+E", L"SysTreeView32", L""},
        {L"&Test\tStrg+T", L"Button", L"Jetzt &testen!"},
    };
    bool PageVisible(int page) const {
        HWND mark = Control(kPages[page].className, kPages[page].text);
        return mark && IsWindowVisible(mark);
    }
    // Only this page shows, and the view menu's one check mark names it.
    bool IsShown(int shown) const {
        for (int page = 0; page < 4; ++page)
            if (PageVisible(page) != (page == shown)) return false;
        return CheckedViewEntries() == std::wstring(kPages[shown].viewEntry) + L";";
    }
    void ExpectShown(int shown) const {
        SCOPED_TRACE(shown);
        probe::WaitUntil([&] { return IsShown(shown); }, 5000);
        for (int page = 0; page < 4; ++page) EXPECT_EQ(PageVisible(page), page == shown) << page;
        EXPECT_EQ(CheckedViewEntries(), std::wstring(kPages[shown].viewEntry) + L";");
    }

    void TearDown() override {
        program_.reset();
        folder_.reset();
    }

    std::unique_ptr<probe::TempFolder> folder_;
    std::unique_ptr<probe::Program> program_;
    HWND main_ = nullptr;
    POINT lastTreeClick_{-1000, -1000};  // on the screen
};

TEST_F(AdminProcess, MainWindowShowsItsFrameMenusAndEmptyProject) {
    Start();
    ASSERT_NE(main_, nullptr);
    // 6855 x 5235 twips at 15 twips a pixel.
    const SIZE client = probe::ClientSize(main_);
    EXPECT_NEAR(client.cx, 457, 1);
    EXPECT_NEAR(client.cy, 349, 1);
    EXPECT_EQ(probe::WindowText(StatusBar()), L"Neues Projekt");
    EXPECT_EQ(probe::WindowText(NameField()), L"Project XY");

    const auto bar = probe::ReadMenuBar(main_);
    const std::vector<std::pair<std::wstring, std::vector<std::wstring>>> expected = {
        {L"&Datei",
         {L"&Neu\tStrg+N", L"&\u00d6ffnen\tStrg+O", L"&Speichern\tStrg+S", L"Speichern unter", L"-",
          L"&Beenden\tStrg+Q"}},
        {L"&Ansicht",
         {L"&Allgemein\tStrg+A", L"&Farben\tStrg+F", L"&Eintr\u00e4ge\tStrg+E", L"&Test\tStrg+T"}},
        {L"&Extras",
         {L"&Laufwerks-Assistent\tStrg+L", L"-", L"&Optionen", L"-", L"CD-Ordner &pr\u00fcfen...",
          L"CD-&Abbild erstellen..."}},
        {L"&?", {L"&Hilfethemen", L"-", L"&Info\tStrg+I"}},
    };
    ASSERT_EQ(bar.size(), expected.size()) << "menu bar not readable";
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(bar[i].text, expected[i].first);
        std::vector<std::wstring> entries;
        for (const probe::MenuEntry& entry : bar[i].entries) {
            entries.push_back(entry.text);
            EXPECT_EQ(entry.state & MF_GRAYED, 0u) << entry.text;
        }
        EXPECT_EQ(entries, expected[i].second);
    }
    EXPECT_EQ(CheckedViewEntries(), L"&Allgemein\tStrg+A;");

    // On the page of the entries: the project, ten entries and their four
    // fields each. (A page's windows are made when it is first shown.)
    ASSERT_TRUE(Choose(kView, L"&Eintr\u00e4ge\tStrg+E"));
    HWND tree = nullptr;
    ASSERT_TRUE(probe::WaitUntil([&] { return (tree = Tree()) != nullptr; }, 5000));
    EXPECT_EQ(native::TreeView(tree).Count(), 51);
}

// Each route to a page brings exactly that page's controls to view and
// moves the view menu's check mark there.
TEST_F(AdminProcess, MenuShortcutsAndSelectorSwitchPages) {
    Start();
    ASSERT_NE(main_, nullptr);
    HWND name = NameField();
    ASSERT_NE(name, nullptr);

    // The menu entry's command.
    ASSERT_TRUE(Choose(kView, kPages[1].viewEntry));
    ExpectShown(1);
    EXPECT_FALSE(IsWindowVisible(name));

    // Real keys to the window in front: Ctrl+E and Ctrl+T.
    ASSERT_TRUE(probe::BringToFront(main_)) << "the window cannot come to the front";
    probe::PressKeysUntil(main_, {VK_CONTROL, 'E'}, [&] { return IsShown(2); });
    ExpectShown(2);
    probe::PressKeysUntil(main_, {VK_CONTROL, 'T'}, [&] { return IsShown(3); });
    ExpectShown(3);

    // A real click on the first picture button of the selector strip.
    HWND selectorLabel = Control(L"Static", L"Allgemein");
    ASSERT_NE(selectorLabel, nullptr);
    HWND strip = GetParent(selectorLabel);
    HWND firstButton = nullptr;
    for (const ChildWindow& child : probe::Children(strip))
        if (child.className == L"Button" && !firstButton) firstButton = child.handle;
    ASSERT_NE(firstButton, nullptr);
    RECT button{};
    GetClientRect(firstButton, &button);
    probe::MoveMouse(probe::ScreenPoint(firstButton, button));
    probe::Click();
    ExpectShown(0);
}

// With the focus in the tree or in the field box below it, the shortcuts
// and the view menu bring the page asked for, with its one check mark, and
// the focus goes along into that page.
TEST_F(AdminProcess, PagesSwitchWhileAFieldOfTheEntriesHasTheFocus) {
    Start();
    ASSERT_NE(main_, nullptr);
    ASSERT_TRUE(Choose(kView, kPages[2].viewEntry));
    ASSERT_TRUE(probe::WaitUntil([&] { return Tree() && IsWindowVisible(Tree()); }, 5000));
    ASSERT_TRUE(probe::BringToFront(main_));

    // The tree has the focus: Ctrl+T.
    ASSERT_TRUE(ClickTreeItem(FieldItem(0, 0)));
    ASSERT_TRUE(probe::WaitUntil([&] { return FieldBox() && IsWindowVisible(FieldBox()); }, 5000));
    ASSERT_TRUE(probe::WaitUntil([&] { return Focus() == Tree(); }, 5000));
    probe::PressKeysUntil(main_, {VK_CONTROL, 'T'}, [&] { return IsShown(3); });
    ExpectShown(3);
    EXPECT_TRUE(IsWindowVisible(Focus())) << "the focus went along to the page in front";

    // The field box has the focus: Ctrl+F.
    probe::PressKeysUntil(main_, {VK_CONTROL, 'E'}, [&] { return IsShown(2); });
    ExpectShown(2);
    HWND box = FieldBox();
    ASSERT_TRUE(box && IsWindowVisible(box));
    RECT inside{};
    GetClientRect(box, &inside);
    probe::MoveMouse(probe::ScreenPoint(box, inside));
    probe::Click();
    ASSERT_TRUE(probe::WaitUntil([&] { return Focus() == box; }, 5000));
    probe::PressKeysUntil(main_, {VK_CONTROL, 'F'}, [&] { return IsShown(1); });
    ExpectShown(1);
    EXPECT_TRUE(IsWindowVisible(Focus()));

    // The tree has the focus: "Ansicht", "Test" from the menu.
    probe::PressKeysUntil(main_, {VK_CONTROL, 'E'}, [&] { return IsShown(2); });
    ASSERT_TRUE(ClickTreeItem(FieldItem(1, 2)));
    ASSERT_TRUE(probe::WaitUntil([&] { return Focus() == Tree(); }, 5000));
    ASSERT_TRUE(Choose(kView, kPages[3].viewEntry));
    ExpectShown(3);
}

// The field box after Open shows nothing of the project that went: hidden
// until a field is chosen, then the opened project's value, which the
// next save writes with what was typed.
TEST_F(AdminProcess, OpenLeavesNothingOfTheOldProjectInTheFieldBox) {
    Start();
    ASSERT_NE(main_, nullptr);
    folder_->WriteFile(L"neu.ini", "[General]\r\nName=Neu\r\nItems=1\r\n[Item1]\r\ntxt=Neu\r\n");
    ASSERT_TRUE(Choose(kView, kPages[2].viewEntry));
    ASSERT_TRUE(probe::WaitUntil([&] { return Tree() && IsWindowVisible(Tree()); }, 5000));
    ASSERT_TRUE(probe::BringToFront(main_));
    ASSERT_TRUE(ClickTreeItem(FieldItem(0, 0)));
    ASSERT_TRUE(probe::WaitUntil([&] { return FieldBox() && IsWindowVisible(FieldBox()); }, 5000));
    Type(FieldBox(), L"Alt");

    ASSERT_TRUE(Choose(kFile, L"&\u00d6ffnen\tStrg+O"));
    HWND prompt = program_->WaitForMessageBox(L"Beenden");
    ASSERT_NE(prompt, nullptr);
    ASSERT_TRUE(probe::PressButton(prompt, IDNO));
    ASSERT_TRUE(SubmitDialog(kOpenTitle, PathOf(L"neu.ini")));
    ASSERT_TRUE(StatusShows(PathOf(L"neu.ini")));

    ASSERT_TRUE(Choose(kView, kPages[2].viewEntry));
    ExpectShown(2);
    EXPECT_FALSE(IsWindowVisible(FieldBox())) << "the field box shows \""
                                              << probe::WindowText(FieldBox()).size() << "\"";
    ASSERT_TRUE(probe::BringToFront(main_));
    ASSERT_TRUE(ClickTreeItem(FieldItem(0, 0)));
    ASSERT_TRUE(probe::WaitUntil([&] { return IsWindowVisible(FieldBox()) != 0; }, 5000));
    EXPECT_EQ(probe::WindowText(FieldBox()), L"Neu");
    Type(FieldBox(), L"Neu!");
    std::string saved;
    EXPECT_TRUE(probe::PressKeysUntil(main_, {VK_CONTROL, 'S'}, [&] {
        saved = probe::ReadFileBytes(PathOf(L"neu.ini")).value_or("");
        return saved.find("txt=Neu!") != std::string::npos;
    }));
    EXPECT_EQ(saved.find("Alt"), std::string::npos);
}

// The preview on page "Farben" shows the project's background colour
// (8421376, 0x808000, teal), the one a save writes: at start as after
// "&Neu". Read from the screen, left of the centred sample caption.
TEST_F(AdminProcess, PreviewShowsTheNewProjectsBackgroundColour) {
    Start();
    ASSERT_NE(main_, nullptr);
    ASSERT_TRUE(Choose(kView, L"&Farben\tStrg+F"));
    HWND sample = Control(L"Static", L"Orlimar - for a better working");
    ASSERT_NE(sample, nullptr);
    ASSERT_TRUE(probe::WaitUntil([&] { return IsWindowVisible(sample) != 0; }, 5000));
    HWND preview = GetParent(sample);
    RECT inside{};
    GetClientRect(preview, &inside);
    const RECT spot{8, inside.bottom / 2, 10, inside.bottom / 2 + 2};
    const COLORREF teal = RGB(0, 128, 128);
    auto shows = [&](COLORREF& seen) {
        return probe::WaitUntil(
            [&] {
                seen = probe::ScreenColor(probe::ScreenPoint(preview, spot));
                return seen == teal;
            },
            3000);
    };
    COLORREF seen = 0;
    EXPECT_TRUE(shows(seen)) << "at start: 0x" << std::hex << seen;

    ASSERT_TRUE(Choose(kFile, L"&Neu\tStrg+N"));
    ASSERT_TRUE(Choose(kView, L"&Farben\tStrg+F"));
    EXPECT_TRUE(shows(seen)) << "after New: 0x" << std::hex << seen;
}

TEST_F(AdminProcess, ToolbarButtonsShowTheirTooltipsUnderTheMouse) {
    Start();
    ASSERT_NE(main_, nullptr);
    const native::Toolbar toolbar(FirstOfClass(L"ToolbarWindow32"));
    ASSERT_NE(toolbar.Handle(), nullptr);
    HWND tips = toolbar.ToolTips();
    ASSERT_NE(tips, nullptr);
    const wchar_t* const expected[] = {L"Neu", L"Datei \u00f6ffnen", L"Speichern",
                                       L"Laufwerksassistent", L"\u00dcber..."};
    ASSERT_EQ(toolbar.ButtonCount(), 5);
    ASSERT_TRUE(probe::BringToFront(main_));
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const auto rect = probe::ToolbarButtonRect(toolbar.Handle(), i);
        ASSERT_TRUE(rect.has_value());
        probe::MoveMouse(probe::ScreenPoint(toolbar.Handle(), *rect));
        std::wstring shown;
        EXPECT_TRUE(probe::WaitUntil(
            [&] {
                shown = probe::WindowText(tips);
                return IsWindowVisible(tips) && shown == expected[i];
            },
            5000))
            << "tooltip \"" << shown << "\", visible " << IsWindowVisible(tips);
    }
}

TEST_F(AdminProcess, OpenedProjectIsSavedUnderANewNameThroughTheDialogs) {
    Start();
    ASSERT_NE(main_, nullptr);
    folder_->WriteFile(L"messe.ini", kFair);
    ASSERT_TRUE(Choose(kFile, L"&\u00d6ffnen\tStrg+O"));
    ASSERT_TRUE(SubmitDialog(kOpenTitle, PathOf(L"messe.ini")));
    EXPECT_TRUE(StatusShows(PathOf(L"messe.ini")));
    HWND name = NameField();
    EXPECT_EQ(probe::WindowText(name), L"Messe K\u00f6ln");
    // The count of entries appears beside its spin control.
    EXPECT_NE(Control(L"Static", L"3"), nullptr);

    Type(name, L"Messe D\u00fcsseldorf");
    ASSERT_TRUE(Choose(kFile, kSaveAs));
    ASSERT_TRUE(SubmitDialog(kSaveTitle, PathOf(L"neu.ini")));
    EXPECT_TRUE(StatusShows(PathOf(L"neu.ini")));
    const auto saved = probe::ReadFileBytes(PathOf(L"neu.ini"));
    ASSERT_TRUE(saved.has_value());
    const std::vector<std::string> expected = {
        "[General]", "Name=Messe D\xfcsseldorf", "Items=3", "BackColor=32768",
        "ForeColor=16777215", "HighColor=65535", "FontSize=12", "Font=Arial", "BackgroundPic=",
        "ColorPic=True", "SplashPic=\\splash.bmp", "SplashTime=5", "SourceDir=C:\\cd",
        "[Item1]", "Command=\\docs\\liesmich.txt", "Desc=Hinweise zur CD",
        "Icon=\\icons\\doc.ico", "txt=Lies mich!",
        "[Item2]", "Command=http://www.orlimar.example/", "Desc=", "Icon=", "txt=Homepage",
        "[Item3]", "Command=", "Desc=Die aktuellen Preise", "Icon=", "txt=Preise"};
    EXPECT_EQ(Lines(*saved), expected);
    // The file it came from stays as it was; no temporary file is left.
    EXPECT_EQ(probe::ReadFileBytes(PathOf(L"messe.ini")), std::string(kFair));
    EXPECT_EQ(folder_->FileNames(),
              (std::vector<std::wstring>{L"admin.exe", L"messe.ini", L"neu.ini"}));

    // Saved: closing asks nothing.
    PostMessageW(main_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program_->WaitForExit());
}

// Ctrl+S on an opened project writes back to its file without a dialog;
// what the editor does not know (a key, a section) stays in the file.
TEST_F(AdminProcess, SaveWritesTheOpenedFileInPlaceAndKeepsForeignLines) {
    Start();
    ASSERT_NE(main_, nullptr);
    folder_->WriteFile(L"kelvo.ini",
                       "[General]\r\nName=Alt\r\nAutor=Orlimar\r\nItems=1\r\n"
                       "[Item1]\r\ntxt=Eins\r\n[Notizen]\r\nStand=1998\r\n");
    ASSERT_TRUE(Choose(kFile, L"&\u00d6ffnen\tStrg+O"));
    ASSERT_TRUE(SubmitDialog(kOpenTitle, PathOf(L"kelvo.ini")));
    ASSERT_TRUE(StatusShows(PathOf(L"kelvo.ini")));
    Type(NameField(), L"Neu");

    std::vector<std::string> lines;
    EXPECT_TRUE(probe::PressKeysUntil(main_, {VK_CONTROL, 'S'}, [&] {
        lines = Lines(probe::ReadFileBytes(PathOf(L"kelvo.ini")).value_or(""));
        return std::find(lines.begin(), lines.end(), "Name=Neu") != lines.end();
    }));
    for (const char* kept : {"Autor=Orlimar", "[Notizen]", "Stand=1998", "txt=Eins"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), kept), lines.end()) << kept;
    EXPECT_EQ(program_->WaitForDialog(kSaveTitle, 300), nullptr);
    EXPECT_EQ(folder_->FileNames(), (std::vector<std::wstring>{L"admin.exe", L"kelvo.ini"}));
    PostMessageW(main_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program_->WaitForExit());
}

TEST_F(AdminProcess, ClosingAfterAnEditAsksToSaveAndEachAnswerDoesItsPart) {
    Start();
    ASSERT_NE(main_, nullptr);
    Type(NameField(), L"Ge\u00e4ndert");
    auto closeAndAnswer = [&](int button) {
        PostMessageW(main_, WM_CLOSE, 0, 0);
        HWND box = program_->WaitForMessageBox(L"Beenden");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(probe::MessageBoxText(box),
                  L"Ihr Projekt ist noch nicht gespeichert! Wollen Sie jetzt speichern?");
        ASSERT_TRUE(probe::PressButton(box, button));
        EXPECT_TRUE(probe::WaitUntil([&] { return !IsWindowVisible(box); }, 5000));
    };

    // Cancel: the window stays.
    closeAndAnswer(IDCANCEL);
    EXPECT_FALSE(program_->WaitForExit(300));
    EXPECT_TRUE(IsWindowVisible(main_));

    // Yes, then Cancel in the save dialog: nothing was saved, so the window stays.
    closeAndAnswer(IDYES);
    HWND dialog = program_->WaitForDialog(kSaveTitle);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(probe::PressButton(dialog, IDCANCEL));
    EXPECT_FALSE(program_->WaitForExit(300));
    EXPECT_TRUE(IsWindowVisible(main_));

    // No: the program ends and writes nothing.
    closeAndAnswer(IDNO);
    EXPECT_TRUE(program_->WaitForExit());
    EXPECT_EQ(folder_->FileNames(), std::vector<std::wstring>{L"admin.exe"});
}

// A save that cannot replace the file: the dialog's overwrite question is
// confirmed, then the editor names the path in its own message, the file
// keeps every byte, no temporary file is left, and the edit stays unsaved.
class FailedSave : public AdminProcess {
protected:
    static constexpr char kOld[] = "[General]\r\nName=Alt\r\nItems=1\r\n";

    // After Start(), with alt.ini made unwritable.
    void SaveOverAndSeeTheMessage() {
        ASSERT_NE(main_, nullptr);
        Type(NameField(), L"Neu");
        ASSERT_TRUE(Choose(kFile, kSaveAs));
        HWND dialog = program_->WaitForDialog(kSaveTitle);
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(probe::SubmitFileDialog(dialog, PathOf(L"alt.ini")));
        // The dialog asks whether to replace the file (under its own caption
        // in Wine, "Confirm Save As" in Windows).
        HWND replace = program_->WaitForWindow([&](HWND window) {
            return window != dialog && probe::ClassName(window) == L"#32770";
        });
        ASSERT_NE(replace, nullptr);
        ASSERT_TRUE(probe::PressButton(replace, IDYES));

        HWND box = program_->WaitForMessageBox(kCaption);
        ASSERT_NE(box, nullptr) << "no message about the failed save";
        const std::wstring text = probe::MessageBoxText(box);
        EXPECT_NE(text.find(L"'" + PathOf(L"alt.ini") + L"'"), std::wstring::npos);
        EXPECT_EQ(text.rfind(L"Das Projekt konnte nicht unter '", 0), 0u);
        ASSERT_TRUE(probe::PressButton(box, IDOK));
        EXPECT_TRUE(probe::WaitUntil([&] { return !IsWindowVisible(box); }, 5000));
    }

    void ExpectNothingChanged() {
        EXPECT_EQ(probe::ReadFileBytes(PathOf(L"alt.ini")), std::string(kOld));
        EXPECT_EQ(folder_->FileNames(), (std::vector<std::wstring>{L"admin.exe", L"alt.ini"}));
        EXPECT_EQ(probe::WindowText(StatusBar()), L"Neues Projekt");
        PostMessageW(main_, WM_CLOSE, 0, 0);
        EXPECT_NE(program_->WaitForMessageBox(L"Beenden"), nullptr) << "the edit counts as saved";
    }
};

TEST_F(FailedSave, ReadOnlyFileIsReportedAndKept) {
    probe::TempFolder check;
    check.WriteFile(L"probe.ini", "x");
    const std::wstring probePath = check.Path() + L"\\probe.ini";
    SetFileAttributesW(probePath.c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE writable = CreateFileW(probePath.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (writable != INVALID_HANDLE_VALUE) {
        CloseHandle(writable);
        // Wine run by root opens read-only files for writing.
        GTEST_SKIP() << "read-only files are writable here";
    }
    Start();
    folder_->WriteFile(L"alt.ini", kOld);
    ASSERT_TRUE(SetFileAttributesW(PathOf(L"alt.ini").c_str(), FILE_ATTRIBUTE_READONLY));
    SaveOverAndSeeTheMessage();
    ExpectNothingChanged();
}

TEST_F(FailedSave, FileLockedByAnotherProgramIsReportedAndKept) {
    Start();
    folder_->WriteFile(L"alt.ini", kOld);
    // Open without sharing, as a program that holds the file does.
    HANDLE held = CreateFileW(PathOf(L"alt.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    SaveOverAndSeeTheMessage();
    CloseHandle(held);
    ExpectNothingChanged();
}

TEST_F(AdminProcess, AboutBoxShowsTheVersionAndOpensAgainFromTheToolbar) {
    Start();
    ASSERT_NE(main_, nullptr);
    auto waitForAbout = [&] {
        return program_->WaitForWindow([](const std::wstring&, const std::wstring& caption) {
            return caption == L"About Pavonel Admin 98";
        });
    };
    ASSERT_TRUE(probe::BringToFront(main_));
    probe::PressKeys({VK_CONTROL, 'I'});
    HWND about = waitForAbout();
    ASSERT_NE(about, nullptr);
    const auto controls = probe::Descendants(about);
    EXPECT_NE(probe::Find(controls, L"Static", L"Pavonel Admin 98 2.1.1"), nullptr);
    // The box, the version resource of the program and the project's one
    // version say the same.
    const std::string version = KELVO_VERSION_TEXT;
    EXPECT_EQ(probe::FileVersion(folder_->Path() + L"\\admin.exe"),
              std::wstring(version.begin(), version.end()));
    EXPECT_NE(probe::Find(controls, L"Static",
                          L"Pavonel Admin 98 " + std::wstring(version.begin(), version.end())),
              nullptr);
    const ChildWindow* ok = probe::Find(controls, L"Button", L"&OK");
    ASSERT_NE(ok, nullptr);
    PostMessageW(ok->handle, BM_CLICK, 0, 0);
    EXPECT_TRUE(probe::WaitUntil([&] { return !IsWindowVisible(about); }, 5000));

    // The toolbar's last button "Über..." with a real click.
    HWND toolbar = FirstOfClass(L"ToolbarWindow32");
    const auto rect = probe::ToolbarButtonRect(toolbar, 4);
    ASSERT_TRUE(rect.has_value());
    ASSERT_TRUE(probe::BringToFront(main_));
    probe::MoveMouse(probe::ScreenPoint(toolbar, *rect));
    probe::Click();
    about = waitForAbout();
    ASSERT_NE(about, nullptr);
    PostMessageW(about, WM_CLOSE, 0, 0);
    EXPECT_TRUE(probe::WaitUntil([&] { return !IsWindow(about) || !IsWindowVisible(about); }, 5000));
    EXPECT_TRUE(IsWindowVisible(main_));
}

// "Hilfethemen" without a help engine but with the manual beside admin.exe:
// the program the shell opens HTML pages with gets the manual's address at
// the section of the page in front.
TEST_F(AdminProcess, HelpOpensTheManualBesideTheProgramInTheBrowser) {
    // The stand-in browser, known to the shell for .html files. (Wine reads
    // the classes of HKEY_CLASSES_ROOT only, not the user's own.)
    probe::TempFolder browser;
    browser.CopyIn(probe::OwnFolder() + L"\\page_opener.exe", L"page_opener.exe");
    const std::wstring command = L"\"" + browser.Path() + L"\\page_opener.exe\" \"%1\"";
    auto setValue = [&](const std::wstring& key, const std::wstring& value) {
        return RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                               static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    };
    ASSERT_EQ(setValue(L".html", L"KelvoTestPage"), ERROR_SUCCESS);
    ASSERT_EQ(setValue(L"KelvoTestPage\\shell\\open\\command", command), ERROR_SUCCESS);
    struct Restore {
        ~Restore() {
            RegDeleteTreeW(HKEY_CLASSES_ROOT, L"KelvoTestPage");
            RegDeleteTreeW(HKEY_CLASSES_ROOT, L".html");
        }
    } restore;

    folder_ = std::make_unique<probe::TempFolder>();
    folder_->CopyIn(probe::OwnFolder() + L"\\admin.exe", L"admin.exe");
    folder_->WriteFile(L"Handbuch.html", "<!DOCTYPE html><title>Handbuch</title>");
    program_ = std::make_unique<probe::Program>(folder_->Path() + L"\\admin.exe", folder_->Path());
    main_ = program_->WaitForWindow(
        [](const std::wstring&, const std::wstring& caption) { return caption == kCaption; });
    ASSERT_NE(main_, nullptr);
    ASSERT_TRUE(Choose(kView, kPages[1].viewEntry));
    ExpectShown(1);
    ASSERT_TRUE(Choose(L"&?", L"&Hilfethemen"));
    std::string opened;
    EXPECT_TRUE(probe::WaitUntil([&] {
        opened = probe::ReadFileBytes(browser.Path() + L"\\opened.txt").value_or("");
        return !opened.empty();
    })) << "the browser was not started";
    EXPECT_NE(opened.find("/Handbuch.html#seite-farben"), std::string::npos) << opened;
    EXPECT_EQ(opened.find("file:///"), opened.find("file:")) << opened;
    EXPECT_EQ(program_->WaitForMessageBox(300), nullptr) << "a message instead of the manual";
}

// Log-off with unsaved edits: Windows asks the editor first (the save
// prompt; Cancel keeps the session), then ends the session, and the editor
// runs its unload steps: the folder of subst.exe is stored.
TEST_F(AdminProcess, TheEndOfTheSessionAsksToSaveAndStoresTheSettings) {
    constexpr wchar_t kAdminKey[] = L"Software\\Orlimar\\Admin";
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kAdminKey, L"Subst_Path");
    Start();
    ASSERT_NE(main_, nullptr);
    Type(NameField(), L"Ge\u00e4ndert");

    auto askToEnd = [&](int button) -> LRESULT {
        DWORD_PTR result = 0xBAD;
        std::thread session([&] {
            SendMessageTimeoutW(main_, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                                30000, &result);
        });
        HWND box = program_->WaitForMessageBox(L"Beenden");
        EXPECT_NE(box, nullptr) << "no save prompt";
        if (box) {
            EXPECT_EQ(probe::MessageBoxText(box),
                      L"Ihr Projekt ist noch nicht gespeichert! Wollen Sie jetzt speichern?");
            probe::PressButton(box, button);
        }
        session.join();
        return static_cast<LRESULT>(result);
    };
    EXPECT_EQ(askToEnd(IDCANCEL), FALSE) << "Cancel keeps the session from ending";
    EXPECT_TRUE(IsWindowVisible(main_));
    EXPECT_EQ(askToEnd(IDNO), TRUE);

    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(main_, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 30000,
                        &ignored);
    EXPECT_TRUE(program_->WaitForExit());
    DWORD size = 0;
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, kAdminKey, L"Subst_Path", RRF_RT_REG_SZ, nullptr,
                           nullptr, &size),
              ERROR_SUCCESS)
        << "Subst_Path was not stored";
    EXPECT_EQ(folder_->FileNames(), std::vector<std::wstring>{L"admin.exe"}) << "nothing saved";
}

// The two commands of the CD folder on a folder beside the editor's: the
// check lists its findings in a dialog, where a double click on one about
// an entry leads to its field; once the fault is mended the image is
// written where the save dialog says.
class DiscFolder : public AdminProcess {
protected:
    static constexpr wchar_t kExtras[] = L"&Extras";
    static constexpr wchar_t kCheck[] = L"CD-Ordner &pr\u00fcfen...";
    static constexpr wchar_t kImage[] = L"CD-&Abbild erstellen...";
    static constexpr wchar_t kFindingsTitle[] = L"CD-Ordner pr\u00fcfen";

    void SetUp() override {
        Start();
        ASSERT_NE(main_, nullptr);
        disc_.WriteFile(L"kelvo.ini",
                        "[General]\r\nName=Messe\r\nItems=2\r\n"
                        "[Item1]\r\ntxt=Preise\r\nCommand=\\preise.txt\r\n"
                        "[Item2]\r\ntxt=Lies mich\r\nCommand=\\liesmich.txt\r\n");
        disc_.WriteFile(L"liesmich.txt", "Hallo");
        ASSERT_TRUE(Choose(kFile, L"&\u00d6ffnen\tStrg+O"));
        ASSERT_TRUE(SubmitDialog(kOpenTitle, DiscPath(L"kelvo.ini")));
        ASSERT_TRUE(StatusShows(DiscPath(L"kelvo.ini")));
    }

    std::wstring DiscPath(const std::wstring& name) const { return disc_.Path() + L"\\" + name; }

    HWND FindingsDialog() const {
        return program_->WaitForWindow(
            [](const std::wstring&, const std::wstring& caption) { return caption == kFindingsTitle; });
    }

    probe::TempFolder disc_;
};

TEST_F(DiscFolder, TheCheckListsTheFindingsAndLeadsToTheFieldOfOne) {
    ASSERT_TRUE(Choose(kExtras, kCheck));
    HWND dialog = FindingsDialog();
    ASSERT_NE(dialog, nullptr);
    const auto controls = probe::Descendants(dialog);
    const ChildWindow* list = probe::Find(controls, L"SysTreeView32", L"");
    ASSERT_NE(list, nullptr);
    const std::wstring line =
        L"Fehler: Eintrag 1 (Preise), Command: '\\preise.txt' fehlt auf der CD";
    EXPECT_EQ(probe::TreeRootTexts(list->handle),
              (std::vector<std::wstring>{L"Fehler: kelvo.exe: fehlt neben kelvo.ini", line}));
    EXPECT_NE(probe::Find(controls, L"Static", L"Ergebnis: 2 Fehler, 0 Hinweise"), nullptr);
    EXPECT_NE(probe::Find(controls, L"Static", L"Ordner: " + disc_.Path()), nullptr);
    EXPECT_FALSE(IsWindowEnabled(main_)) << "the dialog is modal";

    // A double click on the finding about the entry.
    native::TreeView tree(list->handle);
    const HTREEITEM finding = tree.NextSibling(tree.Root());
    const auto rect = probe::TreeItemRect(list->handle, finding);
    ASSERT_TRUE(rect.has_value());
    ASSERT_TRUE(probe::BringToFront(dialog));
    probe::MoveMouse(probe::ScreenPoint(list->handle, *rect));
    probe::Click();
    probe::Click();
    EXPECT_TRUE(probe::WaitUntil([&] { return !IsWindowVisible(dialog); }, 5000));
    ExpectShown(2);
    EXPECT_TRUE(probe::WaitUntil([&] { return Focus() == FieldBox(); }, 5000));
    EXPECT_EQ(probe::WindowText(FieldBox()), L"\\preise.txt");
    EXPECT_TRUE(IsWindowEnabled(main_));
}

TEST_F(DiscFolder, TheImageIsWrittenOnceTheFolderHasNoFault) {
    // With the faults: their list and no save dialog.
    ASSERT_TRUE(Choose(kExtras, kImage));
    HWND dialog = FindingsDialog();
    ASSERT_NE(dialog, nullptr);
    const ChildWindow* close =
        probe::Find(probe::Descendants(dialog), L"Button", L"Schlie\u00dfen");
    ASSERT_NE(close, nullptr);
    PostMessageW(close->handle, BM_CLICK, 0, 0);
    EXPECT_TRUE(probe::WaitUntil([&] { return !IsWindowVisible(dialog); }, 5000));
    EXPECT_EQ(program_->WaitForDialog(L"CD-Abbild speichern unter", 300), nullptr);

    disc_.WriteFile(L"preise.txt", "1998");
    disc_.CopyIn(probe::OwnFolder() + L"\\kelvo.exe", L"kelvo.exe");
    ASSERT_TRUE(Choose(kExtras, kImage));
    ASSERT_TRUE(SubmitDialog(L"CD-Abbild speichern unter", PathOf(L"Messe.iso")));
    HWND done = program_->WaitForMessageBox(L"CD-Abbild erstellen");
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(probe::MessageBoxText(done).rfind(L"Das CD-Abbild ist fertig: '" +
                                                    PathOf(L"Messe.iso") + L"', ",
                                                0),
              0u)
        << probe::MessageBoxText(done);
    probe::DismissMessageBox(done);
    const auto image = probe::ReadFileBytes(PathOf(L"Messe.iso"));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->size() % 2048, 0u);
    EXPECT_EQ(image->substr(32769, 5), "CD001");
    // The Joliet tree's label, UTF-16 big-endian, in the supplementary
    // volume descriptor that follows the primary one.
    EXPECT_EQ(image->substr(2 * 16384 + 2048 + 40, 10), std::string("\0M\0e\0s\0s\0e", 10));
    EXPECT_EQ(folder_->FileNames(), (std::vector<std::wstring>{L"Messe.iso", L"admin.exe"}));
}

}  // namespace

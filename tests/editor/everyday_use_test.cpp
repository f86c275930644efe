// The editor as a user goes through it off the straight path: switching
// pages while a field has the focus, opening a project while a field is
// being edited, texts at and beyond their room, blanks and quotes at a
// value's ends, characters the code page lacks, and Windows ending the
// session with unsaved edits.
#include "editor_fixture.h"
#include "menu/project_settings.h"
#include "os/unicode.h"

namespace editor::testing {
namespace {

using forms::mb::Cancel;
using forms::mb::No;
using forms::mb::Yes;

class EverydayUse : public EditorTest {
protected:
    void SetUp() override {
        services.settings["Orlimar/Admin/Subst_Path"] = "C:\\WINDOWS\\COMMAND";
        Start();
    }
    void SaveAs(const std::string& name) {
        AnswerFileDialog(PathOf(name));
        driver->ChooseMenu(main.mnuSave[1]);
    }
    // Shows the edit box for a field node ("txt0", "cmd3", ...) by a click.
    void ChooseField(const std::string& key) {
        driver->ChooseMenu(main.mnuView[frmMain::PageItems]);
        for (int index = 1; index <= main.tvItems.NodeCount(); ++index)
            if (main.tvItems.Node(index).key == key) {
                main.tvItems.SetExpanded(main.tvItems.Node(index).parent, true);
                driver->ClickTreeNode(main.tvItems, index);
            }
    }
    int PageInFront() const {
        int front = -1;
        for (int i = 0; i < frmMain::PageCount; ++i) {
            if (!main.picTab[i].Shown()) continue;
            if (front != -1 || main.picTab[i].StackPosition() != 0) return -1;
            front = i;
        }
        return front;
    }
    std::vector<int> CheckedViewEntries() const {
        std::vector<int> checked;
        for (int i = 0; i < frmMain::PageCount; ++i)
            if (main.mnuView[i].Checked()) checked.push_back(i);
        return checked;
    }
    // Whether the focus lies on page or on its selector button.
    bool FocusBelongsTo(int page) {
        const forms::Control* focused = driver->FocusedControl(main);
        if (focused == &main.cmdSelect[page]) return true;
        for (const forms::Control* at = focused; at; at = at->Container())
            if (at == &main.picTab[page]) return true;
        return false;
    }
};

// ---- Switching pages -------------------------------------------------------------------

TEST_F(EverydayUse, ThePageAskedForComesToTheFrontWhereverTheFocusIs) {
    const std::vector<std::pair<std::string, std::function<void(int)>>> ways = {
        {"view menu", [&](int i) { driver->ChooseMenu(main.mnuView[i]); }},
        {"shortcut", [&](int i) { driver->PressShortcut(main, "AFET"[i]); }},
        {"selector click", [&](int i) { driver->Click(main.cmdSelect[i]); }},
    };
    // Where the focus is when the user switches: in the tree, in the field
    // box below it, in the name field, on the test page's folder field.
    const std::vector<std::pair<std::string, std::function<void()>>> places = {
        {"tree", [&] { ChooseField("txt0"); }},
        {"field box", [&] { ChooseField("desc2"); backend.FocusByUser(main.tbOpt); }},
        {"name", [&] { driver->ChooseMenu(main.mnuView[0]); backend.FocusByUser(main.tbName); }},
        {"folder", [&] { driver->ChooseMenu(main.mnuView[3]); backend.FocusByUser(main.tbSource); }},
    };
    for (const auto& [way, choose] : ways) {
        for (const auto& [place, focusThere] : places) {
            for (int page = 0; page < frmMain::PageCount; ++page) {
                SCOPED_TRACE(way + ", focus in the " + place + ", page " + std::to_string(page));
                focusThere();
                choose(page);
                EXPECT_EQ(PageInFront(), page);
                EXPECT_EQ(CheckedViewEntries(), std::vector<int>{page});
                EXPECT_TRUE(FocusBelongsTo(page));
            }
        }
    }
    // The first field of each page takes the focus that was on another page.
    ChooseField("txt0");
    driver->PressShortcut(main, 'T');
    EXPECT_EQ(driver->FocusedControl(main), &main.tbSource);
    driver->PressShortcut(main, 'A');
    EXPECT_EQ(driver->FocusedControl(main), &main.tbName);
    EXPECT_FALSE(main.Changed);
}

// ---- The field box after New and Open --------------------------------------------------

TEST_F(EverydayUse, OpenAndNewLeaveNothingOfTheOldProjectInTheFieldBox) {
    WriteFile("neu.ini", "[General]\r\nName=Neu\r\nItems=2\r\n[Item1]\r\ntxt=Neu\r\n"
                         "[Item2]\r\ntxt=Zwei\r\n");
    ChooseField("txt0");
    TypeAtEnd(main.tbOpt, "Alt");
    ASSERT_EQ(main.Project.Item[0].txt, "Alt");

    AnswerMessage(No);
    Open("neu.ini");
    ASSERT_EQ(main.ProjectPath, PathOf("neu.ini"));
    driver->ChooseMenu(main.mnuView[frmMain::PageItems]);
    EXPECT_FALSE(main.tbOpt.Shown()) << "the box is hidden, as after start";
    EXPECT_FALSE(main.cmdLoad.Shown());
    EXPECT_EQ(main.tvItems.Height(), 4215) << "the tree at its full height";
    EXPECT_EQ(main.tbOpt.Text(), "");
    EXPECT_EQ(main.Project.Item[0].txt, "Neu");
    EXPECT_FALSE(main.Changed);

    // Choosing the field again shows the opened project's value, and what
    // is typed joins it.
    ChooseField("txt0");
    EXPECT_EQ(main.tbOpt.Text(), "Neu");
    TypeAtEnd(main.tbOpt, "!");
    EXPECT_EQ(main.Project.Item[0].txt, "Neu!");
    main.mnuSave[0].RaiseClick();
    EXPECT_NE(ReadFile("neu.ini").find("txt=Neu!\r\n"), std::string::npos);
    EXPECT_EQ(ReadFile("neu.ini").find("Alt"), std::string::npos);

    // New: the same.
    ChooseField("txt1");
    TypeAtEnd(main.tbOpt, "x");
    AnswerMessage(No);
    driver->ChooseMenu(main.mnuNew);
    driver->ChooseMenu(main.mnuView[frmMain::PageItems]);
    EXPECT_FALSE(main.tbOpt.Shown());
    EXPECT_EQ(main.tbOpt.Text(), "");
    EXPECT_EQ(main.Project.Item[1].txt, "");
    EXPECT_FALSE(main.Changed);
}

// ---- Values that must come back as they were saved ---------------------------------------

struct SavedValue {
    const char* what;
    std::string value;
    bool unicode;  // the file must be Unicode text to hold it
};

std::string Times(int count, const std::string& text) {
    std::string out;
    for (int i = 0; i < count; ++i) out += text;
    return out;
}

const std::vector<SavedValue>& SavedValues() {
    static const std::vector<SavedValue> values = {
        {"plain", "Demo-CD", false},
        {"umlauts at the caption's room", Times(249, "ä"), false},
        {"umlauts beyond every room", Times(1100, "ü"), false},
        {"blank at the start", " Demo", false},
        {"blank at the end", "Demo ", false},
        {"tab at both ends", "\tDemo\t", false},
        {"cut at a blank", std::string(248, 'x') + " y", false},
        {"double quotes around", "\"Demo\"", false},
        {"single quotes around", "'Demo'", false},
        {"a lone quote", "\"", false},
        {"a quote at one end", "\"Demo", false},
        {"outside the code page", "Ω, ł und →", true},
        {"beyond the basic plane", "Notiz \xF0\x9F\x98\x80", true},
        {"a character that needs two units at the room", std::string(248, 'a') + "\xF0\x9F\x98\x80",
         true},
        {"foreign letters beyond the room", Times(300, "ł"), true},
    };
    return values;
}

// Each value as the project's name, the first entry's caption and its
// description: saved, opened, saved again without an edit and opened
// again, it is what was typed, cut to the room of each program in
// characters; the menu program's reader sees the same.
TEST_F(EverydayUse, SavedTextsComeBackAsTheyWereTyped) {
    namespace project = common::project;
    os::Services system;
    for (const SavedValue& row : SavedValues()) {
        SCOPED_TRACE(row.what);
        driver->ChooseMenu(main.mnuNew);
        main.tbName.SetText(row.value);
        main.vsItems.SetValue(10);  // one entry
        main.Project.Item[0].txt = row.value;
        main.Project.Item[0].desc = row.value;
        SaveAs("first.ini");
        EXPECT_EQ(ReadFile("first.ini").rfind("\xFF\xFE", 0) == 0, row.unicode)
            << "encoding of the file";

        auto expectRead = [&](const std::string& name) {
            SCOPED_TRACE(name);
            const auto cut = [&](const project::Key& key, bool menu) {
                return os::unicode::FirstUtf16Units(row.value, menu ? key.menuKept : key.editorKept);
            };
            Open(name);
            EXPECT_EQ(main.Project.Name, cut(project::general::Name, false));
            EXPECT_EQ(main.Project.Item[0].txt, cut(project::item::Txt, false));
            EXPECT_EQ(main.Project.Item[0].desc, cut(project::item::Desc, false));
            menu::settings::General general;
            menu::settings::ReadGeneral(system, PathOf(name), general);
            menu::settings::Entry entry;
            menu::settings::ReadEntry(system, PathOf(name), 1, entry);
            EXPECT_EQ(general.Name, cut(project::general::Name, true));
            EXPECT_EQ(entry.txt, cut(project::item::Txt, true));
            EXPECT_EQ(entry.desc, cut(project::item::Desc, true));
        };
        expectRead("first.ini");
        SaveAs("second.ini");
        expectRead("second.ini");
        SaveAs("third.ini");
        EXPECT_TRUE(ReadFile("third.ini") == ReadFile("second.ini"))
            << "opened and saved again, the same bytes";
    }
}

TEST_F(EverydayUse, OnlyValuesThatWouldChangeAreWrittenInQuotes) {
    main.Project.Item[0] = {"\\setup.exe /s", " \\icon.ico", "\"Setup\"", "Alles 'drin'"};
    main.vsItems.SetValue(10);
    main.tbName.SetText("Demo ");
    SaveAs("kelvo.ini");
    const std::string saved = ReadFile("kelvo.ini");
    for (const char* line : {"Name=\"Demo \"\r\n", "Command=\\setup.exe /s\r\n",
                             "Icon=\" \\icon.ico\"\r\n", "txt=\"\"Setup\"\"\r\n",
                             "Desc=Alles 'drin'\r\n", "Font=MS Sans Serif\r\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << line;
}

// A file in the code page with lines the editor does not write turns into
// Unicode text when a value needs it; every other line stays.
TEST_F(EverydayUse, ACharacterTheCodePageLacksTurnsTheFileIntoUnicodeKeepingItsLines) {
    WriteFile("kelvo.ini", "; Messe K\xF6ln\r\n[General]\r\nName=K\xF6ln\r\nAutor=Orlimar\r\n"
                           "Items=1\r\n[Item1]\r\ntxt=Eins\r\n[Notizen]\r\nStand=1998\r\n");
    Open("kelvo.ini");
    main.tbName.SetText("Köln → Łódź");
    main.mnuSave[0].RaiseClick();
    const std::string saved = ReadFile("kelvo.ini");
    ASSERT_EQ(saved.rfind("\xFF\xFE", 0), 0u);
    os::Services system;
    const std::string path = PathOf("kelvo.ini");
    EXPECT_EQ(system.ReadProfileString(path, "General", "Name", "", 200), "Köln → Łódź");
    EXPECT_EQ(system.ReadProfileString(path, "General", "Autor", "", 200), "Orlimar");
    EXPECT_EQ(system.ReadProfileString(path, "Notizen", "Stand", "", 200), "1998");
    EXPECT_EQ(system.ReadProfileString(path, "Item1", "txt", "", 200), "Eins");
    // The comment line before the first section is still there, umlaut and all.
    std::string comment;
    for (char16_t c : std::u16string(u"; Messe Köln\r\n")) {
        comment += static_cast<char>(c & 0xFF);
        comment += static_cast<char>(c >> 8);
    }
    EXPECT_EQ(saved.find(comment), 2u);

    // Saved again without such a character, the file stays Unicode.
    main.tbName.SetText("Köln");
    main.mnuSave[0].RaiseClick();
    EXPECT_EQ(ReadFile("kelvo.ini").rfind("\xFF\xFE", 0), 0u);
}

// ---- The end of the Windows session --------------------------------------------------------

TEST_F(EverydayUse, TheEndOfTheSessionAsksToSaveAndRunsTheUnloadSteps) {
    TypeAtEnd(main.tbName, "!");

    // Cancel keeps the session from ending; nothing is unloaded.
    AnswerMessage(Cancel);
    EXPECT_FALSE(main.RaiseSessionEndQuery());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text,
              "Ihr Projekt ist noch nicht gespeichert! Wollen Sie jetzt speichern?");
    EXPECT_TRUE(main.Loaded());
    EXPECT_TRUE(main.Changed);

    // Yes saves (asking for the place of a project never saved).
    AnswerMessage(Yes);
    AnswerFileDialog(PathOf("kelvo.ini"));
    EXPECT_TRUE(main.RaiseSessionEndQuery());
    EXPECT_FALSE(main.Changed);
    EXPECT_NE(ReadFile("kelvo.ini").find("Name=Project XY!\r\n"), std::string::npos);

    // The session ends: the unload steps run without another question.
    substPath = "D:\\TOOLS\\";
    main.RaiseSessionEnd();
    EXPECT_EQ(Messages().size(), 2u);
    EXPECT_FALSE(main.Loaded());
    EXPECT_FALSE(options.Loaded());
    EXPECT_FALSE(about.Loaded());
    EXPECT_EQ(services.settings["Orlimar/Admin/Subst_Path"], "D:\\TOOLS\\");
    ASSERT_FALSE(services.help.empty());
    EXPECT_EQ(std::get<1>(services.help.back()), 2u) << "HELP_QUIT";
}

TEST_F(EverydayUse, WithoutUnsavedEditsTheSessionEndsWithoutAQuestion) {
    EXPECT_TRUE(main.RaiseSessionEndQuery());
    EXPECT_TRUE(Messages().empty());
    TypeAtEnd(main.tbName, "!");
    AnswerMessage(No);
    EXPECT_TRUE(main.RaiseSessionEndQuery()) << "No lets the session end";
    main.RaiseSessionEnd();
    EXPECT_FALSE(main.Loaded());
    EXPECT_EQ(Messages().size(), 1u);
}

}  // namespace
}  // namespace editor::testing

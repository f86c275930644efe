// New, Open, Save and Save as against real project files, and what the menu
// program makes of a saved project.
#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "editor_fixture.h"
#include "menu/frm_main.h"
#include "menu/menu_fixture.h"
#include "menu/frm_splash.h"
#include "menu/frm_wait.h"

namespace editor::testing {
namespace {

class Project : public EditorTest {
protected:
    void SetUp() override { Start(); }
    void SaveAs(const std::string& name) {
        AnswerFileDialog(PathOf(name));
        driver->ChooseMenu(main.mnuSave[1]);
    }
};

TEST_F(Project, OpenReadsEveryKeyWithItsDefaultAndRoom) {
    const std::string longDesc(1200, 'd');
    const std::string longName(300, 'n');
    WriteFile("kelvo.ini", "[General]\r\nName=" + longName +
                               "\r\nItems=3\r\nBackColor=255\r\nHighColor=65280\r\n"
                               "Fontsize=12\r\nFont=Arial\r\nColorPic=True\r\nSplashPic=\\splash.bmp\r\n"
                               "SplashTime=45\r\nSourceDir=C:\\CD\r\n"
                               "[Item1]\r\ntxt=Setup\r\ndesc=" + longDesc +
                               "\r\ncommand=\\setup.exe /s\r\nicon=\\setup.exe\r\n"
                               "[Item2]\r\ntxt=\r\n[Item3]\r\n");
    TypeAtEnd(main.tbName, "!");
    AnswerMessage(forms::mb::No);  // the edit is dropped
    Open("kelvo.ini");

    const ProjectData& p = main.Project;
    EXPECT_EQ(p.Name, std::string(199, 'n'));
    EXPECT_EQ(p.Items, 3);
    EXPECT_EQ(p.BackColor, 255);
    EXPECT_EQ(p.ForeColor, 8454143) << "the default of a missing key";
    EXPECT_EQ(p.HighColor, 65280);
    EXPECT_EQ(p.FontSize, 12);
    EXPECT_EQ(p.Font, "Arial");
    EXPECT_TRUE(p.ColorPic);
    EXPECT_EQ(p.SplashPic, "\\splash.bmp");
    EXPECT_EQ(p.SplashTime, 45);
    EXPECT_EQ(p.SourceDir, "C:\\CD");
    EXPECT_EQ(p.Item[0].txt, "Setup");
    EXPECT_EQ(p.Item[0].desc, std::string(999, 'd'));
    EXPECT_EQ(p.Item[0].cmd, "\\setup.exe /s");
    EXPECT_EQ(p.Item[0].ico, "\\setup.exe");
    EXPECT_EQ(p.Item[1].txt, "") << "present but empty";
    EXPECT_EQ(p.Item[2].txt, "Item3") << "missing: Item and the number";

    // The pages show the project; the window is bound to the file.
    EXPECT_EQ(main.tbName.Text(), std::string(199, 'n'));
    EXPECT_EQ(main.lblItems.Caption(), "3");
    EXPECT_EQ(main.tbSource.Text(), "C:\\CD");
    EXPECT_EQ(main.lblExe.Caption(), "C:\\CD\\kelvo.exe");
    EXPECT_EQ(main.tbSplash.Text(), "\\splash.bmp");
    EXPECT_EQ(main.lblTime.Caption(), "45");
    EXPECT_EQ(main.vsSplashTime.Value(), 16);
    EXPECT_EQ(main.lblTest.Font().Name, "Arial");
    EXPECT_EQ(main.lblTest.Font().Size, 12);
    EXPECT_EQ(main.picTest.BackColor(), 255u);
    EXPECT_EQ(main.Statusbar.Caption(), PathOf("kelvo.ini"));
    EXPECT_EQ(main.ProjectPath, PathOf("kelvo.ini"));
    EXPECT_FALSE(main.Changed);
    EXPECT_EQ(Messages().size(), 1u) << "only the save prompt of the unsaved name";

    ASSERT_FALSE(backend.fileDialogs.empty());
    const forms::FileDialogRequest& request = backend.fileDialogs.back();
    EXPECT_EQ(request.fileName, "kelvo.ini");
    EXPECT_EQ(request.flags, 0x1806u);
    EXPECT_EQ(request.filter, "alle ini-Dateien (*.ini)|*.ini");
    EXPECT_EQ(request.defaultExtension, "ini");
}

TEST_F(Project, TheCountOfAFileIsCappedAtTenAndZeroMeansNoEntry) {
    const struct {
        const char* items;
        int count;
        const char* shown;
        int scrollValue;
    } cases[] = {{"25", 10, "10", 1}, {"100", 10, "10", 1}, {"3", 3, "3", 8}, {"0", 0, "0", 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.items);
        WriteFile("kelvo.ini", std::string("[General]\r\nItems=") + c.items +
                                   "\r\n[Item1]\r\ntxt=Eins\r\n");
        Open("kelvo.ini");
        EXPECT_EQ(main.Project.Items, c.count);
        EXPECT_EQ(main.lblItems.Caption(), c.shown);
        // 0 is rejected by the scroll bar, which stays where 3 put it.
        EXPECT_EQ(main.vsItems.Value(), c.scrollValue);
        // With 0 no entry is read; entry 1 keeps the text of the open before.
        EXPECT_EQ(main.Project.Item[0].txt, "Eins");
    }
    // A later save writes the 0 and no entry.
    driver->PressShortcut(main, 'S');
    EXPECT_NE(ReadFile("kelvo.ini").find("Items=0\r\n"), std::string::npos);
}

TEST_F(Project, OpeningFewerEntriesKeepsTheOthersInMemory) {
    std::string eight = "[General]\r\nItems=8\r\n";
    for (int n = 1; n <= 8; ++n)
        eight += "[Item" + std::to_string(n) + "]\r\ntxt=Alt " + std::to_string(n) + "\r\n";
    WriteFile("acht.ini", eight);
    WriteFile("drei.ini", "[General]\r\nItems=3\r\n[Item1]\r\ntxt=Neu 1\r\n");
    Open("acht.ini");
    Open("drei.ini");
    EXPECT_EQ(main.Project.Item[0].txt, "Neu 1");
    EXPECT_EQ(main.Project.Item[1].txt, "Item2");
    EXPECT_EQ(main.Project.Item[3].txt, "Alt 4");
    EXPECT_EQ(main.Project.Item[7].txt, "Alt 8");
    EXPECT_EQ(main.tvItems.Node(2 + 5 * 3).text, "Item 4 (not used)");
}

TEST_F(Project, SaveWritesTheFormatKeyByKeyAndSaveAfterOpenAsksNothing) {
    TypeAtEnd(main.tbName, "!");
    main.Project.Item[0] = {"\\setup.exe /s", "\\setup.ico", "Setup", "Installiert alles"};
    main.vsItems.SetValue(9);  // two entries
    AnswerFileDialog(PathOf("neu.ini"));
    driver->PressShortcut(main, 'S');

    ASSERT_EQ(backend.fileDialogs.size(), 1u);
    const forms::FileDialogRequest& request = backend.fileDialogs[0];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.fileName, "kelvo.ini");
    EXPECT_EQ(request.flags, 6u);
    EXPECT_EQ(request.title, "Projekt speichern unter");
    EXPECT_EQ(request.filter, "all Files (*.*)|*.*");
    EXPECT_EQ(main.DLG1.FileName, "") << "the preset name goes after the dialog";
    EXPECT_EQ(ReadFile("neu.ini"),
              "[General]\r\nName=Project XY!\r\nItems=2\r\nBackColor=8421376\r\nForeColor=0\r\n"
              "HighColor=16711680\r\nFontSize=10\r\nFont=MS Sans Serif\r\nBackgroundPic=\r\n"
              "ColorPic=True\r\nSplashPic=\r\nSplashTime=30\r\nSourceDir=\r\n"
              "[Item1]\r\nCommand=\\setup.exe /s\r\nDesc=Installiert alles\r\nIcon=\\setup.ico\r\n"
              "txt=Setup\r\n[Item2]\r\nCommand=\r\nDesc=\r\nIcon=\r\ntxt=\r\n");
    EXPECT_EQ(main.ProjectPath, PathOf("neu.ini"));
    EXPECT_EQ(main.Statusbar.Caption(), PathOf("neu.ini"));
    EXPECT_FALSE(main.Changed);
    EXPECT_FALSE(std::filesystem::exists(PathOf("neu.ini.~tmp")));

    // Bound to a file, Save writes there without asking; Save as always asks.
    Open("neu.ini");
    TypeAtEnd(main.tbName, "?");
    driver->PressShortcut(main, 'S');
    EXPECT_EQ(backend.fileDialogs.size(), 2u);
    EXPECT_NE(ReadFile("neu.ini").find("Name=Project XY!?\r\n"), std::string::npos);
    SaveAs("anders.ini");
    EXPECT_EQ(backend.fileDialogs.size(), 3u);
    EXPECT_EQ(backend.fileDialogs[2].fileName, "kelvo.ini");
    TypeAtEnd(main.tbName, ".");
    driver->PressShortcut(main, 'S');
    EXPECT_NE(ReadFile("anders.ini").find("Name=Project XY!?.\r\n"), std::string::npos);
}

TEST_F(Project, SavingOverAFileKeepsWhatTheEditorDoesNotWrite) {
    WriteFile("kelvo.ini",
              "; vom Autor\r\n[General]\r\nItems=5\r\nName=Alt\r\nEigenes=bleibt\r\n"
              "[Item1]\r\ntxt=Eins\r\n[Item4]\r\ntxt=Vier\r\n[Item5]\r\ntxt=F\xfcnf\r\n"
              "[Fremd]\r\nx=1\r\n");
    Open("kelvo.ini");
    main.vsItems.SetValue(8);  // three entries
    driver->PressShortcut(main, 'S');
    const std::string saved = ReadFile("kelvo.ini");
    EXPECT_EQ(saved.rfind("; vom Autor\r\n[General]\r\nItems=3\r\nName=Alt\r\nEigenes=bleibt\r\n", 0), 0u)
        << saved;
    EXPECT_NE(saved.find("[Item4]\r\ntxt=Vier\r\n"), std::string::npos);
    EXPECT_NE(saved.find("[Item5]\r\ntxt=F\xfcnf\r\n"), std::string::npos);
    EXPECT_NE(saved.find("[Fremd]\r\nx=1\r\n"), std::string::npos);
}

// A save that cannot happen says so and leaves everything as it was: the
// file byte for byte, the binding, the status line and the changed flag.
TEST_F(Project, AFailedSaveReportsItselfAndChangesNothing) {
    const std::string original = "[General]\r\nName=Schreibgeschützt\r\n";
    const std::string readOnly = WriteFile("fest.ini", original);
    ::chmod(readOnly.c_str(), 0444);
    const std::string missingFolder = PathOf("fehlt/kelvo.ini");
    for (const std::string& target : {readOnly, missingFolder}) {
        SCOPED_TRACE(target);
        backend.messageBoxes.clear();
        TypeAtEnd(main.tbName, "!");
        AnswerFileDialog(target);
        driver->ChooseMenu(main.mnuSave[1]);
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_NE(Messages()[0].text.find("'" + target + "'"), std::string::npos);
        EXPECT_EQ(Messages()[0].style, forms::mb::Exclamation);
        EXPECT_TRUE(main.ProjectPath.empty());
        EXPECT_EQ(main.Statusbar.Caption(), "Neues Projekt");
        EXPECT_TRUE(main.Changed);
        EXPECT_FALSE(std::filesystem::exists(target + ".~tmp"));
    }
    EXPECT_EQ(ReadFile("fest.ini"), original);

    // Under the prompt's Yes the failed save stops New.
    AnswerMessage(forms::mb::Yes);
    AnswerFileDialog(readOnly);
    driver->ChooseMenu(main.mnuNew);
    EXPECT_NE(main.tbName.Text(), "Project XY");
    EXPECT_TRUE(main.Changed);
}

TEST_F(Project, NewAfterEditsStartsAfreshAndCancellingTheSaveDialogWritesNothing) {
    WriteFile("kelvo.ini", "[General]\r\nName=Alt\r\nItems=2\r\nColorPic=False\r\n"
                           "SourceDir=D:\\Quelle\r\nSplashPic=x.bmp\r\n[Item1]\r\ntxt=Eins\r\n");
    Open("kelvo.ini");
    driver->ChooseMenu(main.mnuView[frmMain::PageTest]);
    driver->ChooseMenu(main.mnuNew);
    EXPECT_EQ(main.Statusbar.Caption(), "Neues Projekt");
    EXPECT_TRUE(main.ProjectPath.empty());
    EXPECT_EQ(main.tbName.Text(), "Project XY");
    EXPECT_EQ(main.lblItems.Caption(), "10");
    EXPECT_EQ(main.Project.Item[0].txt, "");
    EXPECT_TRUE(main.Project.ColorPic);
    EXPECT_TRUE(main.ckBackground[0].Value());
    EXPECT_EQ(main.Project.SplashTime, 30);
    EXPECT_EQ(main.vsSplashTime.Value(), 31);
    EXPECT_EQ(main.tbSource.Text(), "");
    EXPECT_EQ(main.lblExe.Caption(), "\\kelvo.exe");
    EXPECT_EQ(main.tbSplash.Text(), "");
    EXPECT_TRUE(main.picTab[frmMain::PageGeneral].Shown());
    EXPECT_FALSE(main.Changed);

    TypeAtEnd(main.tbName, "!");
    AnswerFileDialog(std::nullopt);
    driver->PressShortcut(main, 'S');
    EXPECT_TRUE(main.Changed);
    EXPECT_EQ(std::filesystem::directory_iterator(dir)->path().filename(), "kelvo.ini");
    AnswerMessage(forms::mb::Cancel);
    driver->ChooseMenu(main.mnuExit);
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(main.Loaded());
}

// The road of a project: designed in the editor, saved beside the menu
// program, shown by it as designed.
TEST_F(Project, TheMenuProgramShowsTheSavedProjectAsDesigned) {
    main.tbName.SetText("Demo-CD");
    main.vsItems.SetValue(8);
    main.Project.Item[0] = {"\\setup.exe /s", "", "Setup", "Installiert alles"};
    main.Project.Item[1] = {"http://www.orlimar.example/", "", "Homepage", "Im Netz"};
    main.Project.Item[2] = {"\\docs", "", "Dokumente", ""};
    main.Project.ForeColor = 0x00FFFF;
    main.Project.HighColor = 0x0000FF;
    main.Project.BackColor = 0x404040;
    main.Project.Font = "Arial";
    main.Project.FontSize = 11;
    SaveAs("kelvo.ini");
    ASSERT_FALSE(main.Changed);

    menu::testing::ScriptedServices menuServices;
    menuServices.programFolder = "E:\\";
    menuServices.profileFiles["E:\\kelvo.ini"] = PathOf("kelvo.ini");
    common::About menuAbout(app, menuServices, common::AboutVariant::Menu);
    menu::frmWait wait(app);
    menu::frmSplash splash(app);
    menu::frmMain menuWindow(app, menuServices, menuAbout, wait, splash);
    menuWindow.Show();

    EXPECT_EQ(menuWindow.Caption(), "Orlimar - Demo-CD");
    const char* const captions[] = {"Setup", "Homepage", "Dokumente"};
    for (int i = 0; i < menu::frmMain::ItemCount; ++i) {
        EXPECT_EQ(menuWindow.cmdItem[i].Visible(), i < 3) << i;
        if (i >= 3) continue;
        EXPECT_EQ(menuWindow.lblItem[i].Caption(), captions[i]);
        EXPECT_EQ(menuWindow.lblItem[i].ForeColor(), 0x00FFFFu);
        EXPECT_EQ(menuWindow.lblItem[i].Font().Name, "Arial");
        EXPECT_EQ(menuWindow.lblItem[i].Font().Size, 11);
    }
    EXPECT_EQ(menuWindow.lblItem[0].Tag, "Installiert alles");
    EXPECT_EQ(menuWindow.cmdItem[0].Tag, "E:\\setup.exe /s");
    EXPECT_EQ(menuWindow.cmdItem[1].Tag, "http://www.orlimar.example/");
    EXPECT_EQ(menuWindow.ItemHighColor, 0x0000FFu);
    EXPECT_EQ(menuWindow.BackColor(), 0x404040u);
    EXPECT_EQ(menuWindow.Width(), 6000) << "three entries make one column";
}

// What a save writes, byte for byte, against files saved before: the demo
// project opened and saved anew, and a project that sets every key.
TEST_F(Project, SavedFilesKeepTheirBytes) {
    // The demo disc's background beside it, where the disc's root is
    // ("\\back.bmp"), so that opening keeps its path.
    std::filesystem::copy(KELVO_DEMO_CD, dir, std::filesystem::copy_options::recursive);
    services.existing.insert(dir.string() + "\\back.bmp");
    Open("kelvo.ini");
    SaveAs("demo-saved.ini");
    EXPECT_TRUE(ReadFile("demo-saved.ini") == ReadFile("kelvo.ini")) << "the demo's own bytes";

    driver->ChooseMenu(main.mnuNew);
    main.tbName.SetText("Jede Taste ");
    main.vsItems.SetValue(1);  // ten entries
    ProjectData& p = main.Project;
    p.BackColor = 12632256;
    p.ForeColor = 255;
    p.HighColor = 65535;
    p.FontSize = 14;
    p.Font = "Times New Roman";
    p.BackgroundPic = "\\bilder\\hinter grund.bmp";
    p.ColorPic = false;
    p.SplashPic = "\\splash.gif";
    p.SplashTime = 7;
    p.SourceDir = "C:\\Eigene Dateien\\CD";
    for (int i = 0; i < MaxItems; ++i) {
        const std::string n = std::to_string(i + 1);
        p.Item[static_cast<std::size_t>(i)] = {"\\prog" + n + ".exe /" + n, "\\icons\\" + n + ".ico",
                                               "Eintrag Nr. " + n + " \"x\"", "Beschreibung " + n};
    }
    p.Item[2].txt = "'gequotet'";
    p.Item[3].desc = " vorn frei";
    SaveAs("every-key.ini");
    std::ifstream saved(std::string(KELVO_EDITOR_TEST_DATA) + "/every-key.ini", std::ios::binary);
    EXPECT_TRUE(ReadFile("every-key.ini") == std::string(std::istreambuf_iterator<char>(saved), {}));
}

}  // namespace
}  // namespace editor::testing

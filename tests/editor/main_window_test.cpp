// The main window: start, pages, menus and toolbar, help, the changed flag
// with its save prompt, and the ways to end the editor.
#include <functional>

#include "editor_fixture.h"

namespace editor::testing {
namespace {

using forms::mb::Cancel;
using forms::mb::No;
using forms::mb::Yes;

class MainWindow : public EditorTest {
protected:
    void SetUp() override {
        services.settings["Orlimar/Admin/Subst_Path"] = "C:\\WINDOWS\\COMMAND";
        Start();
    }
    // The one page shown, in front of the others; -1 when that is not so.
    int PageInFront() const {
        int front = -1;
        for (int i = 0; i < frmMain::PageCount; ++i) {
            if (!main.picTab[i].Shown()) continue;
            if (front != -1 || main.picTab[i].StackPosition() != 0) return -1;
            front = i;
        }
        return front;
    }
    int CheckedViewEntry() const {
        int checked = -1;
        for (int i = 0; i < frmMain::PageCount; ++i) {
            if (!main.mnuView[i].Checked()) continue;
            if (checked != -1) return -2;
            checked = i;
        }
        return checked;
    }
};

TEST_F(MainWindow, StartsWithANewProjectOnTheFirstPage) {
    EXPECT_EQ(main.Caption(), "Orlimar Pavonel Admin 98");
    EXPECT_EQ(main.ScaleWidth(), 6855);
    EXPECT_EQ(main.ScaleHeight(), 5235);
    EXPECT_FALSE(main.MaxButton());
    EXPECT_EQ(main.BorderStyle(), forms::BorderStyle::FixedSingle);
    EXPECT_EQ(main.Statusbar.Caption(), "Neues Projekt");
    EXPECT_EQ(PageInFront(), frmMain::PageGeneral);
    EXPECT_EQ(CheckedViewEntry(), frmMain::PageGeneral);
    EXPECT_EQ(main.tbName.Text(), "Project XY");
    EXPECT_EQ(main.lblItems.Caption(), "10");
    EXPECT_EQ(main.lblExe.Caption(), "S:\\kelvo.exe");
    EXPECT_EQ(main.tvItems.NodeCount(), 51);
    EXPECT_TRUE(main.ProjectPath.empty());
    EXPECT_FALSE(main.Changed);

    // The record holds what the pages show, the values of a new project.
    const ProjectData& p = main.Project;
    EXPECT_EQ(p.Name, "Project XY");
    EXPECT_TRUE(p.ColorPic);
    EXPECT_EQ(p.SplashTime, 30);
    EXPECT_EQ(p.Items, 10);
    EXPECT_EQ(p.ForeColor, 0x000000);
    EXPECT_EQ(p.BackColor, 0x808000);
    EXPECT_EQ(p.HighColor, 0xFF0000);
    EXPECT_EQ(p.Font, "MS Sans Serif");
    EXPECT_EQ(p.FontSize, 10);
    // The preview shows the background and caption colours of the record.
    EXPECT_EQ(main.picTest.BackColor(), 0x808000u);
    EXPECT_EQ(main.lblTest.ForeColor(), 0x000000u);

    // The options dialog is loaded hidden with the stored folder of subst.exe.
    EXPECT_EQ(substPath, "C:\\WINDOWS\\COMMAND");
    EXPECT_TRUE(options.Loaded());
    EXPECT_FALSE(options.Visible());
    EXPECT_EQ(options.tbDirSubst.Text(), "C:\\WINDOWS\\COMMAND");
    EXPECT_TRUE(main.HelpFile.empty());
}

TEST_F(MainWindow, EveryWayOfChoosingAPageBringsItToTheFrontWithTheCheckMark) {
    const std::vector<std::pair<std::string, std::function<void(int)>>> ways = {
        {"view menu", [&](int i) { driver->ChooseMenu(main.mnuView[i]); }},
        {"shortcut", [&](int i) { driver->PressShortcut(main, "AFET"[i]); }},
        {"selector click", [&](int i) { driver->Click(main.cmdSelect[i]); }},
        {"focus on selector", [&](int i) { backend.FocusByUser(main.cmdSelect[i]); }},
    };
    for (const auto& [way, choose] : ways) {
        for (int page : {3, 1, 2, 0}) {
            choose(page);
            EXPECT_EQ(PageInFront(), page) << way;
            EXPECT_EQ(CheckedViewEntry(), page) << way;
        }
    }
    EXPECT_FALSE(main.Changed);

    // The program putting the focus on a selector button chooses no page.
    main.cmdSelect[2].SetFocus();
    EXPECT_EQ(driver->FocusedControl(main), &main.cmdSelect[2]);
    EXPECT_EQ(PageInFront(), frmMain::PageGeneral);
    EXPECT_EQ(CheckedViewEntry(), frmMain::PageGeneral);

    // Tabbing onto a selector button switches the page as a click does.
    main.cmdSelect[0].SetFocus();
    driver->PressTab(main);
    EXPECT_EQ(driver->FocusedControl(main), &main.cmdSelect[1]);
    EXPECT_EQ(PageInFront(), frmMain::PageColors);
}

TEST_F(MainWindow, MenusShowTheirShortcutsAndEachCommandRunsItsHandler) {
    EXPECT_EQ(main.mnuNew.ShortcutText(), "Strg+N");
    EXPECT_EQ(main.mnuExit.ShortcutText(), "Strg+Q");
    EXPECT_EQ(main.mnuSave[1].ShortcutText(), "");
    EXPECT_TRUE(main.mnuDateiLine.IsSeparator());

    driver->PressShortcut(main, 'L');  // the drive wizard, modally
    driver->PressShortcut(main, 'I');  // the About box
    driver->ChooseMenu(main.mnuOpt);
    ASSERT_EQ(backend.modalCalls.size(), 3u);
    EXPECT_EQ(backend.modalCalls[0].name, "frmVirtuell");
    EXPECT_EQ(backend.modalCalls[1].name, "About");
    EXPECT_EQ(backend.modalCalls[2].name, "frmOptionen");
    EXPECT_EQ(about.Caption(), "About Pavonel Admin 98");
    EXPECT_EQ(about.Version.Caption(), "Pavonel Admin 98 2.1.1");
    EXPECT_EQ(about.Picture1.Picture(), main.Icon());

    driver->PressShortcut(main, 'O');
    ASSERT_EQ(backend.fileDialogs.size(), 1u);
    EXPECT_EQ(backend.fileDialogs[0].title, "Vorhandenes Projekt öffnen");
    EXPECT_FALSE(backend.fileDialogs[0].save);
}

TEST_F(MainWindow, ToolbarDispatchesOnTheKeyOfItsButtons) {
    ASSERT_EQ(main.toolbar.Buttons().size(), 5u);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"new", "Neu"}, {"open", "Datei öffnen"}, {"save", "Speichern"},
        {"network", "Laufwerksassistent"}, {"help", "Über..."}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(main.toolbar.Buttons()[i].key, expected[i].first);
        EXPECT_EQ(main.toolbar.Buttons()[i].toolTipText, expected[i].second);
        EXPECT_EQ(main.toolbar.Buttons()[i].image, static_cast<int>(i) + 1);
    }

    driver->ClickToolbarButton(main.toolbar, 2);  // open: the dialog, cancelled
    driver->ClickToolbarButton(main.toolbar, 3);  // save: asks for a name, cancelled
    driver->ClickToolbarButton(main.toolbar, 4);  // the wizard
    driver->ClickToolbarButton(main.toolbar, 5);  // the About box, not the help file
    ASSERT_EQ(backend.fileDialogs.size(), 2u);
    EXPECT_FALSE(backend.fileDialogs[0].save);
    EXPECT_TRUE(backend.fileDialogs[1].save);
    ASSERT_EQ(backend.modalCalls.size(), 2u);
    EXPECT_EQ(backend.modalCalls[0].name, "frmVirtuell");
    EXPECT_EQ(backend.modalCalls[1].name, "About");
    EXPECT_TRUE(services.help.empty());

    // A key the toolbar does not know does nothing.
    forms::ToolbarButton unknown{"print", "Drucken", 0};
    main.toolbar_ButtonClick(unknown);
    EXPECT_EQ(backend.fileDialogs.size(), 2u);
    EXPECT_EQ(backend.modalCalls.size(), 2u);
}

TEST_F(MainWindow, HelpNeedsTheHelpFileBesideTheProgram) {
    driver->ChooseMenu(main.mnuHelp);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text,
              "Hilfeinhalt konnte nicht angezeigt werden. Dieser Anwendung ist keine Hilfedatei "
              "zugeordnet.");
    EXPECT_EQ(Messages()[0].title, "Orlimar Pavonel Admin 98");
    EXPECT_EQ(Messages()[0].style, forms::mb::Information);
    EXPECT_TRUE(services.help.empty());

    services.existing.insert("C:\\Programme\\Pavonel\\admin.hlp");
    frmMain other(app, services, about, options, wizard, browse, substPath);
    other.Show();
    driver->ChooseMenu(other.mnuHelp);
    ASSERT_EQ(services.help.size(), 1u);
    EXPECT_EQ(services.help[0], std::make_tuple(std::string("C:\\Programme\\Pavonel\\admin.hlp"), 1u, 10ul));
    EXPECT_EQ(Messages().size(), 1u);
}

// Help with the help file, the manual or neither beside the program: the
// help engine where it takes the file, else the manual at the section of
// the page in front, only else a message.
TEST_F(MainWindow, HelpOpensTheHelpFileOrTheManualAtThePageInFront) {
    const std::string folder = "C:\\Programme\\Pavonel\\";
    struct Case {
        const char* what;
        bool helpFile, engine, manual;
        std::size_t helpCalls;
        std::vector<std::pair<std::string, std::string>> pages;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"help file and engine", true, true, true, 1, {}, nullptr},
        {"help file without engine", true, false, true, 1,
         {{folder + "Handbuch.html", "seite-farben"}}, nullptr},
        {"manual only", false, false, true, 0, {{folder + "Handbuch.html", "seite-farben"}}, nullptr},
        {"help file alone, no engine", true, false, false, 1, {},
         "Die Hilfedatei 'C:\\Programme\\Pavonel\\admin.hlp' konnte nicht angezeigt werden."},
        {"neither", false, false, false, 0, {},
         "Hilfeinhalt konnte nicht angezeigt werden. Dieser Anwendung ist keine Hilfedatei "
         "zugeordnet."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        services.existing.clear();
        if (c.helpFile) services.existing.insert(folder + "admin.hlp");
        if (c.manual) services.existing.insert(folder + "Handbuch.html");
        services.helpSucceeds = c.engine;
        services.help.clear();
        services.pagesOpened.clear();
        backend.messageBoxes.clear();
        frmMain other(app, services, about, options, wizard, browse, substPath);
        other.Show();
        driver->ChooseMenu(other.mnuView[frmMain::PageColors]);
        driver->ChooseMenu(other.mnuHelp);
        EXPECT_EQ(services.help.size(), c.helpCalls);
        EXPECT_EQ(services.pagesOpened, c.pages);
        if (c.message) {
            ASSERT_EQ(Messages().size(), 1u);
            EXPECT_EQ(Messages()[0].text, c.message);
        } else {
            EXPECT_TRUE(Messages().empty());
        }
        other.Unload();
    }
}

// The sections the help asks for are there in the manual.
TEST_F(MainWindow, TheManualHasASectionForEveryPage) {
    const std::string manual = test_support::ReadBytes(std::string(KELVO_MANUAL));
    ASSERT_FALSE(manual.empty()) << KELVO_MANUAL;
    for (const char* section : frmMain::ManualSections)
        EXPECT_NE(manual.find("id=\"" + std::string(section) + "\""), std::string::npos) << section;
}

// The save prompt of New, Open, "&Beenden" and the close box, with each
// answer. A Yes whose save does not happen stops the command like Cancel.
TEST_F(MainWindow, SavePromptGuardsUnsavedEditsOfEveryCommandThatDropsThem) {
    struct Command {
        const char* name;
        std::function<void(frmMain&)> run;
        std::function<bool(frmMain&)> wentOn;
    };
    const std::vector<Command> commands = {
        {"New", [&](frmMain& m) { driver->ChooseMenu(m.mnuNew); },
         [](frmMain& m) { return m.tbName.Text() == "Project XY"; }},
        {"Open", [&](frmMain& m) { driver->ChooseMenu(m.mnuOpen); },
         [&](frmMain&) {
             return !backend.fileDialogs.empty() && !backend.fileDialogs.back().save;
         }},
        {"Beenden", [&](frmMain& m) { driver->ChooseMenu(m.mnuExit); },
         [](frmMain& m) { return !m.Loaded(); }},
        {"close box", [&](frmMain& m) { driver->CloseByUser(m); },
         [](frmMain& m) { return !m.Loaded(); }},
    };
    struct Answer {
        const char* name;
        int answer;
        std::optional<std::string> saveAs;  // the save dialog's answer
        bool goesOn;
        bool saved;
    };
    const std::vector<Answer> answers = {
        {"Yes, saved", Yes, "gespeichert.ini", true, true},
        {"Yes, dialog cancelled", Yes, std::nullopt, false, false},
        {"No", No, std::nullopt, true, false},
        {"Cancel", Cancel, std::nullopt, false, false},
    };
    for (const Command& command : commands) {
        for (const Answer& answer : answers) {
            SCOPED_TRACE(std::string(command.name) + " / " + answer.name);
            backend.messageBoxes.clear();
            backend.fileDialogs.clear();
            backend.fileDialogAnswers.clear();
            std::filesystem::remove(PathOf("gespeichert.ini"));
            frmMain m(app, services, about, options, wizard, browse, substPath);
            m.Show();
            TypeAtEnd(m.tbName, "!");
            ASSERT_TRUE(m.Changed);
            AnswerMessage(answer.answer);
            if (answer.saveAs) AnswerFileDialog(PathOf(*answer.saveAs));
            else if (answer.answer == Yes) AnswerFileDialog(std::nullopt);

            command.run(m);

            ASSERT_EQ(Messages().size(), 1u);
            EXPECT_EQ(Messages()[0].text,
                      "Ihr Projekt ist noch nicht gespeichert! Wollen Sie jetzt speichern?");
            EXPECT_EQ(Messages()[0].title, "Beenden");
            EXPECT_EQ(Messages()[0].style, forms::mb::YesNoCancel | forms::mb::Information);
            EXPECT_EQ(command.wentOn(m), answer.goesOn);
            EXPECT_EQ(std::filesystem::exists(PathOf("gespeichert.ini")), answer.saved);
            if (!answer.goesOn) {
                EXPECT_TRUE(m.Loaded());
                EXPECT_EQ(m.tbName.Text(), "Project XY!");
                EXPECT_TRUE(m.Changed);
            }
            m.Unload();
            backend.ended = false;
        }
    }
}

TEST_F(MainWindow, NothingToSaveMeansNoQuestion) {
    driver->ChooseMenu(main.mnuNew);
    AnswerFileDialog(std::nullopt);
    driver->ChooseMenu(main.mnuOpen);
    EXPECT_TRUE(Messages().empty());

    // Closing by program code asks nothing, even with edits.
    TypeAtEnd(main.tbName, "x");
    main.Unload();
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(main.Loaded());
}

TEST_F(MainWindow, BothWaysOfEndingStoreTheSubstFolderAndReleaseTheHelp) {
    for (const bool byMenu : {true, false}) {
        SCOPED_TRACE(byMenu ? "Beenden" : "close box");
        services.settings.clear();
        services.help.clear();
        frmMain m(app, services, about, options, wizard, browse, substPath);
        m.Show();
        substPath = byMenu ? "C:\\Menü\\" : "D:\\Box";
        if (byMenu)
            driver->ChooseMenu(m.mnuExit);
        else
            driver->CloseByUser(m);
        EXPECT_FALSE(m.Loaded());
        EXPECT_EQ(backend.ended, byMenu);
        EXPECT_EQ(services.settings["Orlimar/Admin/Subst_Path"], substPath);
        ASSERT_EQ(services.help.size(), 1u);
        EXPECT_EQ(services.help[0], std::make_tuple(std::string(), 2u, 0ul));
        // No window is left that would keep the editor running.
        EXPECT_FALSE(options.Loaded());
        EXPECT_FALSE(wizard.Loaded());
        EXPECT_FALSE(about.Loaded());
        backend.ended = false;
    }
}

TEST_F(MainWindow, TheHiddenButtonsAccessKeySaves) {
    EXPECT_GT(main.cmdSave.Top(), main.ScaleHeight());
    EXPECT_FALSE(main.cmdSave.TabStop());
    AnswerFileDialog(PathOf("alt-s.ini"));
    driver->PressAccessKey(main, 's');
    EXPECT_TRUE(std::filesystem::exists(PathOf("alt-s.ini")));
    EXPECT_EQ(main.ProjectPath, PathOf("alt-s.ini"));
}

}  // namespace
}  // namespace editor::testing

// The page "Test", the folder pickers, the options dialog and the drive
// wizard.
#include "editor_fixture.h"

namespace editor::testing {
namespace {

// Answers the next folder picker: each path of selections is selected in
// turn (the dialog's notification runs for each), then the last one is
// confirmed, or the picker is cancelled when confirm is false.
void PickFolder(forms::headless::Backend& backend, std::vector<std::string> selections,
                bool confirm, std::vector<forms::headless::FolderDialogState>* seen = nullptr) {
    backend.onFolderDialog = [=](const forms::FolderDialogRequest& request,
                                 forms::headless::FolderDialogState& dialog)
        -> std::optional<std::string> {
        for (const std::string& path : selections) {
            request.selectionChanged(dialog, path);
            if (seen) seen->push_back(dialog);
        }
        if (!confirm || selections.empty()) return std::nullopt;
        return selections.back();
    };
}

class TestRun : public EditorTest {
protected:
    void SetUp() override {
        Start();
        driver->ChooseMenu(main.mnuView[frmMain::PageTest]);
    }
};

TEST_F(TestRun, TheTestCommandFollowsTheSourceFolder) {
    EXPECT_EQ(main.lblExe.Caption(), "S:\\kelvo.exe");
    const struct {
        const char* folder;
        const char* command;
    } cases[] = {{"C:\\CD", "C:\\CD\\kelvo.exe"}, {"S:\\", "S:\\kelvo.exe"}, {"", "\\kelvo.exe"}};
    for (const auto& c : cases) {
        main.tbSource.SetText(c.folder);
        EXPECT_EQ(main.lblExe.Caption(), c.command);
        EXPECT_EQ(main.Project.SourceDir, c.folder);
    }
    main.Changed = false;
    main.tbSource.SetText("");
    EXPECT_FALSE(main.Changed) << "the same text is no change";

    // The field takes no typing; "..." fills it, a cancelled picker not.
    EXPECT_TRUE(main.tbSource.Locked());
    PickFolder(backend, {"C:\\Meine CD"}, true);
    driver->Click(main.cmdSource);
    EXPECT_EQ(main.tbSource.Text(), "C:\\Meine CD");
    ASSERT_EQ(backend.folderDialogs.size(), 1u);
    EXPECT_EQ(backend.folderDialogs[0].title, "Bitte wählen Sie ein Verzeichnis:");
    EXPECT_EQ(backend.folderDialogs[0].flags, 5u);
    EXPECT_EQ(backend.folderDialogs[0].rootFolder, 0);
    PickFolder(backend, {"C:\\Anders"}, false);
    driver->Click(main.cmdSource);
    EXPECT_EQ(main.tbSource.Text(), "C:\\Meine CD");
}

TEST_F(TestRun, TheTestStartsExactlyTheCommandOrSaysWhyNot) {
    main.tbSource.SetText("C:\\Meine CD");
    driver->Click(main.cmdTest);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text,
              "Der angegebene Pfad 'C:\\Meine CD\\kelvo.exe' existiert nicht. Bitte wählen Sie "
              "einen neuen aus.");
    EXPECT_EQ(Messages()[0].title, "Falscher Pfad");
    EXPECT_EQ(Messages()[0].style, forms::mb::Information);
    EXPECT_TRUE(services.started.empty());

    services.existing.insert("C:\\Meine CD\\kelvo.exe");
    driver->Click(main.cmdTest);
    ASSERT_EQ(services.started.size(), 1u);
    EXPECT_EQ(services.started[0].program, "C:\\Meine CD\\kelvo.exe");
    EXPECT_TRUE(services.started[0].arguments.empty());
    EXPECT_EQ(services.started[0].state, os::WindowState::Normal);
    EXPECT_EQ(Messages().size(), 1u);

    // A path that exists but does not start (a folder, say) is reported too.
    services.startSucceeds = false;
    driver->Click(main.cmdTest);
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_NE(Messages()[1].text.find("'C:\\Meine CD\\kelvo.exe'"), std::string::npos);
    EXPECT_EQ(main.lblExe.Caption(), "C:\\Meine CD\\kelvo.exe");

    driver->Click(main.cmdNew);
    ASSERT_EQ(backend.modalCalls.size(), 1u);
    EXPECT_EQ(backend.modalCalls[0].name, "frmVirtuell");
}

TEST_F(TestRun, ThePickersNotificationsDecideWhatCanBeConfirmed) {
    forms::headless::FolderDialogState dialog;
    dialog.statusText = "vorher";
    Mod_BrowseFolder::FolderBrowseCallback(dialog, "C:\\Daten\\CD");
    EXPECT_EQ(dialog.statusText, "vorher") << "a longer path leaves the dialog as it is";
    dialog.okEnabled = false;
    for (const char* path : {"C:\\", ""}) {
        Mod_BrowseFolder::FolderBrowseCallback(dialog, path);
        EXPECT_TRUE(dialog.okEnabled);
        EXPECT_EQ(dialog.statusText, "");
    }

    services.existing = {"C:\\WINDOWS\\COMMAND\\subst.exe", "C:\\subst.exe"};
    std::vector<forms::headless::FolderDialogState> seen;
    PickFolder(backend, {"C:\\WINDOWS", "C:\\WINDOWS\\COMMAND", "C:\\", "", "D:\\"}, false, &seen);
    options.Show();
    driver->Click(options.cmdDirSubst);
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(backend.folderDialogs[0].title,
              "Bitte wählen Sie einen Ordner, indem sich 'subst.exe' befindet!");
    const struct {
        bool ok;
        const char* status;
    } expected[] = {{false, "'Subst.exe' fehlt!"}, {true, "Gefunden!"}, {true, "Gefunden!"},
                    {true, "Gefunden!"} /* no path: unchanged */, {false, "'Subst.exe' fehlt!"}};
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].okEnabled, expected[i].ok) << i;
        EXPECT_EQ(seen[i].statusText, expected[i].status) << i;
    }
}

TEST_F(TestRun, TheOptionsDialogTakesTheFolderOnlyWithOk) {
    substPath = "C:\\Alt";
    options.tbDirSubst.SetText("C:\\Alt");
    for (const char* ending : {"Abbrechen", "close box", "OK"}) {
        SCOPED_TRACE(ending);
        driver->OnNextModal([&](forms::Form&) {
            PickFolder(backend, {"C:\\Neu"}, true);
            driver->Click(options.cmdDirSubst);
            EXPECT_EQ(options.tbDirSubst.Text(), "C:\\Neu");
            if (std::string(ending) == "OK")
                driver->Click(options.cmdOK);
            else if (std::string(ending) == "Abbrechen")
                driver->Click(options.cmdCancel);
            else
                driver->CloseByUser(options);
        });
        driver->ChooseMenu(main.mnuOpt);
        EXPECT_FALSE(options.Visible());
        EXPECT_TRUE(options.Loaded());
        const bool ok = std::string(ending) == "OK";
        EXPECT_EQ(substPath, ok ? "C:\\Neu" : "C:\\Alt");
        EXPECT_EQ(options.tbDirSubst.Text(), ok ? "C:\\Neu" : "C:\\Alt");
    }
    EXPECT_EQ(options.Caption(), "Einstellungen");
    EXPECT_EQ(options.DefaultButton(), &options.cmdOK);
    EXPECT_EQ(options.TabStrip1.TabCount(), 1);
    EXPECT_EQ(options.TabStrip1.Tab(1), "Test");
    EXPECT_NE(options.lblDirSubst.Caption().find("dabei." + std::string(40, ' ') + "Unter Win95"),
              std::string::npos);
}

class Wizard : public TestRun {
protected:
    void SetUp() override {
        TestRun::SetUp();
        substPath = "C:\\WINDOWS\\COMMAND";
        services.existing = {"C:\\WINDOWS\\COMMAND\\subst.exe", "C:\\CD", "C:\\Meine CD", "E:"};
        wizard.Show();  // shown modally in the editor; shown here to click it
    }
    void Next() { driver->Click(wizard.cmdReg[1]); }
    void Back() { driver->Click(wizard.cmdReg[0]); }
    int PageInFront() const {
        for (int i = 0; i < 4; ++i)
            if (wizard.picRegIndex[i].Shown() && wizard.picRegIndex[i].StackPosition() == 0)
                return i;
        return -1;
    }
    void ExpectButtons(bool back, bool next) {
        EXPECT_EQ(wizard.cmdReg[0].Enabled(), back);
        EXPECT_EQ(wizard.cmdReg[1].Enabled(), next);
    }
};

TEST_F(Wizard, StartsOnItsFirstPageWithNothingChosen) {
    EXPECT_EQ(wizard.Caption(), "Laufwerks-Assistent");
    EXPECT_EQ(PageInFront(), 0);
    ExpectButtons(false, false);
    EXPECT_FALSE(wizard.optWas[0].Value());
    EXPECT_FALSE(wizard.optWas[1].Value());
    for (forms::ComboBox* list : {&wizard.cboNew, &wizard.cboVirtuell}) {
        ASSERT_EQ(list->ListCount(), 23);
        EXPECT_EQ(list->List(0), "D:");
        EXPECT_EQ(list->List(22), "Z:");
        EXPECT_EQ(list->ListIndex(), 0);
    }
    EXPECT_TRUE(wizard.tbSourceDir.Locked());
}

TEST_F(Wizard, CreatingADriveRunsSubstWithTheChosenLetterAndFolder) {
    driver->Click(wizard.optWas[0]);
    ExpectButtons(false, true);
    Next();
    EXPECT_EQ(PageInFront(), 1);
    ExpectButtons(true, false) ;  // no source folder yet
    PickFolder(backend, {"C:\\Meine CD"}, true);
    driver->Click(wizard.cmdGetDir);
    ExpectButtons(true, true);
    driver->PickListEntry(wizard.cboNew, 15);  // S:
    Next();
    EXPECT_EQ(PageInFront(), 3);
    EXPECT_EQ(wizard.lblWhat.Caption(),
              "Verzeichnis C:\\Meine CD wird jetzt unter Laufwerk S:\\ eingerichtet.");
    EXPECT_TRUE(services.drives.empty()) << "nothing runs before the last step";
    Next();

    ASSERT_EQ(services.drives.size(), 1u);
    EXPECT_TRUE(services.drives[0].map);
    EXPECT_EQ(services.drives[0].substProgram, "C:\\WINDOWS\\COMMAND\\subst.exe");
    EXPECT_EQ(services.drives[0].letter, 'S');
    EXPECT_EQ(services.drives[0].folder, "C:\\Meine CD");
    // The folder of subst.exe now ends in one separator, everywhere.
    EXPECT_EQ(substPath, "C:\\WINDOWS\\COMMAND\\");
    EXPECT_EQ(options.tbDirSubst.Text(), "C:\\WINDOWS\\COMMAND\\");
    // Reset for the next opening, the choices kept.
    EXPECT_FALSE(wizard.Visible());
    EXPECT_EQ(wizard.CurrIndex, 0);
    EXPECT_EQ(PageInFront(), 0);
    ExpectButtons(false, false);
    EXPECT_FALSE(wizard.optWas[0].Value());
    EXPECT_EQ(wizard.tbSourceDir.Text(), "C:\\Meine CD");
    EXPECT_EQ(wizard.cboNew.ListIndex(), 15);

    // A second run looks for C:\WINDOWS\COMMAND\\subst.exe, which a lookup
    // finds like the file without the doubled separator, and keeps one.
    services.existing.insert("C:\\WINDOWS\\COMMAND\\\\subst.exe");
    driver->Click(wizard.optWas[0]);
    Next();
    Next();
    Next();
    ASSERT_EQ(services.drives.size(), 2u);
    EXPECT_EQ(services.drives[1].substProgram, "C:\\WINDOWS\\COMMAND\\subst.exe");
}

TEST_F(Wizard, TheChecksReportTheFirstFaultAndKeepStepOne) {
    struct Case {
        const char* name;
        bool create;
        std::function<void()> arrange;
        const char* message;
        int icon;
    };
    const std::vector<Case> cases = {
        {"letter in use", true, [&] { wizard.cboNew.SetListIndex(1); /* E: */ },
         "Laufwerk existiert bereits. Bitte wählen Sie ein Neues aus!", forms::mb::Exclamation},
        {"no subst.exe", true, [&] { substPath = ""; },
         "Bitte geben Sie den korrekten Pfad von 'subst.exe' an", forms::mb::Exclamation},
        {"no folder", true, [&] { wizard.tbSourceDir.SetText(""); },
         "Bitte Quellverzeichnis angeben!", forms::mb::Information},
        {"folder missing", true, [&] { wizard.tbSourceDir.SetText("C:\\Weg"); },
         "Quellverzeichnis nicht vorhanden!", forms::mb::Information},
        {"drive missing", false, [&] { wizard.cboVirtuell.SetListIndex(2); /* F: */ },
         "Laufwerk nicht vorhanden. Bitte wählen Sie ein Neues aus!", forms::mb::Exclamation},
        {"no subst.exe to remove", false, [&] { substPath = "C:\\Leer"; },
         "Bitte geben Sie den korrekten Pfad von 'subst.exe' an", forms::mb::Exclamation},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        substPath = "C:\\WINDOWS\\COMMAND";
        wizard.tbSourceDir.SetText("C:\\CD");
        wizard.cboNew.SetListIndex(15);
        wizard.cboVirtuell.SetListIndex(1);
        backend.messageBoxes.clear();
        driver->Click(wizard.optWas[c.create ? 0 : 1]);
        Next();
        c.arrange();
        Next();
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].text, c.message);
        EXPECT_EQ(Messages()[0].title, "Fehler");
        EXPECT_EQ(Messages()[0].style, c.icon);
        EXPECT_EQ(wizard.CurrIndex, 1);
        EXPECT_EQ(PageInFront(), c.create ? 1 : 2);
        driver->Click(wizard.cmdCancel);
    }
    EXPECT_TRUE(services.drives.empty());
}

TEST_F(Wizard, RemovingGoesBackAndForthAndRunsSubstWithD) {
    driver->Click(wizard.optWas[1]);
    Next();
    EXPECT_EQ(PageInFront(), 2);
    ExpectButtons(true, true);
    Back();
    EXPECT_EQ(PageInFront(), 0);
    ExpectButtons(false, true);
    Back();  // nothing happens on the first page
    EXPECT_EQ(wizard.CurrIndex, 0);
    Next();
    wizard.cboVirtuell.SetListIndex(1);  // E:, which exists
    Next();
    EXPECT_EQ(PageInFront(), 3);
    EXPECT_EQ(wizard.lblWhat.Caption(),
              "Laufwerk E:\\ wird jetzt entfernt.\r\rEs werden keine Daten gelöscht!");
    Back();
    EXPECT_EQ(PageInFront(), 2) << "back to the remove page";
    Next();
    Next();
    ASSERT_EQ(services.drives.size(), 1u);
    EXPECT_FALSE(services.drives[0].map);
    EXPECT_EQ(services.drives[0].letter, 'E');

    // Closing the wizard by its close box runs nothing and resets it.
    driver->Click(wizard.optWas[1]);
    Next();
    wizard.Show();
    driver->CloseByUser(wizard);
    EXPECT_TRUE(wizard.Loaded());
    EXPECT_FALSE(wizard.Visible());
    EXPECT_EQ(wizard.CurrIndex, 0);
    EXPECT_EQ(services.drives.size(), 1u);
}

}  // namespace
}  // namespace editor::testing

// "CD-Ordner prüfen" and "CD-Abbild erstellen" in the editor: the folder of
// the saved project checked, its findings in a dialog that leads to an
// entry's field, and the image written with a progress window that can be
// stopped.
#include <filesystem>

#include "editor_fixture.h"

namespace editor::testing {
namespace {

namespace fs = std::filesystem;
using forms::mb::Cancel;
using forms::mb::No;
using forms::mb::Yes;

class DiscCommands : public EditorTest {
protected:
    void SetUp() override {
        fs::copy(KELVO_DEMO_CD, dir / "cd", fs::copy_options::recursive);
        WriteFile("cd/kelvo.exe", "MZ");
        // "\back.bmp" is looked for beside the project file when it opens.
        services.existing.insert((dir / "cd").string() + "\\back.bmp");
        Start();
    }
    void OpenDisc() { Open("cd/kelvo.ini"); }
    // Runs action while the next modal form shows, then closes it with
    // "Schließen" unless the action did.
    void WhileFindingsShow(std::function<void()> action = {}) {
        driver->OnNextModal([this, action](forms::Form& form) {
            ASSERT_EQ(&form, &main.Pruefung);
            if (action) action();
            if (main.Pruefung.Showing()) driver->Click(main.Pruefung.cmdSchliessen);
        });
    }
    std::vector<std::string> ListedFindings() const {
        std::vector<std::string> lines;
        for (int i = 1; i <= main.Pruefung.tvFunde.NodeCount(); ++i)
            lines.push_back(main.Pruefung.tvFunde.Node(i).text);
        return lines;
    }
};

TEST_F(DiscCommands, TheTwoEntriesEndTheMenuExtras) {
    const auto& entries = main.mnuExtras.Entries();
    ASSERT_GE(entries.size(), 3u);
    EXPECT_TRUE(entries[entries.size() - 3]->IsSeparator());
    EXPECT_EQ(entries[entries.size() - 2]->Caption(), "CD-Ordner &prüfen...");
    EXPECT_EQ(entries[entries.size() - 1]->Caption(), "CD-&Abbild erstellen...");
}

TEST_F(DiscCommands, ACleanFolderIsReportedReadyAndFindingsLeadToTheirField) {
    OpenDisc();
    driver->ChooseMenu(main.mnuPruefen);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text,
              "Der CD-Ordner '" + (dir / "cd").string() +
                  "' ist bereit für die CD: die Prüfung hat nichts gefunden.");
    EXPECT_TRUE(backend.modalCalls.empty());

    // A command that is not on the disc: the list, the counts, and a
    // double click that shows the field.
    main.Project.Item[3].cmd = "\\docs\\fehlt.txt";
    main.Changed = true;
    AnswerMessage(Yes);  // save first
    WhileFindingsShow([&] {
        EXPECT_EQ(ListedFindings(), std::vector<std::string>{
                                        "Fehler: Eintrag 4 (Preisliste), Command: "
                                        "'\\docs\\fehlt.txt' fehlt auf der CD"});
        EXPECT_EQ(main.Pruefung.tvFunde.Node(1).image, 1) << "the sign of a fault";
        EXPECT_EQ(main.Pruefung.lblErgebnis.Caption(), "Ergebnis: 1 Fehler, 0 Hinweise");
        driver->DoubleClickTreeNode(main.Pruefung.tvFunde, 1);
    });
    driver->ChooseMenu(main.mnuPruefen);
    EXPECT_NE(ReadFile("cd/kelvo.ini").find("Command=\\docs\\fehlt.txt"), std::string::npos)
        << "saved before the check";
    ASSERT_EQ(backend.modalCalls.size(), 1u);
    EXPECT_FALSE(main.Pruefung.Showing());
    EXPECT_TRUE(main.picTab[frmMain::PageItems].Shown());
    EXPECT_TRUE(main.tbOpt.Shown());
    EXPECT_EQ(main.tbOpt.Text(), "\\docs\\fehlt.txt");
    EXPECT_EQ(main.CurrentItem, 3);
    EXPECT_EQ(main.CurrentField, "cmd");
}

TEST_F(DiscCommands, UnsavedEditsAreAskedForAndANewProjectAsksForItsPlace) {
    TypeAtEnd(main.tbName, "!");
    AnswerMessage(Cancel);
    driver->ChooseMenu(main.mnuPruefen);
    EXPECT_EQ(Messages().size(), 1u) << "only the save prompt";
    EXPECT_TRUE(backend.fileDialogs.empty());

    // "No" to saving: a project never saved still needs its place.
    AnswerMessage(No);
    AnswerFileDialog(std::nullopt);  // and the user cancels it
    driver->ChooseMenu(main.mnuAbbild);
    ASSERT_EQ(backend.fileDialogs.size(), 1u);
    EXPECT_EQ(backend.fileDialogs[0].title, "Projekt speichern unter");
    EXPECT_TRUE(backend.modalCalls.empty());
}

TEST_F(DiscCommands, TheImageIsWrittenWhereTheUserSaysWithItsProgress) {
    OpenDisc();
    const std::string image = PathOf("Demo.iso");
    AnswerFileDialog(image);
    std::vector<int> progress;
    backend.onDoEvents = [&] { progress.push_back(main.Fortschritt.pbAbbild.Value()); };
    driver->ChooseMenu(main.mnuAbbild);
    ASSERT_FALSE(backend.fileDialogs.empty());
    const forms::FileDialogRequest& request = backend.fileDialogs.back();
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.fileName, "Demo-CD.iso");
    EXPECT_EQ(request.filter, "CD-Abbild (*.iso)|*.iso");
    ASSERT_TRUE(fs::exists(image));
    EXPECT_EQ(ReadFile("Demo.iso").substr(32769, 5), "CD001");
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), 100);
    EXPECT_FALSE(main.Fortschritt.Showing());
    EXPECT_TRUE(main.Enabled());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text.rfind("Das CD-Abbild ist fertig: '" + image + "', ", 0), 0u)
        << Messages()[0].text;
    EXPECT_NE(Messages()[0].text.find("Bezeichnung Demo-CD. Es passt auf eine CD."),
              std::string::npos)
        << Messages()[0].text;
}

TEST_F(DiscCommands, AbbrechenLeavesNoImageAndFaultsGiveNone) {
    OpenDisc();
    const std::string image = PathOf("Abgebrochen.iso");
    AnswerFileDialog(image);
    backend.onDoEvents = [&] { driver->Click(main.Fortschritt.cmdAbbrechen); };
    driver->ChooseMenu(main.mnuAbbild);
    EXPECT_FALSE(fs::exists(image));
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(main.Enabled());
    backend.onDoEvents = nullptr;

    // Inside the CD folder itself: refused.
    AnswerFileDialog(PathOf("cd/Demo.iso"));
    driver->ChooseMenu(main.mnuAbbild);
    EXPECT_FALSE(fs::exists(dir / "cd" / "Demo.iso"));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text.rfind("Das CD-Abbild kann nicht im CD-Ordner selbst liegen", 0),
              0u);

    // A fault: the findings dialog, no save dialog, no image.
    fs::remove(dir / "cd" / "kelvo.exe");
    const std::size_t dialogs = backend.fileDialogs.size();
    WhileFindingsShow([&] {
        EXPECT_EQ(ListedFindings().front(), "Fehler: kelvo.exe: fehlt neben kelvo.ini");
    });
    driver->ChooseMenu(main.mnuAbbild);
    EXPECT_EQ(backend.fileDialogs.size(), dialogs);
    EXPECT_EQ(backend.modalCalls.size(), 1u);
}

}  // namespace
}  // namespace editor::testing

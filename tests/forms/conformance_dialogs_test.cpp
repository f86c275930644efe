// The common dialog object and the folder picker on every backend, answered
// through the driver as a user answers them: what the program asks for
// reaches the dialog, and what the user chooses comes back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/common_dialog.h"
#include "forms/driver.h"
#include "support/temp_folder.h"

namespace forms {
namespace {

namespace fs = std::filesystem;
using testing::Driver;
using testing::MakeDriver;
using View = Driver::FolderPickerView;

using test_support::FromUtf8;
using test_support::Utf8;

// Whether path names the existing file or folder expected.
bool Names(const std::string& path, const fs::path& expected) {
    std::error_code error;
    return fs::equivalent(FromUtf8(path), expected, error);
}

// A shown form that owns the dialogs, and a fresh folder with a picture in
// one subfolder and nothing in another.
class DialogConformanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner.SetCaption("Dialoge");
        owner.Show();
        fs::create_directories(pictures);
        fs::create_directories(empty);
        std::ofstream(picture) << "BM";
        // Wine's folder picker finds a folder only while its access time is
        // still the one it saw, and the first listing of a folder after a
        // change in it moves that time on: list each changed folder now.
        for (const fs::path& each : {folder.parent_path(), folder, pictures, empty})
            for ([[maybe_unused]] const auto& entry : fs::directory_iterator(each)) {
            }
    }

    void TearDown() override {
        EXPECT_EQ(driver->UnusedDialogAnswers(), 0) << "a dialog the test answered never opened";
        // A file dialog moves the current folder to where the user chose;
        // a current folder cannot be removed.
        fs::current_path(startFolder);
    }

    std::unique_ptr<Driver> driver = MakeDriver();
    Application app{driver->GetBackend()};
    Form owner{app};
    CommonDialog dialog{app};
    const fs::path startFolder = fs::current_path();
    test_support::TempFolder scratch;
    const fs::path folder = scratch.Path();
    const fs::path pictures = folder / "Bilder";
    const fs::path picture = pictures / "Hintergrund.bmp";
    const fs::path empty = folder / "Leer";
};

TEST_F(DialogConformanceTest, OpenAndSaveReturnTheChosenPathAndTheNextUseStartsFromIt) {
    dialog.DialogTitle = "Bitte Grafik auswählen";
    dialog.Filter = "Bilder (*.bmp;*.gif)|*.bmp;*.gif|Alle Dateien (*.*)|*.*";
    dialog.Flags = ofn::HideReadOnly | ofn::FileMustExist;
    dialog.CancelError = true;
    Driver::DialogView opened;
    driver->AnswerNextFileDialog(Utf8(picture), &opened);
    dialog.ShowOpen();

    EXPECT_TRUE(Names(dialog.FileName, picture)) << dialog.FileName;
    EXPECT_EQ(opened.title, "Bitte Grafik auswählen");
    EXPECT_EQ(opened.fileType, "Bilder (*.bmp;*.gif)");
    EXPECT_EQ(opened.fileName, "");

    // Only the flags change: title, filter and the chosen file stay.
    dialog.Flags = ofn::HideReadOnly | ofn::OverwritePrompt;
    Driver::DialogView saved;
    driver->AnswerNextFileDialog(Utf8(empty / "kelvo.ini"), &saved);
    dialog.ShowSave();

    EXPECT_EQ(saved.title, "Bitte Grafik auswählen");
    EXPECT_EQ(saved.fileType, "Bilder (*.bmp;*.gif)");
    EXPECT_EQ(saved.fileName, "Hintergrund.bmp");
    EXPECT_EQ(Utf8(FromUtf8(dialog.FileName).filename()), "kelvo.ini");
    EXPECT_TRUE(Names(Utf8(FromUtf8(dialog.FileName).parent_path()), empty)) << dialog.FileName;
}

TEST_F(DialogConformanceTest, CancelThrowsOnlyWithCancelErrorAndKeepsWhatTheObjectHeld) {
    struct Case {
        const char* dialog;
        void (CommonDialog::*show)();
    };
    const Case cases[] = {{"open", &CommonDialog::ShowOpen},
                          {"save", &CommonDialog::ShowSave},
                          {"colour", &CommonDialog::ShowColor},
                          {"font", &CommonDialog::ShowFont}};
    dialog.FileName = Utf8(picture);
    dialog.Color = 0x00336699;
    dialog.FontName = "Tahoma";
    dialog.FontSize = 12;
    const auto cancelNext = [&](void (CommonDialog::*show)()) {
        if (show == &CommonDialog::ShowColor)
            driver->AnswerNextColorDialog(std::nullopt);
        else if (show == &CommonDialog::ShowFont)
            driver->AnswerNextFontDialog(std::nullopt);
        else
            driver->AnswerNextFileDialog(std::nullopt);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog);
        dialog.CancelError = true;
        cancelNext(c.show);
        EXPECT_THROW((dialog.*c.show)(), DialogCancelled);
        dialog.CancelError = false;
        cancelNext(c.show);
        EXPECT_NO_THROW((dialog.*c.show)());

        EXPECT_EQ(dialog.FileName, Utf8(picture));
        EXPECT_EQ(dialog.Color, 0x00336699u);
        EXPECT_EQ(dialog.FontName, "Tahoma");
        EXPECT_EQ(dialog.FontSize, 12);
    }
}

TEST_F(DialogConformanceTest, AFileNameNoDialogTakesStillLetsTheUserChoose) {
    dialog.FileName = std::string(40000, 'x') + ".ini";
    driver->AnswerNextFileDialog(Utf8(picture));
    dialog.ShowOpen();
    EXPECT_TRUE(Names(dialog.FileName, picture)) << dialog.FileName.substr(0, 80);
}

TEST_F(DialogConformanceTest, ColorDialogShowsTheObjectsColourAndReturnsTheChosenOne) {
    dialog.Flags = cc::RgbInit;
    dialog.Color = 0x004080C0;
    Driver::DialogView first, second, third;
    driver->AnswerNextColorDialog(0x004080C0, &first);  // OK on the colour shown
    dialog.ShowColor();
    EXPECT_EQ(dialog.Color, 0x004080C0u);

    driver->AnswerNextColorDialog(0x00123456, &second);
    dialog.ShowColor();
    EXPECT_EQ(dialog.Color, 0x00123456u);

    driver->AnswerNextColorDialog(std::nullopt, &third);
    dialog.ShowColor();

    EXPECT_EQ(first.color, 0x004080C0u);
    EXPECT_EQ(second.color, 0x004080C0u);
    EXPECT_EQ(third.color, 0x00123456u);
    EXPECT_EQ(dialog.Color, 0x00123456u);
}

TEST_F(DialogConformanceTest, FontDialogOfTheEditorReturnsNameAndSizeEvenWithoutAPrinter) {
    // Screen and printer fonts, Apply, only existing fonts: where no printer
    // is installed the dialog still opens, with the screen fonts.
    dialog.Flags = cf::ScreenFonts | cf::PrinterFonts | cf::Apply | cf::ForceFontExist;
    ASSERT_EQ(dialog.Flags, 0x10203u);
    dialog.FontName = "Tahoma";
    dialog.FontSize = 10;
    dialog.Color = 0x00336699;
    FontChoice bold;  // on whichever face the dialog shows: not every system has Tahoma
    bold.size = 14;
    bold.bold = true;
    driver->AnswerNextFontDialog(bold);
    dialog.ShowFont();

    const std::string face = dialog.FontName;
    EXPECT_NE(face, "");
    EXPECT_EQ(dialog.FontSize, 14);
    EXPECT_TRUE(dialog.FontBold);
    EXPECT_FALSE(dialog.FontItalic);
    EXPECT_EQ(dialog.Color, 0x00336699u) << "a dialog without effects chooses no colour";

    // The next use starts with that font; with effects, underline and a
    // colour of the dialog's list come back.
    dialog.Flags = cf::ScreenFonts | cf::Effects;
    FontChoice red;
    red.size = 9;
    red.italic = true;
    red.underline = true;
    red.color = 0x000000FF;
    Driver::DialogView seen;
    driver->AnswerNextFontDialog(red, &seen);
    dialog.ShowFont();

    EXPECT_EQ(seen.fontName, face);
    EXPECT_EQ(seen.fontSize, 14);
    EXPECT_EQ(dialog.FontName, face);
    EXPECT_EQ(dialog.FontSize, 9);
    EXPECT_FALSE(dialog.FontBold);
    EXPECT_TRUE(dialog.FontItalic);
    EXPECT_TRUE(dialog.FontUnderline);
    EXPECT_FALSE(dialog.FontStrikethru);
    EXPECT_EQ(dialog.Color, 0x000000FFu);
}

TEST_F(DialogConformanceTest, FolderPickerAsksTheProgramAboutEachSelection) {
    FolderDialogRequest request;
    request.title = "Bitte wählen Sie einen Ordner mit Grafik!";
    request.flags = bif::ReturnOnlyFileSystemFolders | bif::StatusText;
    std::vector<std::string> notified;
    request.selectionChanged = [&](FolderDialog& picker, const std::string& path) {
        notified.push_back(path);
        const bool found = !path.empty() && fs::exists(FromUtf8(path) / "Hintergrund.bmp");
        picker.EnableOk(found);
        picker.SetStatusText(found ? "Gefunden!" : "Keine Grafik!");
    };

    std::vector<View> views;
    driver->AnswerNextFolderDialog({Utf8(empty), Utf8(pictures)}, true, &views);
    const auto chosen = BrowseForFolder(app.GetBackend(), request);

    ASSERT_TRUE(chosen);
    EXPECT_TRUE(Names(*chosen, pictures)) << *chosen;
    EXPECT_EQ(views, (std::vector<View>{{false, "Keine Grafik!"}, {true, "Gefunden!"}}));
    // The picker may first have notified the item it opened on.
    ASSERT_GE(notified.size(), 2u);
    EXPECT_TRUE(Names(notified[notified.size() - 2], empty)) << notified[notified.size() - 2];
    EXPECT_TRUE(Names(notified.back(), pictures)) << notified.back();

    // Cancelled on a folder it could confirm, below "My Computer" (17):
    // nothing.
    request.rootFolder = 17;
    views.clear();
    driver->AnswerNextFolderDialog({Utf8(pictures)}, false, &views);
    EXPECT_FALSE(BrowseForFolder(app.GetBackend(), request));
    EXPECT_EQ(views, (std::vector<View>{{true, "Gefunden!"}}));
}

TEST_F(DialogConformanceTest, AFailingNotificationEndsThePickerAndReachesTheCaller) {
    FolderDialogRequest request;
    request.flags = bif::ReturnOnlyFileSystemFolders;
    request.selectionChanged = [&](FolderDialog&, const std::string& path) {
        if (Names(path, empty)) throw std::runtime_error("Ordner nicht lesbar");
    };
    driver->AnswerNextFolderDialog({Utf8(empty)}, false, nullptr);
    EXPECT_THROW(BrowseForFolder(app.GetBackend(), request), std::runtime_error);
}

}  // namespace
}  // namespace forms

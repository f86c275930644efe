// The page "Farben" with its dialogs and preview, the splash picture, and
// what Open puts into the pages.
#include "editor_fixture.h"

namespace editor::testing {
namespace {

class Appearance : public EditorTest {
protected:
    void SetUp() override {
        Start();
        driver->ChooseMenu(main.mnuView[frmMain::PageColors]);
    }
    // A real 4 x 2 bitmap file.
    std::string WriteBmp(const std::string& name) {
        std::string bmp = "BM";
        auto put32 = [&](std::uint32_t v) {
            for (int i = 0; i < 4; ++i) bmp += static_cast<char>((v >> (8 * i)) & 0xFF);
        };
        auto put16 = [&](std::uint16_t v) {
            bmp += static_cast<char>(v & 0xFF);
            bmp += static_cast<char>(v >> 8);
        };
        put32(54 + 24);
        put32(0);
        put32(54);
        put32(40);
        put32(4);
        put32(2);
        put16(1);
        put16(24);
        for (int i = 0; i < 6; ++i) put32(0);
        bmp.append(24, '\x40');
        return WriteFile(name, bmp);
    }
};

TEST_F(Appearance, ColourButtonsPresetTheFieldAndTakeOnlyAConfirmedColour) {
    struct Case {
        const char* name;
        forms::CommandButton& button;
        std::int32_t ProjectData::*field;
    };
    const Case cases[] = {{"ForeColor", main.cmdForeColor, &ProjectData::ForeColor},
                          {"HighColor", main.cmdHighColor, &ProjectData::HighColor},
                          {"BackColor", main.cmdBackColor, &ProjectData::BackColor}};
    main.picTest.SetPicture(forms::headless::Backend::MakePicture(8, 8, "vorher"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        main.Project.*c.field = 0x123456;
        main.Changed = false;
        backend.colorDialogAnswers.push_back(std::nullopt);
        driver->Click(c.button);
        ASSERT_FALSE(backend.colorDialogs.empty());
        EXPECT_EQ(backend.colorDialogs.back().color, 0x123456u);
        EXPECT_EQ(backend.colorDialogs.back().flags, 1u);
        EXPECT_EQ(main.Project.*c.field, 0x123456);
        EXPECT_FALSE(main.Changed);

        backend.colorDialogAnswers.push_back(0x00AA55);
        driver->Click(c.button);
        EXPECT_EQ(main.Project.*c.field, 0x00AA55);
        EXPECT_TRUE(main.Changed);
    }
    // Text colour shows at once, the background too (the picture goes);
    // the highlight waits for the mouse.
    EXPECT_EQ(main.lblTest.ForeColor(), 0x00AA55u);
    EXPECT_EQ(main.picTest.BackColor(), 0x00AA55u);
    EXPECT_TRUE(main.picTest.Picture().Empty());
    EXPECT_FALSE(main.PreviewHighlighted);
}

TEST_F(Appearance, TheFontDialogGivesNameAndASizeToTheNearestEvenWholePoint) {
    EXPECT_EQ(main.lblTest.Font().Size, 9.75);
    const struct {
        double size;
        int stored;
    } sizes[] = {{9.75, 10}, {10.5, 10}, {11.5, 12}, {14, 14}};
    for (const auto& s : sizes) {
        forms::FontChoice choice;
        choice.name = "Arial";
        choice.size = s.size;
        choice.bold = true;
        choice.color = 0x0000FF;
        backend.fontDialogAnswers.push_back(choice);
        driver->Click(main.cmdFont);
        EXPECT_EQ(main.Project.FontSize, s.stored) << s.size;
    }
    EXPECT_EQ(main.Project.Font, "Arial");
    EXPECT_EQ(main.lblTest.Font().Name, "Arial");
    EXPECT_FALSE(main.lblTest.Font().Bold) << "style and colour are not taken";
    EXPECT_EQ(main.lblTest.ForeColor(), 0u);
    const forms::FontDialogRequest& last = backend.fontDialogs.back();
    EXPECT_EQ(last.fontName, "Arial");
    EXPECT_EQ(last.fontSize, 11.5);
    EXPECT_EQ(last.flags, 0x10203u);

    main.Changed = false;
    driver->Click(main.cmdFont);  // cancelled
    EXPECT_EQ(main.Project.FontSize, 14);
    EXPECT_FALSE(main.Changed);
}

TEST_F(Appearance, TheBackgroundOptionsSwitchModesAndCheckThePicture) {
    // "Grafik" without a path only switches.
    driver->Click(main.ckBackground[1]);
    EXPECT_FALSE(main.Project.ColorPic);
    EXPECT_TRUE(main.tbBackgroundPic.Enabled());
    EXPECT_FALSE(main.tbBackgroundPic.Locked());
    EXPECT_TRUE(main.cmdBackPic.Enabled());
    EXPECT_FALSE(main.cmdBackColor.Enabled());
    EXPECT_TRUE(Messages().empty());

    // Every keystroke goes into the path, none into the preview.
    for (const char c : std::string("x.bmp")) driver->TypeChar(main.tbBackgroundPic, c);
    EXPECT_EQ(main.Project.BackgroundPic, "x.bmp");
    EXPECT_TRUE(main.picTest.Picture().Empty());

    // Choosing "Grafik" again with a missing file: the message, once, and
    // the path is gone; "Grafik" stays.
    driver->Click(main.ckBackground[1]);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text,
              "Das angegebene Hintergrundbild existiert nicht. Bitte Neues auswählen.");
    EXPECT_EQ(Messages()[0].title, "Bild nicht gefunden");
    EXPECT_EQ(Messages()[0].style, forms::mb::Information);
    EXPECT_EQ(main.Project.BackgroundPic, "");
    EXPECT_EQ(main.tbBackgroundPic.Text(), "");
    EXPECT_TRUE(main.ckBackground[1].Value());

    // A picture from the dialog shows; "Farbe" hides it but keeps the path.
    const std::string picture = WriteBmp("back.bmp");
    AnswerFileDialog(picture);
    driver->Click(main.cmdBackPic);
    const forms::FileDialogRequest& request = backend.fileDialogs.back();
    EXPECT_EQ(request.flags, 0x1004u);
    EXPECT_EQ(request.filter,
              "alle Grafiken |*.ico;*.bmp;*.emf;*.gif;*.wmf;*.rle|alle Dateien (*.*)|*.*");
    EXPECT_EQ(request.title, "Bitte Grafik auswählen");
    EXPECT_EQ(main.Project.BackgroundPic, picture);
    EXPECT_EQ(main.tbBackgroundPic.Text(), picture);
    EXPECT_EQ(main.picTest.Picture().WidthPixels(), 4);
    driver->Click(main.ckBackground[0]);
    EXPECT_TRUE(main.picTest.Picture().Empty());
    EXPECT_EQ(main.Project.BackgroundPic, picture);
    EXPECT_TRUE(main.Project.ColorPic);
    EXPECT_FALSE(main.tbBackgroundPic.Enabled());
    EXPECT_TRUE(main.tbBackgroundPic.Locked());

    // A file that is no picture: the path counts, the preview stays.
    driver->Click(main.ckBackground[1]);
    ASSERT_EQ(main.picTest.Picture().WidthPixels(), 4);
    AnswerFileDialog(WriteFile("kein-bild.bmp", "kein Bild"));
    driver->Click(main.cmdBackPic);
    EXPECT_EQ(main.Project.BackgroundPic, PathOf("kein-bild.bmp"));
    EXPECT_EQ(main.picTest.Picture().WidthPixels(), 4);
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(Appearance, ThePreviewCaptionLightsUpUnderTheMouseLikeTheMenu) {
    main.Project.ForeColor = 0x111111;
    main.Project.HighColor = 0x222222;
    const struct {
        forms::Control* over;
        forms::Color expected;
    } moves[] = {{&main.lblTest, 0x222222},
                 {&main.cmdFont, 0x222222},   // other controls leave it lit
                 {&main.frText, 0x222222},
                 {&main.picTest, 0x111111},
                 {&main.lblTest, 0x222222},
                 {&main.picTab[frmMain::PageColors], 0x111111},
                 {&main.picTab[frmMain::PageGeneral], 0x111111}};
    for (const auto& move : moves) {
        driver->MouseMove(*move.over, 2, 2);
        EXPECT_EQ(main.lblTest.ForeColor(), move.expected) << move.over->Name();
    }
}

TEST_F(Appearance, TheSplashDialogTakesAnyNameAndTheTimeTravelsUnchanged) {
    driver->ChooseMenu(main.mnuView[frmMain::PageGeneral]);
    main.DLG1.FileName = "vorher.ini";
    AnswerFileDialog("C:\\CD\\gibt-es-nicht.bmp");
    driver->Click(main.cmdSplash);
    ASSERT_EQ(backend.fileDialogs.size(), 1u);
    const forms::FileDialogRequest& request = backend.fileDialogs.back();
    EXPECT_EQ(request.flags, 4u);
    EXPECT_EQ(request.fileName, "");
    EXPECT_EQ(request.title, "Bitte Grafik auswählen");
    EXPECT_EQ(main.Project.SplashPic, "C:\\CD\\gibt-es-nicht.bmp");
    EXPECT_EQ(main.tbSplash.Text(), "C:\\CD\\gibt-es-nicht.bmp");
    EXPECT_TRUE(main.Changed);
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(main.vsSplashTime.Visible());

    TypeAtEnd(main.tbSplash, std::string(main.tbSplash.Text().size(), '\b'));
    EXPECT_EQ(main.Project.SplashPic, "");

    WriteFile("kelvo.ini", "[General]\r\nSplashTime=45\r\n");
    AnswerMessage(forms::mb::No);
    Open("kelvo.ini");
    EXPECT_EQ(main.lblTime.Caption(), "45");
    EXPECT_EQ(main.vsSplashTime.Value(), 16);
    driver->PressShortcut(main, 'S');
    EXPECT_NE(ReadFile("kelvo.ini").find("SplashTime=45\r\n"), std::string::npos);
}

// Open fills the pages in order; a splash time outside 1 to 60 stops the
// refresh at its last step, so only the hidden scroll bar keeps its place.
TEST_F(Appearance, OpenFillsThePagesAndAnOddSplashTimeOnlyStopsTheLastStep) {
    for (const char* time : {"0", "61"}) {
        SCOPED_TRACE(time);
        WriteFile("kelvo.ini", std::string("[General]\r\nName=Bunt\r\nForeColor=255\r\n"
                                           "BackColor=65535\r\nFont=Arial\r\nFontsize=14\r\n"
                                           "SourceDir=S:\\\r\nSplashTime=") +
                                   time + "\r\n");
        Open("kelvo.ini");
        EXPECT_EQ(main.tbName.Text(), "Bunt");
        EXPECT_EQ(main.lblTest.ForeColor(), 255u);
        EXPECT_EQ(main.picTest.BackColor(), 65535u);
        EXPECT_EQ(main.lblTest.Font().Name, "Arial");
        EXPECT_EQ(main.lblTest.Font().Size, 14);
        EXPECT_EQ(main.lblExe.Caption(), "S:\\kelvo.exe");
        EXPECT_EQ(main.lblTime.Caption(), time);
        EXPECT_EQ(main.Project.SplashTime, std::stoi(time));
        EXPECT_EQ(main.vsSplashTime.Value(), 31) << "left where it was";
        EXPECT_FALSE(main.Changed);
    }
    // A picture on the disc ("\\" paths) is looked for in the project
    // file's folder, the root of the future disc, wherever the editor runs.
    services.existing.insert(dir.string() + "\\back.bmp");
    WriteFile("disc.ini", "[General]\r\nColorPic=False\r\nBackgroundPic=\\back.bmp\r\n");
    Open("disc.ini");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(main.Project.BackgroundPic, "\\back.bmp");
    EXPECT_EQ(main.tbBackgroundPic.Text(), "\\back.bmp");
    WriteFile("fehlt.ini", "[General]\r\nColorPic=False\r\nBackgroundPic=\\fehlt.bmp\r\n");
    Open("fehlt.ini");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].title, "Bild nicht gefunden");
    EXPECT_EQ(main.Project.BackgroundPic, "");
    backend.messageBoxes.clear();

    // A picture background opens in "Grafik" with the picture in the preview.
    const std::string picture = WriteBmp("back.bmp");
    WriteFile("bild.ini", "[General]\r\nColorPic=False\r\nBackgroundPic=" + picture + "\r\n");
    Open("bild.ini");
    EXPECT_TRUE(main.ckBackground[1].Value());
    EXPECT_EQ(main.tbBackgroundPic.Text(), picture);
    EXPECT_EQ(main.picTest.Picture().WidthPixels(), 4);
    EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace editor::testing

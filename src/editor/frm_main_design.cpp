// The fixed design of the main window: where every control lies (twips),
// its captions and pictures.
#include "common/step.h"
#include "editor/artwork.h"
#include "editor/frm_main.h"
#include "forms/application.h"

namespace editor {

namespace {

constexpr forms::Color SelectorGrey = 0x808080;
constexpr forms::Color White = 0xFFFFFF;
constexpr forms::Color LockedGrey = 0xC0C0C0;
constexpr forms::Twips BrowseButton = 372;  // the square "..." buttons

const forms::Font BoldFont{"MS Sans Serif", 8.25, true};

// A label sized to its one-line caption.
void Place(forms::Label& label, const char* name, forms::Twips left, forms::Twips top,
           const std::string& caption) {
    label.SetName(name);
    label.Move(left, top, 0, 0);
    label.SetAutoSize(true);
    label.SetCaption(caption);
}

}  // namespace

forms::Picture frmMain::BuiltIn(const unsigned char* data, std::size_t size) {
    return App().LoadPictureFromMemory(data, size).value_or(forms::Picture());
}

void frmMain::Design() {
    SetName("frmMain");
    SetCaption("Orlimar Pavonel Admin 98");
    SetBorderStyle(forms::BorderStyle::FixedSingle);
    SetMaxButton(false);
    SetCenterOnLoad(true);
    SetClientSize(6855, 5235);
    if (auto icon = App().ProgramIcon()) SetIcon(*icon);
    DesignFrame();
    DesignGeneralPage();
    DesignColorsPage();
    DesignItemsPage();
    DesignTestPage();
    ShowPage(PageGeneral);
}

void frmMain::DesignFrame() {
    mnuDatei.SetName("mnuDatei");
    mnuDatei.SetCaption("&Datei");
    mnuNew.SetName("mnuNew");
    mnuNew.SetCaption("&Neu");
    mnuOpen.SetName("mnuOpen");
    mnuOpen.SetCaption("&Öffnen");
    mnuSave[0].SetName("mnuSave(0)");
    mnuSave[0].SetCaption("&Speichern");
    mnuSave[1].SetName("mnuSave(1)");
    mnuSave[1].SetCaption("Speichern unter");
    mnuDateiLine.SetCaption("-");
    mnuExit.SetName("mnuExit");
    mnuExit.SetCaption("&Beenden");

    mnuAnsicht.SetName("mnuAnsicht");
    mnuAnsicht.SetCaption("&Ansicht");
    const char* const viewCaptions[PageCount] = {"&Allgemein", "&Farben", "&Einträge", "&Test"};
    for (int i = 0; i < PageCount; ++i) {
        mnuView[i].SetName("mnuView(" + std::to_string(i) + ")");
        mnuView[i].SetCaption(viewCaptions[i]);
    }

    mnuExtras.SetName("mnuExtras");
    mnuExtras.SetCaption("&Extras");
    mnuVirtuell.SetName("mnuVirtuell");
    mnuVirtuell.SetCaption("&Laufwerks-Assistent");
    mnuExtrasLine.SetCaption("-");
    mnuOpt.SetName("mnuOpt");
    mnuOpt.SetCaption("&Optionen");
    mnuExtrasLine2.SetCaption("-");
    mnuPruefen.SetName("mnuPruefen");
    mnuPruefen.SetCaption("CD-Ordner &prüfen...");
    mnuAbbild.SetName("mnuAbbild");
    mnuAbbild.SetCaption("CD-&Abbild erstellen...");

    mnuFrage.SetName("mnuFrage");
    mnuFrage.SetCaption("&?");
    mnuHelp.SetName("mnuHelp");
    mnuHelp.SetCaption("&Hilfethemen");
    mnuFrageLine.SetCaption("-");
    mnuAbout.SetName("mnuAbout");
    mnuAbout.SetCaption("&Info");

    for (const auto& blob : {art::ToolbarNew, art::ToolbarOpen, art::ToolbarSave,
                             art::ToolbarNetwork, art::ToolbarHelp})
        imgToolbar.Add(BuiltIn(blob.data, blob.size));
    toolbar.SetName("toolbar");
    toolbar.Move(0, 0, 6855, 420);
    toolbar.SetImageList(imgToolbar);
    toolbar.AddButton("new", "Neu", 1);
    toolbar.AddButton("open", "Datei öffnen", 2);
    toolbar.AddButton("save", "Speichern", 3);
    toolbar.AddButton("network", "Laufwerksassistent", 4);
    toolbar.AddButton("help", "Über...", 5);

    // The page selector: four picture buttons with white captions under
    // them on a dark grey strip.
    picSelect.SetName("picSelect");
    picSelect.SetBorder(false);
    picSelect.Move(0, 480, 1215, 4455);
    picSelect.SetBackColor(SelectorGrey);
    const char* const selectCaptions[PageCount] = {"Allgemein", "Farben", "Einträge", "Test"};
    const art::Blob selectPictures[PageCount] = {art::SelectGeneral, art::SelectColors,
                                                 art::SelectItems, art::SelectTest};
    for (int i = 0; i < PageCount; ++i) {
        const forms::Twips top = 240 + 1080 * i;
        forms::CommandButton& button = cmdSelect[i];
        button.SetName("cmdSelect(" + std::to_string(i) + ")");
        button.SetContainer(picSelect);
        button.Move(240, top, 615, 495);
        button.SetPicture(BuiltIn(selectPictures[i].data, selectPictures[i].size));
        forms::Label& label = lblSelect[i];
        label.SetName("lblSelect(" + std::to_string(i) + ")");
        label.SetContainer(picSelect);
        label.Move(0, top + 480, 1095, 255);
        label.SetTransparent(true);
        label.SetForeColor(White);
        label.SetAlignment(forms::Alignment::Center);
        label.SetCaption(selectCaptions[i]);
    }

    picInhalt.SetName("picInhalt");
    picInhalt.Move(1320, 480, 5535, 4455);
    for (int i = 0; i < PageCount; ++i) {
        picTab[i].SetName("picTab(" + std::to_string(i) + ")");
        picTab[i].SetContainer(picInhalt);
        picTab[i].SetBorder(false);
        picTab[i].Move(120, 120, 5175, 4215);
    }

    Statusbar.SetName("Statusbar");
    Statusbar.Move(0, 5235 - 285, 6855, 285);
    Statusbar.SetCaption("Neues Projekt");

    // Never seen: it lies below the window's visible area and takes no
    // focus; its access key Alt+S saves.
    cmdSave.SetName("cmdSave");
    cmdSave.SetCaption("&Save && End");
    cmdSave.Move(6360, 8520, 1215, 372);
    cmdSave.SetTabStop(false);
}

void frmMain::DesignGeneralPage() {
    forms::PictureBox& page = picTab[PageGeneral];
    for (forms::Control* control :
         std::initializer_list<forms::Control*>{&lblName, &tbName, &lblItem, &lblItems, &vsItems,
                                                &lblSplash, &tbSplash, &cmdSplash, &lblSplashTime,
                                                &lblTime, &lblSplashMS, &vsSplashTime})
        control->SetContainer(page);

    Place(lblName, "lblName", 120, 120, "&Wie heißt Ihr Projekt:");
    tbName.SetName("tbName");
    tbName.Move(120, 480, 5055, 350);
    tbName.SetText("Project XY");
    Place(lblItem, "lblItem", 120, 1200, "Wie viele &Einträge möchten Sie:");
    lblItems.SetFont(BoldFont);
    Place(lblItems, "lblItems", 240, 1560, "10");
    // A spin control: the top position means ten entries.
    vsItems.SetName("vsItems");
    vsItems.Move(480, 1560, 252, 300);
    vsItems.SetMin(1);
    vsItems.SetMax(MaxItems);
    vsItems.SetValue(1);

    Place(lblSplash, "lblSplash", 120, 2280, "Splash-Screen (Willkommensgrafik):");
    tbSplash.SetName("tbSplash");
    tbSplash.Move(120, 2580, 4575, 330);
    cmdSplash.SetName("cmdSplash");
    cmdSplash.SetCaption("...");
    cmdSplash.Move(4800, 2560, BrowseButton, BrowseButton);

    // The display time of the splash travels with the project; its
    // controls stay hidden.
    Place(lblSplashTime, "lblSplashTime", 120, 3240,
          "Wie lange soll Splash-Screen angezeigt werden:");
    lblTime.SetFont(BoldFont);
    Place(lblTime, "lblTime", 240, 3600, "30");
    Place(lblSplashMS, "lblSplashMS", 600, 3600, "ms");
    vsSplashTime.SetName("vsSplashTime");
    vsSplashTime.Move(960, 3540, 252, 300);
    vsSplashTime.SetMin(1);
    vsSplashTime.SetMax(60);
    vsSplashTime.SetValue(31);
    for (forms::Control* hidden : std::initializer_list<forms::Control*>{
             &lblSplashTime, &lblTime, &lblSplashMS, &vsSplashTime})
        hidden->SetVisible(false);
}

void frmMain::DesignColorsPage() {
    forms::PictureBox& page = picTab[PageColors];
    frText.SetName("frText");
    frText.SetContainer(page);
    frText.SetCaption("&Text");
    frText.Move(120, 60, 4935, 1455);
    const struct {
        int index;
        const char* caption;
        forms::CommandButton* button;
        const char* buttonName;
    } rows[] = {{0, "Textfarbe:", &cmdForeColor, "cmdForeColor"},
                {1, "Hervorgehobene Textfarbe:", &cmdHighColor, "cmdHighColor"},
                {3, "Schriftart:", &cmdFont, "cmdFont"}};
    forms::Twips top = 360;
    for (const auto& row : rows) {
        forms::Label& label = lblColors[row.index];
        label.SetContainer(frText);
        Place(label, "lblColors", 240, top, row.caption);
        label.SetName("lblColors(" + std::to_string(row.index) + ")");
        row.button->SetName(row.buttonName);
        row.button->SetContainer(frText);
        row.button->SetCaption("...");
        row.button->Move(4320, top - 60, BrowseButton, 330);
        top += 360;
    }

    frBackground.SetName("frBackground");
    frBackground.SetContainer(page);
    frBackground.SetCaption("Hintergrund");
    frBackground.Move(120, 1620, 4935, 1575);
    const char* const options[2] = {"Farbe", "Grafik"};
    for (int i = 0; i < 2; ++i) {
        ckBackground[i].SetName("ckBackground(" + std::to_string(i) + ")");
        ckBackground[i].SetContainer(frBackground);
        ckBackground[i].SetCaption(options[i]);
        ckBackground[i].Move(240, 360 + 360 * i, 1800, 255);
    }
    cmdBackColor.SetName("cmdBackColor");
    cmdBackColor.SetContainer(frBackground);
    cmdBackColor.SetCaption("...");
    cmdBackColor.Move(4320, 300, BrowseButton, 330);
    tbBackgroundPic.SetName("tbBackgroundPic");
    tbBackgroundPic.SetContainer(frBackground);
    tbBackgroundPic.Move(240, 1080, 3975, 330);
    cmdBackPic.SetName("cmdBackPic");
    cmdBackPic.SetContainer(frBackground);
    cmdBackPic.SetCaption("...");
    cmdBackPic.Move(4320, 1080, BrowseButton, 330);
    // "Farbe" is selected at first: the picture path waits.
    ckBackground[0].SetValue(true);
    tbBackgroundPic.SetEnabled(false);
    tbBackgroundPic.SetLocked(true);
    cmdBackPic.SetEnabled(false);

    // The preview: the sample caption over the background.
    picTest.SetName("picTest");
    picTest.SetContainer(page);
    picTest.Move(60, 3360, 5055, 735);
    // The background a new project has, which the preview shows from the start.
    picTest.SetBackColor(0x808000);
    lblTest.SetName("lblTest");
    lblTest.SetContainer(picTest);
    lblTest.SetTransparent(true);
    lblTest.SetAlignment(forms::Alignment::Center);
    lblTest.SetAutoSize(true);
    lblTest.SetFont(forms::Font{"MS Sans Serif", 9.75, false});
    lblTest.SetCaption("Orlimar - for a better working");
    CenterSample();
}

void frmMain::DesignItemsPage() {
    forms::PictureBox& page = picTab[PageItems];
    for (const auto& blob : {art::TreeProject, art::TreeItem, art::TreeItemOpen, art::TreeField})
        ImageList1.Add(BuiltIn(blob.data, blob.size));
    tvItems.SetName("tvItems");
    tvItems.SetContainer(page);
    tvItems.Move(0, 0, 5175, 4215);
    tvItems.SetImageList(ImageList1);
    tbOpt.SetName("tbOpt");
    tbOpt.SetContainer(page);
    tbOpt.Move(0, 3840, 5175, 372);
    tbOpt.SetVisible(false);
    cmdLoad.SetName("cmdLoad");
    cmdLoad.SetContainer(page);
    cmdLoad.SetCaption("...");
    cmdLoad.Move(4800, 3840, BrowseButton, BrowseButton);
    cmdLoad.SetVisible(false);
    // The button lies over the end of the edit box.
    cmdLoad.ZOrder(0);
}

void frmMain::DesignTestPage() {
    forms::PictureBox& page = picTab[PageTest];
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &lblNr[0], &lblNr[1], &lblCdrom, &tbSource, &cmdSource, &lblDoIt, &lblExe, &cmdTest,
             &lblVituell, &cmdNew})
        control->SetContainer(page);
    lblNr[0].SetFont(BoldFont);
    Place(lblNr[0], "lblNr(0)", 120, 120, "1.");
    lblCdrom.SetName("lblCdrom");
    lblCdrom.SetWordWrap(true);
    lblCdrom.Move(480, 120, 4575, 480);
    lblCdrom.SetCaption("In welchem Verzeichnis befinden sich die Daten der zukünftigen CD-ROM ?");
    tbSource.SetName("tbSource");
    tbSource.Move(480, 660, 4095, 330);
    tbSource.SetBackColor(LockedGrey);
    tbSource.SetLocked(true);
    cmdSource.SetName("cmdSource");
    cmdSource.SetCaption("...");
    cmdSource.Move(4680, 640, BrowseButton, BrowseButton);

    lblNr[1].SetFont(BoldFont);
    Place(lblNr[1], "lblNr(1)", 120, 1320, "2.");
    Place(lblDoIt, "lblDoIt", 480, 1320, "Folgendes wird ausgeführt:");
    lblExe.SetName("lblExe");
    lblExe.Move(480, 1620, 4575, 255);
    lblExe.SetCaption("S:\\kelvo.exe");
    cmdTest.SetName("cmdTest");
    cmdTest.SetCaption("Jetzt &testen!");
    cmdTest.Move(480, 1980, 1815, 372);

    lblVituell.SetName("lblVituell");
    lblVituell.SetWordWrap(true);
    lblVituell.Move(120, 2700, 4935, 735);
    lblVituell.SetCaption(
        "Hinweis: Um Ihre CD-Rom optimal zu testen, können Sie ein sog. 'virtuelles' Laufwerk "
        "einrichten. Z.B. ist dann 'C:\\CD-Rom' unter dem Laufwerk 'S:\\' ansprechbar.");
    cmdNew.SetName("cmdNew");
    cmdNew.SetCaption("&Laufwerk einrichten");
    cmdNew.Move(120, 3540, 2055, 372);
}

void frmMain::CenterSample() {
    // The preview's inside: its size less the sunken frame.
    const forms::Twips insideWidth = picTest.Width() - 4 * App().TwipsPerPixelX();
    const forms::Twips insideHeight = picTest.Height() - 4 * App().TwipsPerPixelY();
    lblTest.Move((insideWidth - lblTest.Width()) / 2, (insideHeight - lblTest.Height()) / 2,
                 lblTest.Width(), lblTest.Height());
}

}  // namespace editor

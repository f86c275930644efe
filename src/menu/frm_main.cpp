#include "menu/frm_main.h"

#include "common/artwork.h"
#include "forms/application.h"
#include "menu/shell_command.h"

namespace menu {

namespace {

constexpr forms::Color DesignBackColor = 8421376;  // hex 808000
constexpr forms::Color DesignItemColor = 8454143;  // hex 80FFFF
constexpr forms::Color WorkAreaColor = 0xC0C0C0;

bool ValidIndex(int index) { return index >= 0 && index < frmMain::ItemCount; }

}  // namespace

frmMain::frmMain(forms::Application& app, os::Services& services, common::About& about,
                 frmWait& wait, frmSplash& splash)
    : Form(app),
      cmdItem(*this, ItemCount),
      cmdExplore(*this),
      cmdInfo(*this),
      cmdEnd(*this),
      lblItem(*this, ItemCount),
      lblDesc(*this),
      picBackground(*this),
      DefaultPic(*this),
      pixSmall(*this),
      pixLarge(*this),
      services_(services),
      about_(about),
      wait_(wait),
      splash_(splash) {
    Design();
    WireEvents();
}

void frmMain::Design() {
    SetName("frmMain");
    SetBorderStyle(forms::BorderStyle::FixedSingle);
    SetMaxButton(false);
    SetCenterOnLoad(true);
    SetClientSize(9525, 4080);
    SetBackColor(DesignBackColor);
    if (auto icon = App().ProgramIcon()) SetIcon(*icon);

    DefaultPic.SetName("DefaultPic");
    DefaultPic.SetBorder(false);
    DefaultPic.SetVisible(false);
    DefaultPic.Move(2000, 5520, 240, 240);
    if (auto picture = App().LoadBuiltInPicture(
            {art::DefaultEntryPicture, art::DefaultEntryPicture150, art::DefaultEntryPicture200}))
        DefaultPic.SetPicture(*picture);

    // Entries 1 to 5 form the left column, 6 to 10 the right one, a row per
    // 480 twips, each caption 600 twips right of its button.
    for (int i = 0; i < ItemCount; ++i) {
        const forms::Twips left = i < 5 ? 240 : 4800;
        const forms::Twips top = 240 + 480 * (i % 5);
        forms::CommandButton& button = cmdItem[i];
        button.SetName("cmdItem(" + std::to_string(i) + ")");
        button.Move(left, top, 375, 375);
        button.SetPicture(DefaultPic.Picture());
        button.SetMousePointer(forms::MousePointer::Hand);

        forms::Label& label = lblItem[i];
        label.SetName("lblItem(" + std::to_string(i) + ")");
        label.Move(left + 600, top, 0, 0);
        label.SetTransparent(true);
        label.SetForeColor(DesignItemColor);
        label.SetMousePointer(forms::MousePointer::Hand);
        label.SetAutoSize(true);
        label.SetCaption("#1");
    }

    lblDesc.SetName("lblDesc");
    lblDesc.Move(240, 2640, 9255, 735);
    lblDesc.SetTransparent(true);
    lblDesc.SetForeColor(DesignItemColor);
    lblDesc.SetWordWrap(true);

    cmdExplore.SetName("cmdExplore");
    cmdExplore.Move(240, 3600, 1212, 372);
    cmdExplore.SetCaption("&CD-Inhalt");
    cmdInfo.SetName("cmdInfo");
    cmdInfo.Move(1560, 3600, 1212, 372);
    cmdInfo.SetCaption("&Über...");
    cmdEnd.SetName("cmdEnd");
    cmdEnd.Move(2880, 3600, 1212, 372);
    cmdEnd.SetCaption("&Ende");
    SetDefaultButton(&cmdInfo);

    picBackground.SetName("picBackground");
    picBackground.SetBorder(false);
    picBackground.SetVisible(false);
    picBackground.Move(600, 4800, 1215, 495);
    picBackground.SetAutoSize(true);

    for (forms::PictureBox* work : {&pixSmall, &pixLarge}) {
        work->SetBorder(false);
        work->SetVisible(false);
        work->SetBackColor(WorkAreaColor);
    }
    pixSmall.SetName("pixSmall");
    pixSmall.Move(4320, 5640, 255, 255);
    pixLarge.SetName("pixLarge");
    pixLarge.Move(3480, 5520, 495, 495);
}

void frmMain::WireEvents() {
    for (int i = 0; i < ItemCount; ++i) {
        cmdItem[i].Click = [this, i] { cmdItem_Click(i); };
        cmdItem[i].MouseMove = [this, i](const forms::MouseState& s) { cmdItem_MouseMove(i, s); };
        lblItem[i].Click = [this, i] { lblItem_Click(i); };
        lblItem[i].MouseMove = [this, i](const forms::MouseState& s) { lblItem_MouseMove(i, s); };
    }
    MouseMove = [this](const forms::MouseState& s) { Form_MouseMove(s); };
    cmdExplore.Click = [this] { cmdExplore_Click(); };
    cmdInfo.Click = [this] { cmdInfo_Click(); };
    cmdEnd.Click = [this] { cmdEnd_Click(); };
    cmdExplore.MouseMove = [this](const forms::MouseState& s) { cmdExplore_MouseMove(s); };
    cmdInfo.MouseMove = [this](const forms::MouseState& s) { cmdInfo_MouseMove(s); };
    cmdEnd.MouseMove = [this](const forms::MouseState& s) { cmdEnd_MouseMove(s); };
}

// The start of the program: the wait window stands (and is painted) while
// the project file is read, then the splash window, if any, comes up above
// the menu window.
void frmMain::Form_Load() {
    wait_.Show();
    wait_.Refresh();
    GetSettings();
    wait_.Unload();
    if (SplashReady) splash_.Show();
}

std::string frmMain::OnAppDrive(const std::string& path) const {
    if (!path.empty() && path.front() == '\\') return AppDrive + path;
    return path;
}

// ---- Entries ---------------------------------------------------------------------

// All captions go back to the normal colour, but the other entries keep
// their ItemHot flags: moving straight back onto an entry whose flag is
// still set changes nothing until the mouse has crossed the background.
void frmMain::HighlightItem(int index) {
    if (!ValidIndex(index) || ItemHot[index]) return;
    for (int i = 0; i < ItemCount; ++i) lblItem[i].SetForeColor(ItemForeColor);
    lblItem[index].SetForeColor(ItemHighColor);
    lblDesc.SetCaption(lblItem[index].Tag);
    cmdItem[index].SetDefault(true);
    ItemHot[index] = true;
}

void frmMain::cmdItem_MouseMove(int Index, const forms::MouseState&) { HighlightItem(Index); }

void frmMain::lblItem_MouseMove(int Index, const forms::MouseState&) { HighlightItem(Index); }

void frmMain::Form_MouseMove(const forms::MouseState&) {
    for (int i = 0; i < ItemCount; ++i) {
        if (!ItemHot[i]) continue;
        lblItem[i].SetForeColor(ItemForeColor);
        ItemHot[i] = false;
    }
    lblDesc.SetCaption("");
}

void frmMain::cmdItem_Click(int Index) {
    if (ValidIndex(Index)) DoShell(cmdItem[Index].Tag);
}

void frmMain::lblItem_Click(int Index) {
    if (ValidIndex(Index)) DoShell(cmdItem[Index].Tag);
}

void frmMain::DoShell(const std::string& command) {
    const auto exists = [this](const std::string& path) { return services_.FileExists(path); };
    const ShellCommand split = SplitCommand(command, exists);
    if (!IsAddress(split.file) && (split.file.empty() || !services_.FileExists(split.file))) {
        App().MsgBox("Datei '" + split.file + "' nicht gefunden!",
                     forms::mb::OkOnly | forms::mb::Information, Caption());
        return;
    }
    services_.ShellOpen(NativeHandle(), split.file, split.parameters, "", "",
                        os::WindowState::Normal);
}

// ---- Fixed buttons -----------------------------------------------------------------

void frmMain::cmdExplore_Click() {
    services_.ShellOpen(NativeHandle(), "explorer", "/n,/e," + AppDrive, "", "",
                        os::WindowState::Normal);
}

void frmMain::cmdInfo_Click() { about_.ShowAbout("Pavonel98", this); }

void frmMain::cmdEnd_Click() { App().End(); }

void frmMain::cmdExplore_MouseMove(const forms::MouseState&) { cmdExplore.SetDefault(true); }

void frmMain::cmdInfo_MouseMove(const forms::MouseState&) { cmdInfo.SetDefault(true); }

void frmMain::cmdEnd_MouseMove(const forms::MouseState&) { cmdEnd.SetDefault(true); }

// Closing the menu window takes the About and splash windows with it, so
// that no window is left and the program ends.
void frmMain::Form_QueryUnload(bool&, forms::UnloadMode) {
    about_.Unload();
    splash_.Unload();
}

}  // namespace menu

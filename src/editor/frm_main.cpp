// The main window itself: start, page selection, menus and toolbar, the
// save prompt, help and the end of the editor.
#include "editor/frm_main.h"

#include "common/paths.h"
#include "common/step.h"
#include "editor/frm_optionen.h"
#include "editor/frm_virtuell.h"
#include "forms/application.h"

namespace editor {

namespace {

constexpr const char* SettingsApp = "Orlimar";
constexpr const char* SettingsSection = "Admin";
constexpr const char* SubstPathKey = "Subst_Path";

constexpr const char* HelpFileName = "admin.hlp";
constexpr const char* ManualFileName = "Handbuch.html";
constexpr unsigned HelpContext = 1;  // HELP_CONTEXT
constexpr unsigned HelpQuit = 2;     // HELP_QUIT
constexpr unsigned long HelpTopic = 10;

}  // namespace

frmMain::frmMain(forms::Application& app, os::Services& services, common::About& about,
                 frmOptionen& options, frmVirtuell& wizard, Mod_BrowseFolder& browse,
                 std::string& substPath)
    : Form(app),
      mnuDatei(*this),
      mnuNew(mnuDatei),
      mnuOpen(mnuDatei),
      mnuSave(mnuDatei, 2),
      mnuDateiLine(mnuDatei),
      mnuExit(mnuDatei),
      mnuAnsicht(*this),
      mnuView(mnuAnsicht, PageCount),
      mnuExtras(*this),
      mnuVirtuell(mnuExtras),
      mnuExtrasLine(mnuExtras),
      mnuOpt(mnuExtras),
      mnuExtrasLine2(mnuExtras),
      mnuPruefen(mnuExtras),
      mnuAbbild(mnuExtras),
      mnuFrage(*this),
      mnuHelp(mnuFrage),
      mnuFrageLine(mnuFrage),
      mnuAbout(mnuFrage),
      toolbar(*this),
      picSelect(*this),
      cmdSelect(*this, PageCount),
      lblSelect(*this, PageCount),
      picInhalt(*this),
      picTab(*this, PageCount),
      lblName(*this),
      tbName(*this),
      lblItem(*this),
      lblItems(*this),
      vsItems(*this),
      lblSplash(*this),
      tbSplash(*this),
      cmdSplash(*this),
      lblSplashTime(*this),
      lblTime(*this),
      lblSplashMS(*this),
      vsSplashTime(*this),
      frText(*this),
      lblColors(*this, {0, 1, 3}),
      cmdForeColor(*this),
      cmdHighColor(*this),
      cmdFont(*this),
      frBackground(*this),
      ckBackground(*this, 2),
      cmdBackColor(*this),
      tbBackgroundPic(*this),
      cmdBackPic(*this),
      picTest(*this),
      lblTest(*this),
      tvItems(*this),
      tbOpt(*this),
      cmdLoad(*this),
      lblNr(*this, 2),
      lblCdrom(*this),
      tbSource(*this),
      cmdSource(*this),
      lblDoIt(*this),
      lblExe(*this),
      cmdTest(*this),
      lblVituell(*this),
      cmdNew(*this),
      Statusbar(*this),
      cmdSave(*this),
      imgToolbar(16, 16),
      ImageList1(16, 16),
      DLG1(app),
      Pruefung(app),
      Fortschritt(app),
      SubstPath(substPath),
      services_(services),
      about_(about),
      options_(options),
      wizard_(wizard),
      browse_(browse) {
    Design();
    WireEvents();
}

void frmMain::WireEvents() {
    WireCommands();
    for (int i = 0; i < PageCount; ++i) {
        cmdSelect[i].Click = [this, i] { cmdSelect_Click(i); };
        cmdSelect[i].GotFocus = [this, i] { cmdSelect_GotFocus(i); };
        picTab[i].MouseMove = [this, i](const forms::MouseState& s) { picTab_MouseMove(i, s); };
    }

    tbName.Change = [this] { tbName_Change(); };
    vsItems.Change = [this] { vsItems_Change(); };
    cmdSplash.Click = [this] { cmdSplash_Click(); };
    tbSplash.Change = [this] { tbSplash_Change(); };
    vsSplashTime.Change = [this] { vsSplashTime_Change(); };

    cmdForeColor.Click = [this] { cmdForeColor_Click(); };
    cmdHighColor.Click = [this] { cmdHighColor_Click(); };
    cmdBackColor.Click = [this] { cmdBackColor_Click(); };
    cmdFont.Click = [this] { cmdFont_Click(); };
    cmdBackPic.Click = [this] { cmdBackPic_Click(); };
    for (int i = 0; i < 2; ++i) ckBackground[i].Click = [this, i] { ckBackground_Click(i); };
    tbBackgroundPic.Change = [this] { tbBackgroundPic_Change(); };
    lblTest.MouseMove = [this](const forms::MouseState& s) { lblTest_MouseMove(s); };
    picTest.MouseMove = [this](const forms::MouseState& s) { picTest_MouseMove(s); };

    tvItems.Click = [this] { tvItems_Click(); };
    tvItems.KeyPress = [this](int& key) { tvItems_KeyPress(key); };
    tbOpt.Change = [this] { tbOpt_Change(); };
    cmdLoad.Click = [this] { cmdLoad_Click(); };

    cmdSource.Click = [this] { cmdSource_Click(); };
    tbSource.Change = [this] { tbSource_Change(); };
    cmdTest.Click = [this] { cmdTest_Click(); };
    cmdNew.Click = [this] { cmdNew_Click(); };
}

// ---- Start and end -------------------------------------------------------------------

void frmMain::Form_Load() {
    lblItems.SetCaption(std::to_string(MaxItems));
    init();
    SetItems();
    // The record starts with what the pages show, as after New.
    Project.Name = tbName.Text();
    Project.ColorPic = ckBackground[0].Value();
    Project.SplashTime = static_cast<std::int16_t>(61 - vsSplashTime.Value());
    SubstPath = services_.GetSetting(SettingsApp, SettingsSection, SubstPathKey, "");
    options_.Load();
    options_.tbDirSubst.SetText(SubstPath);
    const std::string folder = services_.ProgramFolder();
    const std::string help = common::JoinPath(folder, HelpFileName);
    HelpFile = services_.FileExists(help) ? help : "";
    const std::string manual = common::JoinPath(folder, ManualFileName);
    ManualFile = services_.FileExists(manual) ? manual : "";
    Changed = false;
}

void frmMain::Form_QueryUnload(bool& cancel, forms::UnloadMode mode) {
    // The user closing the window and Windows ending the session are asked
    // (Cancel keeps the window, and the session); the program itself
    // closes without a question, having asked already.
    const bool asks =
        mode == forms::UnloadMode::FormControlMenu || mode == forms::UnloadMode::AppWindows;
    if (asks && !MaySkipUnsavedEdits()) cancel = true;
}

void frmMain::Form_Unload(bool&) {
    common::RunStep([&] {
        services_.SaveSetting(SettingsApp, SettingsSection, SubstPathKey, SubstPath);
    });
    common::RunStep([&] { services_.ShowHelp(NativeHandle(), "", HelpQuit, 0); });
    // Every other window goes too, so that the program ends: a dialog left
    // loaded and hidden would keep it running without a window to see.
    about_.Unload();
    options_.Unload();
    wizard_.Unload();
    Pruefung.Unload();
    Fortschritt.Unload();
}

void frmMain::mnuExit_Click() {
    if (!MaySkipUnsavedEdits()) return;
    // The same unload steps as closing the window, then the end.
    if (Unload(forms::UnloadMode::Code)) App().End();
}

bool frmMain::MaySkipUnsavedEdits() {
    if (!Changed) return true;
    const int answer =
        App().MsgBox("Ihr Projekt ist noch nicht gespeichert! Wollen Sie jetzt speichern?",
                     forms::mb::YesNoCancel | forms::mb::Information, "Beenden");
    if (answer == forms::mb::Yes) return Save();
    return answer == forms::mb::No;
}

// ---- Pages ---------------------------------------------------------------------------------

// A focus that lay on the page going behind moves into the new page, or
// onto its selector button when the page has no field to take it.
void frmMain::ShowPage(int Index) {
    forms::ShowStackedPage(picTab, static_cast<std::size_t>(Index), &cmdSelect.at(Index));
    for (int i = 0; i < PageCount; ++i) mnuView[i].SetChecked(i == Index);
}

void frmMain::mnuView_Click(int Index) { ShowPage(Index); }

void frmMain::cmdSelect_Click(int Index) { ShowPage(Index); }

// The user tabbing onto a selector button chooses its page; the program
// putting the focus somewhere never does.
void frmMain::cmdSelect_GotFocus(int Index) {
    if (!FocusMovedByProgram()) ShowPage(Index);
}

// ---- Menus and toolbar -----------------------------------------------------------------------

void frmMain::mnuVirtuell_Click() { wizard_.ShowModal(); }

void frmMain::mnuOpt_Click() { options_.ShowModal(); }

void frmMain::mnuAbout_Click() { about_.ShowAbout("Pavonel Admin 98", this); }

// The help file through the Windows help engine, where both are there;
// else the manual beside the program in the browser, at the section of the
// page in front; only without either the message that there is no help.
void frmMain::mnuHelp_Click() {
    if (!HelpFile.empty() && services_.ShowHelp(NativeHandle(), HelpFile, HelpContext, HelpTopic))
        return;
    if (!ManualFile.empty()) {
        if (!services_.OpenPage(NativeHandle(), ManualFile, ManualSections[PageInFront()]))
            App().MsgBox("Das Handbuch '" + ManualFile + "' konnte nicht geöffnet werden.",
                         forms::mb::OkOnly | forms::mb::Exclamation, Caption());
        return;
    }
    if (HelpFile.empty()) {
        App().MsgBox(
            "Hilfeinhalt konnte nicht angezeigt werden. Dieser Anwendung ist keine Hilfedatei "
            "zugeordnet.",
            forms::mb::OkOnly | forms::mb::Information, Caption());
        return;
    }
    App().MsgBox("Die Hilfedatei '" + HelpFile + "' konnte nicht angezeigt werden.",
                 forms::mb::OkOnly, "admin");
}

int frmMain::PageInFront() const {
    for (int i = 0; i < PageCount; ++i)
        if (mnuView[i].Checked()) return i;
    return PageGeneral;
}

}  // namespace editor

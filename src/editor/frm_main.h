// The editor's main window: menus, toolbar, the page selector at the left,
// four stacked pages ("Allgemein", "Farben", "Einträge", "Test") and the
// status line. It owns the project being edited (ProjectData), the changed
// flag and the common dialog object DLG1 that all its file, colour and font
// dialogs share.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/about.h"
#include "editor/browse_folder.h"
#include "disc_image/disc_image.h"
#include "editor/commands.h"
#include "editor/frm_fortschritt.h"
#include "editor/frm_pruefung.h"
#include "editor/project_data.h"
#include "forms/common_controls.h"
#include "forms/common_dialog.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/menu.h"
#include "os/services.h"

namespace editor {

class frmOptionen;
class frmVirtuell;

class frmMain : public forms::Form {
public:
    // Indexes of the pages, of their view menu entries and selector buttons.
    enum Page { PageGeneral = 0, PageColors = 1, PageItems = 2, PageTest = 3 };
    static constexpr int PageCount = 4;
    // The filter of the picture dialogs (background and splash).
    static constexpr const char* PictureFilter =
        "alle Grafiken |*.ico;*.bmp;*.emf;*.gif;*.wmf;*.rle|alle Dateien (*.*)|*.*";

    frmMain(forms::Application& app, os::Services& services, common::About& about,
            frmOptionen& options, frmVirtuell& wizard, Mod_BrowseFolder& browse,
            std::string& substPath);

    // ---- Menus ---------------------------------------------------------------------
    forms::Menu mnuDatei;
    forms::Menu mnuNew;
    forms::Menu mnuOpen;
    forms::ControlArray<forms::Menu> mnuSave;  // 0 "&Speichern", 1 "Speichern unter"
    forms::Menu mnuDateiLine;
    forms::Menu mnuExit;
    forms::Menu mnuAnsicht;
    forms::ControlArray<forms::Menu> mnuView;
    forms::Menu mnuExtras;
    forms::Menu mnuVirtuell;
    forms::Menu mnuExtrasLine;
    forms::Menu mnuOpt;
    forms::Menu mnuExtrasLine2;
    forms::Menu mnuPruefen;  // "CD-Ordner &prüfen..."
    forms::Menu mnuAbbild;   // "CD-&Abbild erstellen..."
    forms::Menu mnuFrage;
    forms::Menu mnuHelp;
    forms::Menu mnuFrageLine;
    forms::Menu mnuAbout;

    // ---- Frame of the window, in tab order ----------------------------------------
    forms::Toolbar toolbar;
    forms::PictureBox picSelect;
    forms::ControlArray<forms::CommandButton> cmdSelect;
    forms::ControlArray<forms::Label> lblSelect;
    forms::PictureBox picInhalt;
    forms::ControlArray<forms::PictureBox> picTab;

    // ---- Page 0 "Allgemein" ----------------------------------------------------------
    forms::Label lblName;
    forms::TextBox tbName;
    forms::Label lblItem;
    forms::Label lblItems;
    forms::ScrollBar vsItems;
    forms::Label lblSplash;
    forms::TextBox tbSplash;
    forms::CommandButton cmdSplash;
    forms::Label lblSplashTime;
    forms::Label lblTime;
    forms::Label lblSplashMS;
    forms::ScrollBar vsSplashTime;

    // ---- Page 1 "Farben" ----------------------------------------------------------------
    forms::Frame frText;
    forms::ControlArray<forms::Label> lblColors;  // indexes 0, 1 and 3
    forms::CommandButton cmdForeColor;
    forms::CommandButton cmdHighColor;
    forms::CommandButton cmdFont;
    forms::Frame frBackground;
    forms::ControlArray<forms::OptionButton> ckBackground;  // 0 "Farbe", 1 "Grafik"
    forms::CommandButton cmdBackColor;
    forms::TextBox tbBackgroundPic;
    forms::CommandButton cmdBackPic;
    forms::PictureBox picTest;
    forms::Label lblTest;

    // ---- Page 2 "Einträge" ----------------------------------------------------------------
    forms::TreeView tvItems;
    forms::TextBox tbOpt;
    forms::CommandButton cmdLoad;

    // ---- Page 3 "Test" ---------------------------------------------------------------------
    forms::ControlArray<forms::Label> lblNr;
    forms::Label lblCdrom;
    forms::TextBox tbSource;
    forms::CommandButton cmdSource;
    forms::Label lblDoIt;
    forms::Label lblExe;
    forms::CommandButton cmdTest;
    forms::Label lblVituell;
    forms::CommandButton cmdNew;

    forms::StatusBar Statusbar;
    // Outside the visible area: only its access key Alt+S is used.
    forms::CommandButton cmdSave;

    forms::ImageList imgToolbar;
    forms::ImageList ImageList1;
    forms::CommonDialog DLG1;

    // The findings of the CD folder's check, and the progress of its image.
    frmPruefung Pruefung;
    frmFortschritt Fortschritt;

    // ---- Editor-wide state ----------------------------------------------------------------
    ProjectData Project;
    // Unsaved edits.
    bool Changed = false;
    // The project file the window is bound to; empty for a new project.
    std::string ProjectPath;
    // The entry (0 to 9) and the field ("txt", "desc", "cmd", "ico" or
    // "item") the edit box shows.
    std::int16_t CurrentItem = 0;
    std::string CurrentField;
    // The preview caption shows HighColor.
    bool PreviewHighlighted = false;
    // The help file beside the program; empty when there is none.
    std::string HelpFile;
    // The manual beside the program (Handbuch.html); empty when there is none.
    std::string ManualFile;
    // The manual's section of each page, by page index.
    static constexpr const char* ManualSections[PageCount] = {"seite-allgemein", "seite-farben",
                                                              "seite-eintraege", "seite-test"};
    // The folder of subst.exe, shared with the options dialog and the wizard.
    std::string& SubstPath;

    // ---- Window ---------------------------------------------------------------------------
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override;
    void Form_Unload(bool& cancel) override;

    // Page selection: all three bring the page to the front and move the
    // view menu's check mark to it.
    void mnuView_Click(int Index);
    void cmdSelect_Click(int Index);
    void cmdSelect_GotFocus(int Index);
    void ShowPage(int Index);
    // The page in front (the one the view menu checks).
    int PageInFront() const;

    void mnuExit_Click();
    void mnuVirtuell_Click();
    void mnuOpt_Click();
    void mnuHelp_Click();
    void mnuAbout_Click();
    // "CD-Ordner prüfen": the check of the folder of the saved project.
    void mnuPruefen_Click();
    // "CD-Abbild erstellen": the check, then the image where the user says.
    void mnuAbbild_Click();
    // The one dispatch of the commands (the table in frm_main_commands.cpp).
    void OnCommand(Command command);
    void toolbar_ButtonClick(const forms::ToolbarButton& Button);

    // The save prompt when there are unsaved edits: true when the command
    // may go on (saved, or the user chose not to save), false when it must
    // stop (Cancel, or a save that did not happen).
    bool MaySkipUnsavedEdits();

    // ---- Project commands -----------------------------------------------------------------
    void init();
    void mnuNew_Click();
    void mnuOpen_Click();
    void LoadINI();
    void mnuSave_Click(int Index);
    // "&Speichern": to ProjectPath, or where the user chooses when there is
    // none. "Speichern unter": always where the user chooses. True when the
    // project was written.
    bool Save();
    bool SaveAs();
    // True when the project was written to path.
    bool SaveINI(const std::string& path);
    std::string GetSaveFileName();

    // ---- Page 0: name, count, splash -------------------------------------------------------
    void tbName_Change();
    void vsItems_Change();
    void cmdSplash_Click();
    void tbSplash_Change();
    void vsSplashTime_Change();

    // ---- Page 1: colours, font, background, preview --------------------------------------------
    void cmdForeColor_Click();
    void cmdHighColor_Click();
    void cmdBackColor_Click();
    void cmdFont_Click();
    void cmdBackPic_Click();
    void ckBackground_Click(int Index);
    void tbBackgroundPic_Change();
    void lblTest_MouseMove(const forms::MouseState& state);
    void picTest_MouseMove(const forms::MouseState& state);
    void picTab_MouseMove(int Index, const forms::MouseState& state);
    void RefreshAll();

    // ---- Page 2: entries -------------------------------------------------------------------
    void SetItems();
    void tvItems_Click();
    void tvItems_KeyPress(int& KeyAscii);
    void tbOpt_Change();
    void cmdLoad_Click();

    // ---- Page 3: test run ------------------------------------------------------------------
    void cmdSource_Click();
    void tbSource_Change();
    void cmdTest_Click();
    void cmdNew_Click();

private:
    void Design();
    void DesignFrame();
    void DesignGeneralPage();
    void DesignColorsPage();
    void DesignItemsPage();
    void DesignTestPage();
    // Centres the sample caption in the preview (it is sized to its text).
    void CenterSample();
    void WireEvents();
    // Menu entries, shortcuts, toolbar and the hidden save button to
    // OnCommand, from the command table.
    void WireCommands();
    // Loads a picture built into the program; an empty picture if it fails.
    forms::Picture BuiltIn(const unsigned char* data, std::size_t size);
    // The field of entry CurrentItem that CurrentField names, or null.
    std::string* CurrentFieldText();
    // Hides the edit box below the tree (the tree takes its full height).
    void HideEditBox();
    // Hides the edit box and empties it, naming no field any more.
    void CloseEditBox();
    // One of the three colour buttons: the dialog preset with field; true
    // when the user confirmed (field then holds the new colour).
    bool ChooseColor(std::int32_t& field);
    // A picture path as the menu program will find it on the disc: one
    // beginning with "\" lies in the disc's root, which is the folder of the
    // project file (the menu program sits beside it); without a project file
    // it stays as it is.
    std::string OnProjectDisc(const std::string& path) const;
    // The folder of the project file, without a separator at its end ("D:"
    // for a drive root); empty without a project file.
    std::string ProjectFolder() const;
    // Shows the message for a save that failed.
    void ReportSaveFailure(const std::string& path);
    // The CD folder: the folder of the project file, saved first (the save
    // prompt for unsaved edits; a project never saved asks for its place).
    // Nothing when the user cancelled or the save failed.
    std::optional<std::string> DiscFolder();
    // Checks the CD folder into report (and its image's plan into image);
    // false, after a message, when the folder cannot be read.
    bool CheckDiscFolder(const std::string& folder, cdcheck::Report& report,
                         std::optional<disc_image::Plan>* image);
    // The findings dialog; a finding double-clicked shows its field.
    void ShowFindings(const std::string& folder, const cdcheck::Report& report);
    // Writes the image with the progress window; says how it ended.
    void WriteDiscImage(const disc_image::Plan& plan, const std::string& path);

    os::Services& services_;
    common::About& about_;
    frmOptionen& options_;
    frmVirtuell& wizard_;
    Mod_BrowseFolder& browse_;
};

}  // namespace editor

// The command table of the main window and its one dispatch: each command
// with the menu entry that chooses it, its shortcut (Ctrl and a letter),
// the key of its toolbar button and the handler it runs. A new command is
// one row here.
#include <array>

#include "editor/commands.h"
#include "editor/frm_main.h"

namespace editor {

namespace {

struct CommandRow {
    Command command;
    // The menu entry that chooses the command, or null.
    forms::Menu* (*menuEntry)(frmMain&);
    // The letter of its shortcut Ctrl+letter, or 0.
    char shortcut;
    // The key of its toolbar button, or null.
    const char* toolbarKey;
    void (*handler)(frmMain&);
};

// clang-format off
const std::array<CommandRow, 15> Commands{{
    {Command::New, [](frmMain& f) { return &f.mnuNew; }, 'N', "new",
     [](frmMain& f) { f.mnuNew_Click(); }},
    {Command::Open, [](frmMain& f) { return &f.mnuOpen; }, 'O', "open",
     [](frmMain& f) { f.mnuOpen_Click(); }},
    {Command::Save, [](frmMain& f) { return &f.mnuSave[0]; }, 'S', "save",
     [](frmMain& f) { f.mnuSave_Click(0); }},
    {Command::SaveAs, [](frmMain& f) { return &f.mnuSave[1]; }, 0, nullptr,
     [](frmMain& f) { f.mnuSave_Click(1); }},
    {Command::Exit, [](frmMain& f) { return &f.mnuExit; }, 'Q', nullptr,
     [](frmMain& f) { f.mnuExit_Click(); }},
    {Command::ShowGeneral, [](frmMain& f) { return &f.mnuView[frmMain::PageGeneral]; }, 'A', nullptr,
     [](frmMain& f) { f.mnuView_Click(frmMain::PageGeneral); }},
    {Command::ShowColors, [](frmMain& f) { return &f.mnuView[frmMain::PageColors]; }, 'F', nullptr,
     [](frmMain& f) { f.mnuView_Click(frmMain::PageColors); }},
    {Command::ShowItems, [](frmMain& f) { return &f.mnuView[frmMain::PageItems]; }, 'E', nullptr,
     [](frmMain& f) { f.mnuView_Click(frmMain::PageItems); }},
    {Command::ShowTest, [](frmMain& f) { return &f.mnuView[frmMain::PageTest]; }, 'T', nullptr,
     [](frmMain& f) { f.mnuView_Click(frmMain::PageTest); }},
    {Command::DriveWizard, [](frmMain& f) { return &f.mnuVirtuell; }, 'L', "network",
     [](frmMain& f) { f.mnuVirtuell_Click(); }},
    {Command::Options, [](frmMain& f) { return &f.mnuOpt; }, 0, nullptr,
     [](frmMain& f) { f.mnuOpt_Click(); }},
    {Command::CheckDiscFolder, [](frmMain& f) { return &f.mnuPruefen; }, 0, nullptr,
     [](frmMain& f) { f.mnuPruefen_Click(); }},
    {Command::MakeDiscImage, [](frmMain& f) { return &f.mnuAbbild; }, 0, nullptr,
     [](frmMain& f) { f.mnuAbbild_Click(); }},
    {Command::HelpTopics, [](frmMain& f) { return &f.mnuHelp; }, 0, nullptr,
     [](frmMain& f) { f.mnuHelp_Click(); }},
    // The toolbar's help button shows the About box.
    {Command::About, [](frmMain& f) { return &f.mnuAbout; }, 'I', "help",
     [](frmMain& f) { f.mnuAbout_Click(); }},
}};
// clang-format on

}  // namespace

void frmMain::WireCommands() {
    for (const CommandRow& row : Commands) {
        forms::Menu& entry = *row.menuEntry(*this);
        entry.SetShortcut(row.shortcut);
        entry.Click = [this, command = row.command] { OnCommand(command); };
    }
    toolbar.ButtonClick = [this](const forms::ToolbarButton& b) { toolbar_ButtonClick(b); };
    // Alt+S of the button outside the window saves.
    cmdSave.Click = [this] { OnCommand(Command::Save); };
}

void frmMain::OnCommand(Command command) {
    for (const CommandRow& row : Commands)
        if (row.command == command) return row.handler(*this);
}

// A key no command has does nothing.
void frmMain::toolbar_ButtonClick(const forms::ToolbarButton& Button) {
    for (const CommandRow& row : Commands)
        if (row.toolbarKey && Button.key == row.toolbarKey) return OnCommand(row.command);
}

}  // namespace editor

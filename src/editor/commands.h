// The editor's commands: one row each in the command table
// (editor/frm_main_commands.cpp), which names the menu entry that chooses
// it, its shortcut, its toolbar button and its handler. Menus, toolbar,
// shortcuts and the hidden save button all go through frmMain::OnCommand.
#pragma once

namespace editor {

enum class Command {
    New,
    Open,
    Save,
    SaveAs,
    Exit,
    ShowGeneral,
    ShowColors,
    ShowItems,
    ShowTest,
    DriveWizard,
    Options,
    CheckDiscFolder,
    MakeDiscImage,
    HelpTopics,
    About,
};

}  // namespace editor

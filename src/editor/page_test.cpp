// Page "Test": the source folder of the future CD and a test start of the
// menu program from there.
#include "common/paths.h"
#include "common/step.h"
#include "editor/frm_main.h"
#include "editor/frm_virtuell.h"
#include "forms/application.h"

namespace editor {

void frmMain::cmdSource_Click() {
    const std::string folder = browse_.BrowseFolder(0, "Bitte wählen Sie ein Verzeichnis:");
    if (!folder.empty()) tbSource.SetText(folder);
}

// The test command follows the field: the menu program in the source
// folder, with one separator also for a drive root.
void frmMain::tbSource_Change() {
    const std::string& folder = tbSource.Text();
    Project.SourceDir = folder;
    lblExe.SetCaption(common::JoinPath(folder, "kelvo.exe"));
    Changed = true;
}

// Starts the menu program named by the test command; it reads the project
// file last saved beside it.
void frmMain::cmdTest_Click() {
    const std::string path = lblExe.Caption();
    if (!services_.FileExists(path)) {
        App().MsgBox("Der angegebene Pfad '" + path +
                         "' existiert nicht. Bitte wählen Sie einen neuen aus.",
                     forms::mb::OkOnly | forms::mb::Information, "Falscher Pfad");
        return;
    }
    if (!services_.StartProgram(path, {}, os::WindowState::Normal))
        App().MsgBox("'" + path +
                         "' konnte nicht gestartet werden. Bitte wählen Sie den Ordner, in dem "
                         "kelvo.exe liegt.",
                     forms::mb::OkOnly | forms::mb::Exclamation, "Test");
}

void frmMain::cmdNew_Click() { wizard_.ShowModal(); }

}  // namespace editor

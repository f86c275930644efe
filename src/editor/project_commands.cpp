// The project commands: start values, New, Open, Save and Save as. The
// project file is read and written key by key through the profile
// functions, in the layout that the menu program reads.
#include <algorithm>
#include <vector>

#include "common/conversions.h"
#include "common/project_file.h"
#include "common/step.h"
#include "editor/frm_main.h"
#include "editor/project_record.h"
#include "forms/application.h"

namespace editor {

namespace project = common::project;
using common::RunStep;

// ---- Start values and New ----------------------------------------------------------------

void frmMain::init() {
    Project.ForeColor = 0x000000;
    Project.BackColor = 0x808000;
    Project.HighColor = 0xFF0000;
    for (ItemData& item : Project.Item) {
        item.txt.clear();
        item.desc.clear();
    }
    vsItems.SetMax(MaxItems);
    // The font of the preview, whatever the last project left there.
    Project.Font = lblTest.Font().Name;
    Project.FontSize = common::RoundHalfEven(lblTest.Font().Size).value_or(0);
    Project.Items = MaxItems;
    Project.BackgroundPic.clear();
    tbBackgroundPic.SetText("");
}

void frmMain::mnuNew_Click() {
    if (!MaySkipUnsavedEdits()) return;
    Statusbar.SetCaption("Neues Projekt");
    ProjectPath.clear();
    ShowPage(PageGeneral);
    init();
    SetItems();
    tbName.SetText("Project XY");
    lblItems.SetCaption(std::to_string(MaxItems));
    vsItems.SetValue(1);
    // The splash time goes back to 30 through its scroll bar.
    tbSplash.SetText("");
    vsSplashTime.SetValue(1);
    lblTime.SetCaption("30");
    vsSplashTime.SetValue(31);
    picTest.SetBackColor(static_cast<forms::Color>(Project.BackColor));
    picTest.SetPicture(forms::Picture());
    Project.ColorPic = true;
    ckBackground[0].SetValue(true);
    lblTest.SetForeColor(static_cast<forms::Color>(Project.ForeColor));
    lblTest.SetFontSize(10);
    lblTest.SetFontName("MS Sans Serif");
    CenterSample();
    CloseEditBox();
    tbSource.SetText("");
    Changed = false;
}

// ---- Open ----------------------------------------------------------------------------------

void frmMain::mnuOpen_Click() {
    if (!MaySkipUnsavedEdits()) return;
    LoadINI();
}

// Every statement runs on its own: a value that does not convert leaves
// its field as it was, and nothing reports an error.
void frmMain::LoadINI() {
    DLG1.FileName = project::FileName;
    DLG1.Flags = forms::ofn::FileMustExist | forms::ofn::PathMustExist |
                 forms::ofn::OverwritePrompt | forms::ofn::HideReadOnly;
    DLG1.Filter = "alle ini-Dateien (*.ini)|*.ini";
    DLG1.DefaultExt = "ini";
    DLG1.DialogTitle = "Vorhandenes Projekt öffnen";
    DLG1.CancelError = true;
    if (!RunStep([&] { DLG1.ShowOpen(); })) return;

    const std::string path = DLG1.FileName;
    Statusbar.SetCaption(path);
    ProjectPath = path;
    CloseEditBox();

    // Each key in its own step: read, then converted into its field.
    for (const GeneralBinding& binding : GeneralRecord) {
        RunStep([&] {
            LoadField(Project, binding,
                      project::Read(services_, path, project::GeneralSection, *binding.key,
                                    project::Program::Editor));
        });
    }

    RunStep([&] { tbBackgroundPic.SetText(Project.BackgroundPic); });
    RunStep([&] {
        if (!Project.ColorPic) {
            ckBackground[1].SetValue(true);
            picTest.SetPicture(App().LoadPicture(OnProjectDisc(Project.BackgroundPic)).value());
        } else {
            ckBackground[0].SetValue(true);
        }
    });

    // Entries above the count keep the texts they had.
    for (int n = 1; n <= Project.Items && n <= MaxItems; ++n) {
        ItemData& item = Project.Item[static_cast<std::size_t>(n - 1)];
        const std::string section = project::ItemSection(n);
        for (const project::Key* key : project::item::ReadOrder) {
            RunStep([&] {
                item.*ItemField(*key) =
                    project::Read(services_, path, section, *key, project::Program::Editor, n);
            });
        }
    }

    // A count outside 1 to 10 is rejected by the scroll bar, which then
    // stays where it was.
    RunStep([&] { vsItems.SetValue(MaxItems + 1 - Project.Items); });
    RunStep([&] { RefreshAll(); });
    // Page 0 comes to the front; the view menu's check mark goes with it.
    RunStep([&] { ShowPage(PageGeneral); });
    Changed = false;
}

// ---- Save ------------------------------------------------------------------------------------

void frmMain::mnuSave_Click(int Index) {
    if (Index == 0)
        Save();
    else
        SaveAs();
}

bool frmMain::Save() { return SaveINI(ProjectPath.empty() ? GetSaveFileName() : ProjectPath); }

bool frmMain::SaveAs() { return SaveINI(GetSaveFileName()); }

std::string frmMain::GetSaveFileName() {
    std::string result;
    DLG1.FileName = project::FileName;
    DLG1.Flags = forms::ofn::OverwritePrompt | forms::ofn::HideReadOnly;
    DLG1.DialogTitle = "Projekt speichern unter";
    DLG1.Filter = "all Files (*.*)|*.*";
    DLG1.DefaultExt = "ini";
    DLG1.CancelError = true;
    if (RunStep([&] { DLG1.ShowSave(); })) result = DLG1.FileName;
    DLG1.FileName = "";
    return result;
}

// The keys are written one by one into a copy beside the file (made from
// the file itself, so that every line the editor does not write stays),
// which then takes the file's place in one step. A failure leaves the file
// untouched and the project unsaved, and says so. A project with a
// character that the code page lacks is stored as Unicode text, so that
// nothing typed is lost; any other keeps the file's own encoding.
bool frmMain::SaveINI(const std::string& path) {
    if (path.empty()) return false;
    struct Value {
        std::string section;
        const project::Key* key;
        std::string text;
    };
    std::vector<Value> values;
    for (const GeneralBinding& binding : GeneralRecord)
        values.push_back({project::GeneralSection, binding.key, SavedText(Project, binding)});
    for (int n = 1; n <= Project.Items && n <= MaxItems; ++n) {
        const ItemData& item = Project.Item[static_cast<std::size_t>(n - 1)];
        for (const ItemBinding& binding : ItemRecord)
            values.push_back({project::ItemSection(n), binding.key, item.*binding.field});
    }
    const bool unicode = std::any_of(values.begin(), values.end(), [](const Value& value) {
        return !os::FitsCodePage(value.text);
    });

    const std::string copy = path + ".~tmp";
    services_.DeleteFileAt(copy);
    bool written = !services_.FileExists(path) || services_.CopyFileOver(path, copy);
    if (written && unicode) written = services_.MakeProfileUnicode(copy);
    for (const Value& value : values)
        written = written && project::Write(services_, copy, value.section, *value.key, value.text);

    if (!written || !services_.MoveFileOver(copy, path)) {
        services_.DeleteFileAt(copy);
        ReportSaveFailure(path);
        return false;
    }
    ProjectPath = path;
    Statusbar.SetCaption(path);
    Changed = false;
    return true;
}

void frmMain::ReportSaveFailure(const std::string& path) {
    App().MsgBox("Das Projekt konnte nicht unter '" + path +
                     "' gespeichert werden. Bitte prüfen Sie, ob der Ordner existiert, ob die "
                     "Datei schreibgeschützt ist und ob der Datenträger Platz hat.",
                 forms::mb::OkOnly | forms::mb::Exclamation, Caption());
}

}  // namespace editor

// Page "Farben": caption colours, font and background of the menu, with a
// preview that plays the menu's hover effect; and RefreshAll, which puts a
// freshly opened project into the pages.
#include "common/conversions.h"
#include "common/step.h"
#include "editor/frm_main.h"
#include "forms/application.h"

namespace editor {

namespace {

constexpr std::uint32_t FontDialogFlags = forms::cf::ScreenFonts | forms::cf::PrinterFonts |
                                          forms::cf::Apply | forms::cf::ForceFontExist;

forms::Color AsColor(std::int32_t value) { return static_cast<forms::Color>(value); }

}  // namespace

// ---- Colours and font ---------------------------------------------------------------------

bool frmMain::ChooseColor(std::int32_t& field) {
    DLG1.Color = AsColor(field);
    DLG1.Flags = forms::cc::RgbInit;
    DLG1.CancelError = true;
    if (!common::RunStep([&] { DLG1.ShowColor(); })) return false;
    field = static_cast<std::int32_t>(DLG1.Color);
    return true;
}

void frmMain::cmdForeColor_Click() {
    if (!ChooseColor(Project.ForeColor)) return;
    lblTest.SetForeColor(AsColor(Project.ForeColor));
    Changed = true;
}

// A new highlight colour shows the next time the mouse reaches the sample.
void frmMain::cmdHighColor_Click() {
    if (!ChooseColor(Project.HighColor)) return;
    Changed = true;
}

void frmMain::cmdBackColor_Click() {
    if (!ChooseColor(Project.BackColor)) return;
    picTest.SetBackColor(AsColor(Project.BackColor));
    picTest.SetPicture(forms::Picture());
    Changed = true;
}

// Only name and size are taken from the dialog; the stored size is the
// sample's size to the nearest whole point.
void frmMain::cmdFont_Click() {
    DLG1.FontName = lblTest.Font().Name;
    DLG1.FontSize = lblTest.Font().Size;
    DLG1.Flags = FontDialogFlags;
    DLG1.CancelError = true;
    if (!common::RunStep([&] { DLG1.ShowFont(); })) return;
    common::RunStep([&] { lblTest.SetFontName(DLG1.FontName); });
    common::RunStep([&] { lblTest.SetFontSize(DLG1.FontSize); });
    CenterSample();
    Project.Font = lblTest.Font().Name;
    common::RunStep([&] { Project.FontSize = common::RoundHalfEven(lblTest.Font().Size).value(); });
    Changed = true;
}

// ---- Background ---------------------------------------------------------------------------

void frmMain::cmdBackPic_Click() {
    DLG1.Flags = forms::ofn::HideReadOnly | forms::ofn::FileMustExist;
    DLG1.Filter = PictureFilter;
    DLG1.DialogTitle = "Bitte Grafik auswählen";
    DLG1.CancelError = true;
    if (!common::RunStep([&] { DLG1.ShowOpen(); })) return;
    Project.BackgroundPic = DLG1.FileName;
    // A file that is no picture leaves the preview as it was; the path
    // counts all the same.
    common::RunStep([&] { picTest.SetPicture(App().LoadPicture(DLG1.FileName).value()); });
    tbBackgroundPic.SetText(DLG1.FileName);
    Changed = true;
}

void frmMain::ckBackground_Click(int Index) {
    const bool picture = Index == 1;
    tbBackgroundPic.SetEnabled(picture);
    tbBackgroundPic.SetLocked(!picture);
    cmdBackPic.SetEnabled(picture);
    cmdBackColor.SetEnabled(!picture);
    Project.ColorPic = !picture;
    if (!picture) {
        picTest.SetPicture(forms::Picture());
    } else if (!Project.BackgroundPic.empty()) {
        const std::string picture = OnProjectDisc(Project.BackgroundPic);
        if (!services_.FileExists(picture)) {
            App().MsgBox("Das angegebene Hintergrundbild existiert nicht. Bitte Neues auswählen.",
                         forms::mb::OkOnly | forms::mb::Information, "Bild nicht gefunden");
            Project.BackgroundPic = "";
            tbBackgroundPic.SetText("");
        } else {
            // A file that is no picture: the path stays, the preview shows none.
            common::RunStep([&] {
                picTest.SetPicture(App().LoadPicture(picture).value_or(forms::Picture()));
            });
        }
    }
    Changed = true;
}

// A typed path reaches the preview only through "Grafik" or the dialog.
void frmMain::tbBackgroundPic_Change() {
    Project.BackgroundPic = tbBackgroundPic.Text();
    Changed = true;
}

std::string frmMain::OnProjectDisc(const std::string& path) const {
    const bool onDisc = path.size() > 1 && path[0] == '\\' && path[1] != '\\';
    const std::string folder = ProjectFolder();
    if (!onDisc || folder.empty()) return path;
    return folder + path;
}

std::string frmMain::ProjectFolder() const {
    const std::size_t separator = ProjectPath.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : ProjectPath.substr(0, separator);
}

// ---- Hover effect of the preview ----------------------------------------------------------------

void frmMain::lblTest_MouseMove(const forms::MouseState&) {
    if (PreviewHighlighted) return;
    lblTest.SetForeColor(AsColor(Project.HighColor));
    PreviewHighlighted = true;
}

void frmMain::picTest_MouseMove(const forms::MouseState&) {
    if (!PreviewHighlighted) return;
    lblTest.SetForeColor(AsColor(Project.ForeColor));
    PreviewHighlighted = false;
}

void frmMain::picTab_MouseMove(int Index, const forms::MouseState& state) {
    if (Index == PageColors) picTest_MouseMove(state);
}

// ---- After Open ---------------------------------------------------------------------------------

// Copies the record into the pages. A step that fails ends it there (a
// splash time outside 1 to 60 leaves the hidden scroll bar where it was);
// the steps before it have taken effect.
void frmMain::RefreshAll() {
    try {
        tbName.SetText(Project.Name);
        lblItems.SetCaption(std::to_string(Project.Items));
        lblTest.SetForeColor(AsColor(Project.ForeColor));
        picTest.SetBackColor(AsColor(Project.BackColor));
        tbSource.SetText(Project.SourceDir);
        lblTime.SetCaption(std::to_string(Project.SplashTime));
        tbSplash.SetText(Project.SplashPic);
        tbBackgroundPic.SetText(Project.BackgroundPic);
        lblTest.SetFontSize(Project.FontSize);
        lblTest.SetFontName(Project.Font);
        CenterSample();
        vsSplashTime.SetValue(61 - Project.SplashTime);
    } catch (...) {
        CenterSample();
    }
}

}  // namespace editor

#include "editor/frm_optionen.h"

#include "editor/artwork.h"
#include "forms/application.h"

namespace editor {

frmOptionen::frmOptionen(forms::Application& app, Mod_BrowseFolder& browse,
                         std::string& substPath)
    : Form(app),
      TabStrip1(*this),
      frVirtuell(*this),
      picDirSubst(*this),
      lblDirSubst(*this),
      tbDirSubst(*this),
      cmdDirSubst(*this),
      cmdOK(*this),
      cmdCancel(*this),
      SubstPath(substPath),
      browse_(browse) {
    SetName("frmOptionen");
    SetCaption("Einstellungen");
    SetBorderStyle(forms::BorderStyle::FixedDialog);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    SetCenterOnLoad(true);
    SetClientSize(6615, 3945);

    TabStrip1.SetName("TabStrip1");
    TabStrip1.Move(120, 120, 6375, 3135);
    TabStrip1.AddTab("Test");

    // The frame lies on the tab strip's page area, in front of the strip.
    frVirtuell.SetName("frVirtuell");
    frVirtuell.SetCaption("Virtuelles Laufwerk");
    frVirtuell.Move(240, 540, 6135, 2595);
    frVirtuell.ZOrder(0);
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &picDirSubst, &lblDirSubst, &tbDirSubst, &cmdDirSubst})
        control->SetContainer(frVirtuell);
    picDirSubst.SetName("picDirSubst");
    picDirSubst.SetBorder(false);
    picDirSubst.Move(240, 360, 480, 480);
    if (auto picture = App().LoadPictureFromMemory(art::OptionsDrive.data, art::OptionsDrive.size))
        picDirSubst.SetPicture(*picture);
    lblDirSubst.SetName("lblDirSubst");
    lblDirSubst.SetWordWrap(true);
    lblDirSubst.Move(840, 300, 5100, 1335);
    // The run of blanks pushes the second sentence onto the next line.
    lblDirSubst.SetCaption(
        "Um ein 'virtuelles' Laufwerk zu erstellen, wird das Programm 'subst.exe' benötigt. "
        "Dieses ist gewöhnlich auf jedem Windows-Rechner mit dabei." +
        std::string(40, ' ') +
        "Unter Win95 ist es meistens unter 'C:\\Windows\\Command' zu finden. Bei WinNT ist es "
        "'C:\\WinNT\\System32' .");
    tbDirSubst.SetName("tbDirSubst");
    tbDirSubst.Move(840, 1800, 4575, 330);
    tbDirSubst.SetBackColor(0xC0C0C0);
    tbDirSubst.SetLocked(true);
    cmdDirSubst.SetName("cmdDirSubst");
    cmdDirSubst.SetCaption("...");
    cmdDirSubst.Move(5520, 1780, 372, 372);

    cmdOK.SetName("cmdOK");
    cmdOK.SetCaption("&OK");
    cmdOK.Move(3960, 3420, 1215, 372);
    cmdOK.SetDefault(true);
    cmdCancel.SetName("cmdCancel");
    cmdCancel.SetCaption("&Abbrechen");
    cmdCancel.Move(5280, 3420, 1215, 372);

    cmdDirSubst.Click = [this] { cmdDirSubst_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

// The close box acts as "&Abbrechen": the dialog stays loaded.
void frmOptionen::Form_QueryUnload(bool& cancel, forms::UnloadMode mode) {
    if (mode != forms::UnloadMode::FormControlMenu) return;
    cancel = true;
    cmdCancel_Click();
}

void frmOptionen::cmdDirSubst_Click() {
    const std::string folder = browse_.BrowseSubstFolder(0);
    if (!folder.empty()) tbDirSubst.SetText(folder);
}

void frmOptionen::cmdOK_Click() {
    SubstPath = tbDirSubst.Text();
    Hide();
}

void frmOptionen::cmdCancel_Click() {
    tbDirSubst.SetText(SubstPath);
    Hide();
}

}  // namespace editor

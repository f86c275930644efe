#include "editor/frm_fortschritt.h"

namespace editor {

frmFortschritt::frmFortschritt(forms::Application& app)
    : Form(app), lblStatus(*this), pbAbbild(*this), cmdAbbrechen(*this) {
    SetName("frmFortschritt");
    SetCaption("CD-Abbild erstellen");
    SetBorderStyle(forms::BorderStyle::FixedDialog);
    SetControlBox(false);
    SetShowInTaskbar(false);
    SetCenterOnLoad(true);
    SetClientSize(5400, 1500);

    lblStatus.SetName("lblStatus");
    lblStatus.Move(120, 120, 5160, 255);
    lblStatus.SetCaption("Das CD-Abbild wird geschrieben...");
    pbAbbild.SetName("pbAbbild");
    pbAbbild.Move(120, 480, 5160, 300);
    pbAbbild.SetRange(0, 100);
    cmdAbbrechen.SetName("cmdAbbrechen");
    cmdAbbrechen.SetCaption("Abbrechen");
    cmdAbbrechen.Move(4065, 960, 1215, 372);
    cmdAbbrechen.SetDefault(true);

    cmdAbbrechen.Click = [this] { cmdAbbrechen_Click(); };
}

void frmFortschritt::cmdAbbrechen_Click() { Cancelled = true; }

// The window goes when the image is done; closing it asks to stop.
void frmFortschritt::Form_QueryUnload(bool& cancel, forms::UnloadMode mode) {
    if (mode != forms::UnloadMode::FormControlMenu) return;
    cancel = true;
    Cancelled = true;
}

}  // namespace editor

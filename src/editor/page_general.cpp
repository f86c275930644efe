// Page "Allgemein": the project name, the number of entries and the splash
// picture (the controls of its display time stay hidden).
#include "common/conversions.h"
#include "common/step.h"
#include "editor/frm_main.h"

namespace editor {

void frmMain::tbName_Change() {
    Project.Name = tbName.Text();
    common::RunStep([&] { tvItems.SetNodeText(1, Project.Name); });
    Changed = true;
}

// The scroll bar is a spin control upside down: value 1 (the top) means
// MaxItems entries. The entry nodes above the count say that they are not
// used; their texts stay.
void frmMain::vsItems_Change() {
    lblItems.SetCaption(std::to_string(MaxItems + 1 - vsItems.Value()));
    common::RunStep([&] { Project.Items = common::ToInteger16(lblItems.Caption()).value(); });
    for (int n = MaxItems; n >= 1; --n) {
        const std::string caption = "Item " + std::to_string(n) + (n > Project.Items ? " (not used)" : "");
        common::RunStep([&] { tvItems.SetNodeText(2 + 5 * (n - 1), caption); });
    }
    Changed = true;
}

void frmMain::cmdSplash_Click() {
    DLG1.Flags = forms::ofn::HideReadOnly;
    DLG1.Filter = PictureFilter;
    DLG1.DialogTitle = "Bitte Grafik auswählen";
    DLG1.FileName = "";
    DLG1.CancelError = true;
    if (!common::RunStep([&] { DLG1.ShowOpen(); })) return;
    Project.SplashPic = DLG1.FileName;
    tbSplash.SetText(DLG1.FileName);
}

void frmMain::tbSplash_Change() {
    Project.SplashPic = tbSplash.Text();
    Changed = true;
}

// The time shown is 61 minus the position: the top position is 60.
void frmMain::vsSplashTime_Change() {
    lblTime.SetCaption(std::to_string(61 - vsSplashTime.Value()));
    common::RunStep([&] { Project.SplashTime = common::ToInteger16(lblTime.Caption()).value(); });
    Changed = true;
}

}  // namespace editor

#include "menu/frm_wait.h"

#include "common/artwork.h"
#include "forms/application.h"
#include "menu/win_top.h"

namespace menu {

frmWait::frmWait(forms::Application& app)
    : Form(app), picIcon(*this), lblTitle(*this), lblLoading(*this), lblWait(*this) {
    SetName("frmWait");
    SetBorderStyle(forms::BorderStyle::FixedDialog);
    SetTitleBar(false);
    SetControlBox(false);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    SetCenterOnLoad(true);
    SetClientSize(3405, 1440);

    picIcon.SetName("picIcon");
    picIcon.SetBorder(false);
    picIcon.Move(120, 240, 480, 480);
    picIcon.SetAutoSize(true);
    if (auto icon = app.LoadPictureFromMemory(art::WaitIcon.data, art::WaitIcon.size))
        picIcon.SetPicture(*icon);

    lblTitle.SetName("lblTitle");
    lblTitle.Move(960, 240, 0, 0);
    lblTitle.SetAutoSize(true);
    lblTitle.SetFont(forms::Font{"MS Sans Serif", 8.25, true});
    lblTitle.SetCaption("Pavonel 98");

    lblLoading.SetName("lblLoading");
    lblLoading.Move(960, 600, 0, 0);
    lblLoading.SetAutoSize(true);
    lblLoading.SetCaption("Einstellungen werden geladen.");

    lblWait.SetName("lblWait");
    lblWait.Move(960, 840, 0, 0);
    lblWait.SetAutoSize(true);
    lblWait.SetCaption("Bitte warten...");
}

void frmWait::WinTop(const std::string& text) { SetWinTop(*this, text); }

void frmWait::Form_Load() { WinTop("1"); }

}  // namespace menu

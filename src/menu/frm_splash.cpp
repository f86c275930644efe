#include "menu/frm_splash.h"

#include "menu/win_top.h"

namespace menu {

frmSplash::frmSplash(forms::Application& app) : Form(app), picSplash(*this), Timer1(*this) {
    SetName("frmSplash");
    SetBorderStyle(forms::BorderStyle::None);
    SetTitleBar(false);
    SetControlBox(false);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    SetCenterOnLoad(true);
    SetClientSize(6975, 1515);

    picSplash.SetName("picSplash");
    picSplash.SetBorder(false);
    picSplash.Move(0, 0, 6855, 1455);
    picSplash.SetVisible(false);
    picSplash.SetAutoSize(true);

    // The timer runs from the moment the window is loaded.
    Timer1.SetName("Timer1");
    Timer1.SetInterval(2000);
    Timer1.Tick = [this] { Timer1_Timer(); };
}

void frmSplash::WinTop(const std::string& text) { SetWinTop(*this, text); }

void frmSplash::Form_Load() { WinTop("1"); }

// Unloading the window also ends its timer: timers tick only on loaded forms.
void frmSplash::Timer1_Timer() { Unload(); }

}  // namespace menu

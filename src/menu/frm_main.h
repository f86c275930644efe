// The menu window: up to ten entries (a picture button and a caption each),
// a description line and the buttons "&CD-Inhalt", "&Über..." and "&Ende".
// Its load handler runs the start of the program: wait window, reading the
// project file (GetSettings), splash window.
#pragma once

#include <array>
#include <string>

#include "common/about.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "menu/frm_splash.h"
#include "menu/frm_wait.h"
#include "os/services.h"

namespace menu {

class frmMain : public forms::Form {
public:
    static constexpr int ItemCount = 10;

    frmMain(forms::Application& app, os::Services& services, common::About& about,
            frmWait& wait, frmSplash& splash);

    // ---- Controls, created in tab order ----------------------------------------
    forms::ControlArray<forms::CommandButton> cmdItem;
    forms::CommandButton cmdExplore;
    forms::CommandButton cmdInfo;
    forms::CommandButton cmdEnd;
    forms::ControlArray<forms::Label> lblItem;
    forms::Label lblDesc;
    forms::PictureBox picBackground;
    forms::PictureBox DefaultPic;
    forms::PictureBox pixSmall;
    forms::PictureBox pixLarge;

    // ---- State set by GetSettings and the handlers -----------------------------
    forms::Color ItemForeColor = 0;
    forms::Color ItemHighColor = 0;
    bool SplashReady = false;
    std::array<bool, ItemCount> ItemHot{};
    std::string AppDrive;
    std::string IniPath;

    // ---- Routines -----------------------------------------------------------------
    void Form_Load() override;
    void GetSettings();
    void DoShell(const std::string& command);
    void MakeBackground(const std::string& path);
    void ExtractIcons(const std::string& path, int index);

    // ---- Event handlers ---------------------------------------------------------
    void cmdItem_Click(int Index);
    void cmdItem_MouseMove(int Index, const forms::MouseState& state);
    void lblItem_Click(int Index);
    void lblItem_MouseMove(int Index, const forms::MouseState& state);
    void Form_MouseMove(const forms::MouseState& state);
    void cmdExplore_Click();
    void cmdInfo_Click();
    void cmdEnd_Click();
    void cmdExplore_MouseMove(const forms::MouseState& state);
    void cmdInfo_MouseMove(const forms::MouseState& state);
    void cmdEnd_MouseMove(const forms::MouseState& state);
    void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override;

private:
    void Design();
    void WireEvents();
    // Highlights entry index: its caption in ItemHighColor, its description
    // shown, its button the default one.
    void HighlightItem(int index);
    // Puts the program's drive in front of a path that begins with "\".
    std::string OnAppDrive(const std::string& path) const;

    os::Services& services_;
    common::About& about_;
    frmWait& wait_;
    frmSplash& splash_;
};

}  // namespace menu

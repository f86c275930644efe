// The options dialog "Einstellungen": the folder of subst.exe, which the
// drive wizard needs. Loaded hidden when the editor starts and only hidden
// between uses.
#pragma once

#include <string>

#include "editor/browse_folder.h"
#include "forms/common_controls.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace editor {

class frmOptionen : public forms::Form {
public:
    frmOptionen(forms::Application& app, Mod_BrowseFolder& browse, std::string& substPath);

    forms::TabStrip TabStrip1;
    forms::Frame frVirtuell;
    forms::PictureBox picDirSubst;
    forms::Label lblDirSubst;
    forms::TextBox tbDirSubst;
    forms::CommandButton cmdDirSubst;
    forms::CommandButton cmdOK;
    forms::CommandButton cmdCancel;

    void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override;
    void cmdDirSubst_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    std::string& SubstPath;

private:
    Mod_BrowseFolder& browse_;
};

}  // namespace editor

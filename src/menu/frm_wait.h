// The wait window, shown on top of everything while the project file is read.
#pragma once

#include <string>

#include "forms/controls.h"
#include "forms/form.h"

namespace menu {

class frmWait : public forms::Form {
public:
    explicit frmWait(forms::Application& app);

    forms::PictureBox picIcon;
    forms::Label lblTitle;
    forms::Label lblLoading;
    forms::Label lblWait;

    void WinTop(const std::string& text);
    void Form_Load() override;
};

}  // namespace menu

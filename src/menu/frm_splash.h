// The splash window: the project's splash picture in a borderless window on
// top of everything, which unloads itself two seconds after it was loaded.
#pragma once

#include <string>

#include "forms/controls.h"
#include "forms/form.h"

namespace menu {

class frmSplash : public forms::Form {
public:
    explicit frmSplash(forms::Application& app);

    forms::PictureBox picSplash;
    forms::Timer Timer1;

    void WinTop(const std::string& text);
    void Form_Load() override;
    void Timer1_Timer();
};

}  // namespace menu

// The progress window of a CD image being written: what is written, a bar
// that fills as it goes, and "Abbrechen", which stops it (leaving no file).
#pragma once

#include "forms/common_controls.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace editor {

class frmFortschritt : public forms::Form {
public:
    explicit frmFortschritt(forms::Application& app);

    forms::Label lblStatus;
    forms::ProgressBar pbAbbild;
    forms::CommandButton cmdAbbrechen;

    // The user asked to stop.
    bool Cancelled = false;

    void cmdAbbrechen_Click();
    void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override;
};

}  // namespace editor

// The dialog "CD-Ordner prüfen": the findings of the check of the CD
// folder, one line each with its sign (Fehler or Hinweis), their counts,
// and "Schließen". A double click on a finding about an entry's key closes
// the dialog and asks for that field to be shown.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "forms/common_controls.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "tools/cdcheck/report.h"

namespace editor {

class frmPruefung : public forms::Form {
public:
    explicit frmPruefung(forms::Application& app);

    forms::Label lblOrdner;
    forms::TreeView tvFunde;
    forms::Label lblErgebnis;
    forms::CommandButton cmdSchliessen;
    forms::ImageList imgFunde;

    // Shows the findings of the check of folder until the user closes the
    // dialog; gives the finding double-clicked to see its field, if any.
    std::optional<cdcheck::Finding> ShowFindings(const std::string& folder,
                                                 const cdcheck::Report& report);

    void tvFunde_DblClick();
    void cmdSchliessen_Click();
    void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override;

private:
    std::vector<cdcheck::Finding> findings_;
    std::optional<cdcheck::Finding> chosen_;
};

}  // namespace editor

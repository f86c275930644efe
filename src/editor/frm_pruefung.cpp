#include "editor/frm_pruefung.h"

#include "editor/artwork.h"
#include "forms/application.h"

namespace editor {

namespace {

// Pictures of imgFunde.
constexpr int FaultImage = 1;
constexpr int HintImage = 2;

}  // namespace

frmPruefung::frmPruefung(forms::Application& app)
    : Form(app), lblOrdner(*this), tvFunde(*this), lblErgebnis(*this), cmdSchliessen(*this),
      imgFunde(16, 16) {
    SetName("frmPruefung");
    SetCaption("CD-Ordner prüfen");
    SetBorderStyle(forms::BorderStyle::FixedDialog);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    SetCenterOnLoad(true);
    SetClientSize(9000, 4200);

    lblOrdner.SetName("lblOrdner");
    lblOrdner.Move(120, 120, 8760, 255);
    for (const auto& blob : {art::FindingFault, art::FindingHint})
        if (auto picture = App().LoadPictureFromMemory(blob.data, blob.size)) imgFunde.Add(*picture);
    tvFunde.SetName("tvFunde");
    tvFunde.SetShowLines(false);
    tvFunde.SetImageList(imgFunde);
    tvFunde.Move(120, 480, 8760, 3000);
    lblErgebnis.SetName("lblErgebnis");
    lblErgebnis.Move(120, 3720, 6000, 255);
    cmdSchliessen.SetName("cmdSchliessen");
    cmdSchliessen.SetCaption("Schließen");
    cmdSchliessen.Move(7665, 3660, 1215, 372);
    cmdSchliessen.SetDefault(true);

    tvFunde.DblClick = [this] { tvFunde_DblClick(); };
    cmdSchliessen.Click = [this] { cmdSchliessen_Click(); };
}

std::optional<cdcheck::Finding> frmPruefung::ShowFindings(const std::string& folder,
                                                          const cdcheck::Report& report) {
    findings_ = report.Findings();
    chosen_.reset();
    lblOrdner.SetCaption("Ordner: " + folder);
    tvFunde.ClearNodes();
    for (std::size_t i = 0; i < findings_.size(); ++i) {
        const cdcheck::Finding& finding = findings_[i];
        tvFunde.AddNode(0, "f" + std::to_string(i), cdcheck::Line(finding),
                        finding.severity == cdcheck::Severity::Fault ? FaultImage : HintImage);
    }
    lblErgebnis.SetCaption(report.Summary());
    ShowModal();
    return chosen_;
}

// A finding about an entry's key leads to its field; any other stays.
void frmPruefung::tvFunde_DblClick() {
    const int selected = tvFunde.SelectedIndex();
    if (selected < 1 || selected > static_cast<int>(findings_.size())) return;
    const cdcheck::Finding& finding = findings_[static_cast<std::size_t>(selected - 1)];
    if (finding.where.entry < 1 || !finding.where.key) return;
    chosen_ = finding;
    Hide();
}

void frmPruefung::cmdSchliessen_Click() { Hide(); }

// The close box acts as "Schließen": the dialog stays loaded.
void frmPruefung::Form_QueryUnload(bool& cancel, forms::UnloadMode mode) {
    if (mode != forms::UnloadMode::FormControlMenu) return;
    cancel = true;
    Hide();
}

}  // namespace editor

// "CD-Ordner prüfen" and "CD-Abbild erstellen": the folder of the saved
// project file checked as cdcheck checks it, and its CD image written with
// the image writer, both as on the command line.
#include <algorithm>

#include "common/project_file.h"
#include "common/step.h"
#include "editor/frm_main.h"
#include "forms/application.h"
#include "tools/cdcheck/image_checks.h"
#include "tools/cdcheck/project_check.h"

namespace editor {

namespace project = common::project;

namespace {

constexpr const char* CheckTitle = "CD-Ordner prüfen";
constexpr const char* ImageTitle = "CD-Abbild erstellen";

// The field node of an entry's key ("txt0", "cmd3", ...).
std::string FieldNodeKey(int entry, const project::Key& key) {
    const char* field = &key == &project::item::Txt       ? "txt"
                        : &key == &project::item::Desc    ? "desc"
                        : &key == &project::item::Command ? "cmd"
                                                          : "ico";
    return field + std::to_string(entry - 1);
}

// The project's name as a file name: what a file name cannot hold as '_'.
std::string ImageFileName(const std::string& name) {
    std::string file = name;
    for (char& c : file)
        if (static_cast<unsigned char>(c) < 0x20 || std::string_view("\\/:*?\"<>|").find(c) !=
                                                        std::string_view::npos)
            c = '_';
    return (file.empty() ? std::string("kelvo") : file) + ".iso";
}

// Whether path lies in folder (either separator, letters in any case, as
// Windows compares them).
bool LiesIn(const std::string& path, const std::string& folder) {
    auto normal = [](std::string text) {
        for (char& c : text) {
            if (c == '/') c = '\\';
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
        return text;
    };
    std::string inside = normal(folder);
    if (inside.empty() || inside.back() != '\\') inside += '\\';
    return normal(path).rfind(inside, 0) == 0;
}

}  // namespace

std::optional<std::string> frmMain::DiscFolder() {
    if (!MaySkipUnsavedEdits()) return std::nullopt;
    if (ProjectPath.empty() && !SaveAs()) return std::nullopt;
    std::string folder = ProjectFolder();
    if (folder.empty()) return std::nullopt;
    // A drive root keeps its separator ("D:\").
    if (folder.size() == 2 && folder[1] == ':') folder += ProjectPath[2];
    return folder;
}

bool frmMain::CheckDiscFolder(const std::string& folder, cdcheck::Report& report,
                              std::optional<disc_image::Plan>* image) {
    const cdcheck::Disc disc(folder);
    if (cdcheck::CheckDisc(disc, services_, App().GetBackend(), report, image) ==
        cdcheck::CheckOutcome::Checked)
        return true;
    App().MsgBox("Der CD-Ordner '" + folder + "' lässt sich nicht lesen.",
                 forms::mb::OkOnly | forms::mb::Exclamation, CheckTitle);
    return false;
}

void frmMain::ShowFindings(const std::string& folder, const cdcheck::Report& report) {
    const std::optional<cdcheck::Finding> chosen = Pruefung.ShowFindings(folder, report);
    if (!chosen || chosen->where.entry < 1 || chosen->where.entry > MaxItems) return;
    const int node = tvItems.Find(FieldNodeKey(chosen->where.entry, *chosen->where.key));
    if (node == 0) return;
    ShowPage(PageItems);
    common::RunStep([&] {
        tvItems.SetExpanded(tvItems.Node(node).parent, true);
        tvItems.SelectNode(node);
        tvItems_Click();
        tbOpt.SetFocus();
    });
}

void frmMain::mnuPruefen_Click() {
    const std::optional<std::string> folder = DiscFolder();
    if (!folder) return;
    cdcheck::Report report;
    if (!CheckDiscFolder(*folder, report, nullptr)) return;
    if (report.Findings().empty()) {
        App().MsgBox("Der CD-Ordner '" + *folder +
                         "' ist bereit für die CD: die Prüfung hat nichts gefunden.",
                     forms::mb::OkOnly | forms::mb::Information, CheckTitle);
        return;
    }
    ShowFindings(*folder, report);
}

void frmMain::mnuAbbild_Click() {
    const std::optional<std::string> folder = DiscFolder();
    if (!folder) return;
    cdcheck::Report report;
    std::optional<disc_image::Plan> plan;
    if (!CheckDiscFolder(*folder, report, &plan)) return;
    // With a fault the disc would fail: the findings, and no image.
    if (report.FaultCount() > 0 || !plan) {
        ShowFindings(*folder, report);
        return;
    }
    DLG1.FileName = ImageFileName(Project.Name);
    DLG1.Flags = forms::ofn::OverwritePrompt | forms::ofn::HideReadOnly;
    DLG1.DialogTitle = "CD-Abbild speichern unter";
    DLG1.Filter = "CD-Abbild (*.iso)|*.iso";
    DLG1.DefaultExt = "iso";
    DLG1.CancelError = true;
    if (!common::RunStep([&] { DLG1.ShowSave(); })) return;
    const std::string path = DLG1.FileName;
    if (LiesIn(path, *folder)) {
        App().MsgBox("Das CD-Abbild kann nicht im CD-Ordner selbst liegen: es würde sich selbst "
                     "enthalten. Bitte wählen Sie einen anderen Ordner.",
                     forms::mb::OkOnly | forms::mb::Exclamation, ImageTitle);
        return;
    }
    WriteDiscImage(*plan, path);
}

void frmMain::WriteDiscImage(const disc_image::Plan& plan, const std::string& path) {
    Fortschritt.Cancelled = false;
    Fortschritt.pbAbbild.SetValue(0);
    Fortschritt.Show();
    SetEnabled(false);
    disc_image::WriteOptions options;
    // The save dialog asked before it let an image be replaced.
    options.replace = true;
    options.progress = [&](std::uint64_t written, std::uint64_t total) {
        Fortschritt.pbAbbild.SetValue(total ? static_cast<int>(written * 100 / total) : 0);
        App().DoEvents();
        return !Fortschritt.Cancelled;
    };
    const disc_image::Written written = disc_image::WriteImage(plan, path, options);
    SetEnabled(true);
    Fortschritt.Hide();
    switch (written.outcome) {
    case disc_image::Outcome::Written:
        App().MsgBox("Das CD-Abbild ist fertig: '" + path + "', " +
                         cdcheck::ShownSize(plan.imageBytes) + ", Bezeichnung " + plan.jolietLabel +
                         (plan.imageBytes > cdcheck::CdBytes
                              ? ". Es braucht " + cdcheck::MediumFor(plan.imageBytes) + "."
                              : ". Es passt auf eine CD."),
                     forms::mb::OkOnly | forms::mb::Information, ImageTitle);
        break;
    case disc_image::Outcome::Failed:
        App().MsgBox(written.error, forms::mb::OkOnly | forms::mb::Exclamation, ImageTitle);
        break;
    case disc_image::Outcome::Cancelled:
        break;
    }
}

}  // namespace editor

#include "editor/frm_virtuell.h"

#include "common/paths.h"
#include "editor/artwork.h"
#include "editor/frm_optionen.h"
#include "forms/application.h"

namespace editor {

namespace {

constexpr int PageCount = 4;
constexpr int FirstLetter = 68;  // "D"
constexpr int LetterCount = 23;  // "D:" to "Z:"

}  // namespace

frmVirtuell::frmVirtuell(forms::Application& app, os::Services& services,
                         Mod_BrowseFolder& browse, frmOptionen& options, std::string& substPath)
    : Form(app),
      picReg(*this),
      picRegIndex(*this, PageCount),
      lblHallo(*this),
      lblDanke(*this),
      lblWas(*this),
      optWas(*this, 2),
      frReg(*this, {1, 2, 3}),
      lblQuelle(*this),
      tbSourceDir(*this),
      cmdGetDir(*this),
      lblFrei(*this),
      cboNew(*this),
      lblEntfernen(*this),
      cboVirtuell(*this),
      picHinweis(*this),
      lblHinweis(*this),
      lblWhat(*this),
      cmdReg(*this, 2),
      cmdCancel(*this),
      SubstPath(substPath),
      services_(services),
      browse_(browse),
      options_(options) {
    Design();
    for (int i = 0; i < 2; ++i) {
        optWas[i].Click = [this, i] { optWas_Click(i); };
        cmdReg[i].Click = [this, i] { cmdReg_Click(i); };
    }
    cmdGetDir.Click = [this] { cmdGetDir_Click(); };
    tbSourceDir.Change = [this] { tbSourceDir_Change(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void frmVirtuell::Design() {
    SetName("frmVirtuell");
    SetCaption("Laufwerks-Assistent");
    SetBorderStyle(forms::BorderStyle::FixedDialog);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    SetCenterOnLoad(true);
    SetClientSize(7215, 4185);

    picReg.SetName("picReg");
    picReg.SetBorder(false);
    picReg.Move(0, 0, 1455, 3495);
    if (auto picture =
            App().LoadBuiltInPicture({art::WizardSide, art::WizardSide150, art::WizardSide200}))
        picReg.SetPicture(*picture);

    for (int i = 0; i < PageCount; ++i) {
        picRegIndex[i].SetName("picRegIndex(" + std::to_string(i) + ")");
        picRegIndex[i].SetBorder(false);
        picRegIndex[i].Move(1560, 120, 5535, 3375);
    }
    const char* const frameCaptions[] = {"", "Erstellen", "Entfernen", "&Abschluß"};
    for (int i = 1; i < PageCount; ++i) {
        frReg[i].SetName("frReg(" + std::to_string(i) + ")");
        frReg[i].SetContainer(picRegIndex[i]);
        frReg[i].SetCaption(frameCaptions[i]);
        frReg[i].Move(0, 0, 5535, 3375);
    }

    // Page 0: welcome and the choice.
    auto label = [](forms::Label& l, const char* name, forms::Control& container,
                    forms::Twips left, forms::Twips top, forms::Twips width,
                    forms::Twips height, const std::string& caption) {
        l.SetName(name);
        l.SetContainer(container);
        l.SetWordWrap(true);
        l.Move(left, top, width, height);
        l.SetCaption(caption);
    };
    label(lblHallo, "lblHallo", picRegIndex[0], 120, 120, 5295, 255,
          "Willkommen beim Laufwerks-Assitent.");
    lblHallo.SetFontBold(true);
    label(lblDanke, "lblDanke", picRegIndex[0], 120, 600, 5295, 855,
          "Um Ihre spätere CD-Rom besser testen zu können, ist es möglich, Ihr "
          "Quell-Verzeichnis als neues 'virtuelles' Laufwerk einzurichten.");
    label(lblWas, "lblWas", picRegIndex[0], 120, 1620, 5295, 255, "Was möchten Sie tun?");
    const char* const choices[] = {"Neues Laufwerk einrichten",
                                   "Vorhandes 'virtuelles' Laufwerk entfernen"};
    for (int i = 0; i < 2; ++i) {
        optWas[i].SetName("optWas(" + std::to_string(i) + ")");
        optWas[i].SetContainer(picRegIndex[0]);
        optWas[i].SetCaption(choices[i]);
        optWas[i].Move(360, 2040 + 360 * i, 4935, 300);
    }

    // Page 1: create.
    label(lblQuelle, "lblQuelle", frReg[1], 240, 360, 5055, 255,
          "Bitte wählen Sie Ihr Quell-Verzeichnis aus:");
    tbSourceDir.SetName("tbSourceDir");
    tbSourceDir.SetContainer(frReg[1]);
    tbSourceDir.Move(240, 720, 4575, 330);
    tbSourceDir.SetBackColor(0xC0C0C0);
    tbSourceDir.SetLocked(true);
    cmdGetDir.SetName("cmdGetDir");
    cmdGetDir.SetContainer(frReg[1]);
    cmdGetDir.SetCaption("...");
    cmdGetDir.Move(4920, 700, 372, 372);
    label(lblFrei, "lblFrei", frReg[1], 240, 1380, 5055, 255,
          "Bitte wählen Sie ein freies Laufwerk aus:");
    cboNew.SetName("cboNew");
    cboNew.SetContainer(frReg[1]);
    cboNew.Move(240, 1740, 1215, 315);

    // Page 2: remove.
    label(lblEntfernen, "lblEntfernen", frReg[2], 240, 360, 5055, 255,
          "Welches 'virtuelle' Laufwerk möchten Sie entfernen?");
    cboVirtuell.SetName("cboVirtuell");
    cboVirtuell.SetContainer(frReg[2]);
    cboVirtuell.Move(240, 720, 1215, 315);
    picHinweis.SetName("picHinweis");
    picHinweis.SetContainer(frReg[2]);
    picHinweis.SetBorder(false);
    picHinweis.Move(240, 1380, 480, 480);
    if (auto picture = App().LoadPictureFromMemory(art::WizardHint.data, art::WizardHint.size))
        picHinweis.SetPicture(*picture);
    label(lblHinweis, "lblHinweis", frReg[2], 840, 1380, 4455, 1095,
          "Hinweis: Sie können nur Laufwerke entfernen, die Sie selbst mit Pavonel "
          "eingerichten haben! Es werden keine Daten gelöscht!");

    // Page 3: what the last "&Weiter >" does.
    label(lblWhat, "lblWhat", frReg[3], 240, 360, 5055, 2775, "");

    const char* const navigation[] = {"< &Zurück", "&Weiter >"};
    for (int i = 0; i < 2; ++i) {
        cmdReg[i].SetName("cmdReg(" + std::to_string(i) + ")");
        cmdReg[i].SetCaption(navigation[i]);
        cmdReg[i].Move(2760 + 1275 * i, 3660, 1215, 372);
        cmdReg[i].SetEnabled(false);
    }
    cmdCancel.SetName("cmdCancel");
    cmdCancel.SetCaption("&Abbrechen");
    cmdCancel.Move(5880, 3660, 1215, 372);
    ShowPage(0);
}

void frmVirtuell::ShowPage(std::size_t index) { forms::ShowStackedPage(picRegIndex, index); }

// The letter lists are fixed: every letter from D to Z, whether its drive
// exists or not.
void frmVirtuell::Form_Load() {
    for (forms::ComboBox* list : {&cboNew, &cboVirtuell}) {
        for (int code = FirstLetter; code < FirstLetter + LetterCount; ++code)
            list->AddItem(std::string(1, static_cast<char>(code)) + ":");
        list->SetListIndex(0);
    }
}

// The close box acts as "&Abbrechen": nothing runs, the dialog stays loaded.
void frmVirtuell::Form_QueryUnload(bool& cancel, forms::UnloadMode mode) {
    if (mode != forms::UnloadMode::FormControlMenu) return;
    cancel = true;
    cmdCancel_Click();
}

void frmVirtuell::optWas_Click(int) {
    NewDrive = optWas[0].Value();
    cmdReg[1].SetEnabled(true);
}

void frmVirtuell::cmdGetDir_Click() {
    const std::string folder = browse_.BrowseFolder(0, "Bitte wählen Sie ein Verzeichnis:");
    if (!folder.empty()) tbSourceDir.SetText(folder);
}

void frmVirtuell::tbSourceDir_Change() { cmdReg[1].SetEnabled(true); }

void frmVirtuell::cmdReg_Click(int Index) {
    if (Index == 1) {
        CurrIndex = static_cast<std::int16_t>(CurrIndex + 1);
        if (CurrIndex == 4) CurrIndex = 3;
        if (CurrIndex == 1) ShowPage(StepOnePage());
        if (CurrIndex == 2) {
            if (NewDrive ? CheckMake() : CheckDell()) {
                ShowPage(3);
            } else {
                // The check has shown its message; step 1 stays.
                CurrIndex = 1;
            }
        }
        if (CurrIndex == 3) {
            if (NewDrive)
                MakeDrive();
            else
                DellDrive();
            cmdCancel_Click();
            return;
        }
    } else {
        if (CurrIndex == 0) return;
        CurrIndex = static_cast<std::int16_t>(CurrIndex - 1);
        if (CurrIndex == 0) ShowPage(0);
        if (CurrIndex == 1) ShowPage(StepOnePage());
    }
    SetPic(CurrIndex);
}

void frmVirtuell::SetPic(std::int16_t& currindex) {
    switch (currindex) {
    case 0:
        cmdReg[0].SetEnabled(false);
        cmdReg[1].SetEnabled(true);
        break;
    case 1:
        cmdReg[0].SetEnabled(true);
        cmdReg[1].SetEnabled(!(NewDrive && tbSourceDir.Text().empty()));
        break;
    case 2:
        cmdReg[0].SetEnabled(true);
        cmdReg[1].SetEnabled(true);
        break;
    default:
        break;
    }
}

void frmVirtuell::cmdCancel_Click() {
    ShowPage(0);
    cmdReg[0].SetEnabled(false);
    cmdReg[1].SetEnabled(false);
    optWas[0].SetValue(false);
    optWas[1].SetValue(false);
    CurrIndex = 0;
    Hide();
}

char frmVirtuell::LetterOf(const forms::ComboBox& list) {
    return static_cast<char>(FirstLetter + list.ListIndex());
}

void frmVirtuell::Fehler(const std::string& text, int icon) {
    App().MsgBox(text, forms::mb::OkOnly | icon, "Fehler");
}

bool frmVirtuell::CheckMake() {
    const std::string drive = std::string(1, LetterOf(cboNew)) + ":";
    if (services_.FileExists(drive)) {
        Fehler("Laufwerk existiert bereits. Bitte wählen Sie ein Neues aus!", forms::mb::Exclamation);
        return false;
    }
    if (!services_.FileExists(SubstExe())) {
        Fehler("Bitte geben Sie den korrekten Pfad von 'subst.exe' an", forms::mb::Exclamation);
        return false;
    }
    if (tbSourceDir.Text().empty()) {
        Fehler("Bitte Quellverzeichnis angeben!", forms::mb::Information);
        return false;
    }
    if (!services_.FileExists(tbSourceDir.Text())) {
        Fehler("Quellverzeichnis nicht vorhanden!", forms::mb::Information);
        return false;
    }
    lblWhat.SetCaption("Verzeichnis " + tbSourceDir.Text() + " wird jetzt unter Laufwerk " +
                       drive + "\\ eingerichtet.");
    return true;
}

bool frmVirtuell::CheckDell() {
    const std::string letter(1, LetterOf(cboVirtuell));
    if (!services_.FileExists(letter + ":")) {
        Fehler("Laufwerk nicht vorhanden. Bitte wählen Sie ein Neues aus!",
               forms::mb::Exclamation);
        return false;
    }
    if (!services_.FileExists(SubstExe())) {
        Fehler("Bitte geben Sie den korrekten Pfad von 'subst.exe' an", forms::mb::Exclamation);
        return false;
    }
    lblWhat.SetCaption("Laufwerk " + letter + ":\\ wird jetzt entfernt." + "\r\r" +
                       "Es werden keine Daten gelöscht!");
    return true;
}

std::string frmVirtuell::SubstExe() const { return common::JoinPath(SubstPath, "subst.exe"); }

void frmVirtuell::EndSubstPathWithSeparator() {
    if (!SubstPath.empty() && SubstPath.back() == '\\') return;
    SubstPath += '\\';
    options_.tbDirSubst.SetText(SubstPath);
}

// subst.exe is started minimized and nothing waits for it; a failure to
// start it goes unnoticed, like its result.
void frmVirtuell::MakeDrive() {
    EndSubstPathWithSeparator();
    services_.MapDrive(SubstExe(), LetterOf(cboNew), tbSourceDir.Text());
}

void frmVirtuell::DellDrive() {
    EndSubstPathWithSeparator();
    services_.UnmapDrive(SubstExe(), LetterOf(cboVirtuell));
}

}  // namespace editor

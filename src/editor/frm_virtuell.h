// The drive wizard "Laufwerks-Assistent": maps the source folder of the
// future CD to a spare drive letter with subst.exe, or removes such a
// mapping, in four steps. Hidden, not destroyed, between uses; every ending
// goes through cmdCancel_Click, so the next opening starts on page 0.
#pragma once

#include <cstdint>
#include <string>

#include "editor/browse_folder.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "os/services.h"

namespace editor {

class frmOptionen;

class frmVirtuell : public forms::Form {
public:
    frmVirtuell(forms::Application& app, os::Services& services, Mod_BrowseFolder& browse,
                frmOptionen& options, std::string& substPath);

    forms::PictureBox picReg;
    forms::ControlArray<forms::PictureBox> picRegIndex;
    // Page 0: welcome and choice.
    forms::Label lblHallo;
    forms::Label lblDanke;
    forms::Label lblWas;
    forms::ControlArray<forms::OptionButton> optWas;
    // Pages 1 to 3 each in a frame.
    forms::ControlArray<forms::Frame> frReg;  // indexes 1, 2 and 3
    forms::Label lblQuelle;
    forms::TextBox tbSourceDir;
    forms::CommandButton cmdGetDir;
    forms::Label lblFrei;
    forms::ComboBox cboNew;
    forms::Label lblEntfernen;
    forms::ComboBox cboVirtuell;
    forms::PictureBox picHinweis;
    forms::Label lblHinweis;
    forms::Label lblWhat;
    // Below the pages.
    forms::ControlArray<forms::CommandButton> cmdReg;  // 0 "< &Zurück", 1 "&Weiter >"
    forms::CommandButton cmdCancel;

    // The current step, 0 to 3, and the choice of step 0.
    std::int16_t CurrIndex = 0;
    bool NewDrive = false;
    std::string& SubstPath;

    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override;
    void optWas_Click(int Index);
    void cmdGetDir_Click();
    void tbSourceDir_Change();
    void cmdReg_Click(int Index);
    void cmdCancel_Click();
    // The enabled states of "< &Zurück" and "&Weiter >" for the step.
    void SetPic(std::int16_t& currindex);
    // The checks of step 1: each shows its message and gives false when the
    // input does not fit; otherwise they prepare the text of the last page.
    bool CheckMake();
    bool CheckDell();
    void MakeDrive();
    void DellDrive();

private:
    void Design();
    // The page of step 1: create or remove.
    std::size_t StepOnePage() const { return NewDrive ? 1 : 2; }
    void ShowPage(std::size_t index);
    // The letter of the list's selected entry ("D" for the first).
    static char LetterOf(const forms::ComboBox& list);
    // SubstPath with one trailing separator.
    void EndSubstPathWithSeparator();
    // subst.exe in the folder SubstPath names.
    std::string SubstExe() const;
    void Fehler(const std::string& text, int icon);

    os::Services& services_;
    Mod_BrowseFolder& browse_;
    frmOptionen& options_;
};

}  // namespace editor

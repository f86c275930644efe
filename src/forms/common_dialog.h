// One common dialog object: the open, save, colour and font dialogs share
// its settings. Every setting keeps its value between uses, so a use sets
// only what it needs and finds the rest as the previous use left it.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "forms/dialogs.h"
#include "forms/types.h"

namespace forms {

class Application;

// Thrown by the Show... functions when the user cancelled and CancelError
// is set.
class DialogCancelled : public std::runtime_error {
public:
    DialogCancelled() : std::runtime_error("Abbrechen wurde ausgewählt.") {}
};

class CommonDialog {
public:
    explicit CommonDialog(Application& app) : app_(app) {}
    CommonDialog(const CommonDialog&) = delete;
    CommonDialog& operator=(const CommonDialog&) = delete;

    // File dialogs: the preset name, and after OK the chosen full path.
    std::string FileName;
    std::string Filter;
    std::string DefaultExt;
    std::string DialogTitle;
    // The flags of whichever dialog is shown next (ofn::, cc::, cf::).
    std::uint32_t Flags = 0;
    // Cancel throws DialogCancelled instead of returning quietly.
    bool CancelError = false;
    // The colour dialog's colour, preset and chosen.
    forms::Color Color = 0;
    // The font dialog's font, preset and chosen; with cf::Effects also its
    // underline, strikeout and Color.
    std::string FontName;
    double FontSize = 0;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    bool FontStrikethru = false;

    void ShowOpen();
    void ShowSave();
    void ShowColor();
    void ShowFont();

private:
    void ShowFile(bool save);
    // The user cancelled: an error when the program asked for one.
    void Cancelled() const;

    Application& app_;
};

}  // namespace forms

// The common dialogs as the backends show them: what a program asks for
// (the request) and what the user chose. Flags carry the values of the
// Windows structures (OPENFILENAME, CHOOSECOLOR, CHOOSEFONT, BROWSEINFO).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "forms/types.h"

namespace forms {

namespace ofn {
constexpr std::uint32_t OverwritePrompt = 0x2;
constexpr std::uint32_t HideReadOnly = 0x4;
constexpr std::uint32_t PathMustExist = 0x800;
constexpr std::uint32_t FileMustExist = 0x1000;
}  // namespace ofn

namespace cc {
constexpr std::uint32_t RgbInit = 0x1;
}  // namespace cc

namespace cf {
constexpr std::uint32_t ScreenFonts = 0x1;
constexpr std::uint32_t PrinterFonts = 0x2;
constexpr std::uint32_t Effects = 0x100;  // underline, strikeout and colour
constexpr std::uint32_t Apply = 0x200;
constexpr std::uint32_t ForceFontExist = 0x10000;
}  // namespace cf

namespace bif {
constexpr std::uint32_t ReturnOnlyFileSystemFolders = 0x1;
constexpr std::uint32_t StatusText = 0x4;
}  // namespace bif

// An open or save dialog for one file.
struct FileDialogRequest {
    bool save = false;
    // The file name the dialog starts with.
    std::string fileName;
    // Pairs of description and pattern, separated by "|"
    // ("alle Dateien (*.*)|*.*"); the first pair is the active one.
    std::string filter;
    // Appended when the user types a name without extension.
    std::string defaultExtension;
    std::string title;
    std::uint32_t flags = 0;
};

struct ColorDialogRequest {
    Color color = 0;  // preselected with cc::RgbInit
    std::uint32_t flags = 0;
};

// A font dialog that starts with the given font.
struct FontDialogRequest {
    std::string fontName;
    double fontSize = 0;  // points; 0: the dialog's own choice
    std::uint32_t flags = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;      // with cf::Effects
    bool strikethrough = false;  // with cf::Effects
    Color color = 0;             // with cf::Effects
};

// What the font dialog gives back.
struct FontChoice {
    std::string name;
    double size = 0;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    Color color = 0;
};

// The folder picker while it is open, for its notification routine.
class FolderDialog {
public:
    virtual ~FolderDialog() = default;
    // Enables or disables the OK button.
    virtual void EnableOk(bool enable) = 0;
    // Shows text in the dialog's status line (with bif::StatusText).
    virtual void SetStatusText(const std::string& text) = 0;
};

struct FolderDialogRequest {
    // Number of the special folder at the root of the tree; 0 or below:
    // the desktop.
    int rootFolder = 0;
    // The instruction above the tree.
    std::string title;
    std::uint32_t flags = 0;
    // Runs whenever another item is selected, with the item's file-system
    // path (empty for an item that has none).
    std::function<void(FolderDialog& dialog, const std::string& path)> selectionChanged;
};

class Backend;

// The common dialogs, owned by the active form, as the backend the program
// is linked with shows them. Each returns the user's choice, or nothing when
// the user cancelled. Free functions rather than members of the backend, so
// that a program without dialogs (the menu program) links none of them.
std::optional<std::string> ShowFileDialog(Backend& backend, const FileDialogRequest& request);
std::optional<Color> ShowColorDialog(Backend& backend, const ColorDialogRequest& request);
std::optional<FontChoice> ShowFontDialog(Backend& backend, const FontDialogRequest& request);
// The shell's folder picker: the chosen folder's path (empty for an item
// without one), or nothing when the user cancelled.
std::optional<std::string> BrowseForFolder(Backend& backend, const FolderDialogRequest& request);

}  // namespace forms

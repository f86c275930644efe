// Simulated user input for the conformance suite of the control model. The
// headless driver calls the model's Raise... functions directly; the win32
// driver sends real window messages to the native windows, so that the
// suite checks that both backends deliver the same events.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/common_controls.h"
#include "forms/controls.h"
#include "forms/dialogs.h"
#include "forms/form.h"
#include "forms/menu.h"

namespace forms::testing {

class Driver {
public:
    virtual ~Driver() = default;
    virtual forms::Backend& GetBackend() = 0;
    // Clicks a button (or label) as the user would.
    virtual void Click(forms::Control& control) = 0;
    // Moves the mouse over the control, at (x, y) pixels inside it.
    virtual void MouseMove(forms::Control& control, int x, int y) = 0;
    // Types one character into the focused control.
    virtual void TypeChar(forms::Control& control, char character) = 0;
    // Presses a key that moves focus or presses buttons: Tab, Enter, Escape,
    // or Alt with a letter (access keys).
    virtual void PressTab(forms::Form& form) = 0;
    virtual void PressEnter(forms::Form& form) = 0;
    virtual void PressAccessKey(forms::Form& form, char letter) = 0;
    // Closes the form through its window frame (close box).
    virtual void CloseByUser(forms::Form& form) = 0;
    // Handles pending window messages; waits up to timeoutMs for condition.
    virtual bool PumpUntil(const std::function<bool()>& condition, int timeoutMs) = 0;
    // While the next modal form is shown, runs action (then the form must be
    // hidden or unloaded by the action).
    virtual void OnNextModal(std::function<void(forms::Form&)> action) = 0;
    // The control that has the keyboard focus, or nullptr.
    virtual forms::Control* FocusedControl(forms::Form& form) = 0;

    // ---- Menus and common controls ---------------------------------------------
    // Chooses a menu entry with the mouse.
    virtual void ChooseMenu(forms::Menu& entry) = 0;
    // Presses Ctrl with a letter in the form (menu shortcuts).
    virtual void PressShortcut(forms::Form& form, char letter) = 0;
    // Presses the toolbar button at position index (from 1).
    virtual void ClickToolbarButton(forms::Toolbar& toolbar, int index) = 0;
    // Clicks node index of the tree with the mouse, which selects it.
    virtual void ClickTreeNode(forms::TreeView& tree, int index) = 0;
    // Double-clicks node index: it is selected, Click fires, then DblClick.
    virtual void DoubleClickTreeNode(forms::TreeView& tree, int index) = 0;
    // Presses the arrow key down (or up) in control, which has the focus: a
    // tree selects the next (or previous) visible node and types no
    // character, a scroll bar moves a step, a drop-down list picks the next
    // entry, an option button passes the focus on within its group.
    virtual void PressArrowKey(forms::Control& control, bool down) = 0;
    // Clicks an arrow or the track of a scroll bar.
    virtual void Scroll(forms::ScrollBar& bar, forms::ScrollBar::Scroll action) = 0;
    // Drags the thumb of a scroll bar to value and lets it go there.
    virtual void DragThumb(forms::ScrollBar& bar, int value) = 0;
    // Picks the entry at position index (from 0) of a drop-down list.
    virtual void PickListEntry(forms::ComboBox& box, int index) = 0;
    // Chooses tab index (from 1) of a tab strip.
    virtual void ChooseTab(forms::TabStrip& strip, int index) = 0;
    // Clicks the form at (x, y) twips of its inside: the control that shows
    // there (the front one where controls overlap) gets the click.
    virtual void ClickAt(forms::Form& form, forms::Twips x, forms::Twips y) = 0;

    // ---- Common dialogs and the folder picker ----------------------------------
    // What a dialog showed as it opened, before the answer changed anything.
    struct DialogView {
        std::string title;        // file dialogs: the caption
        std::string fileName;     // file dialogs: the name in the file name field
        std::string fileType;     // file dialogs: the chosen entry of the file types
        forms::Color color = 0;   // colour dialog: the colour shown
        std::string fontName;     // font dialog: the face shown
        double fontSize = 0;      // font dialog: the size shown
    };
    // Each answers the next dialog of its kind that the program opens, as
    // the user would: fills in the dialog and presses OK, or with nothing
    // presses Cancel; with seen, it also notes what the dialog showed.
    // Answers queue up, front first. A win32 answer that the dialog's fields
    // cannot give fails the test and cancels.
    // The file dialog: the path typed into its file name field.
    virtual void AnswerNextFileDialog(std::optional<std::string> path,
                                      DialogView* seen = nullptr) = 0;
    virtual void AnswerNextColorDialog(std::optional<forms::Color> color,
                                       DialogView* seen = nullptr) = 0;
    // The font dialog: face (without a name the face it shows), style (bold,
    // italic) and whole-point size; the effects only where it shows them.
    virtual void AnswerNextFontDialog(std::optional<forms::FontChoice> font,
                                      DialogView* seen = nullptr) = 0;
    // What the folder picker shows after a selection.
    struct FolderPickerView {
        bool okEnabled = true;
        std::string statusText;
        bool operator==(const FolderPickerView&) const = default;
        friend std::ostream& operator<<(std::ostream& out, const FolderPickerView& view) {
            return out << (view.okEnabled ? "OK enabled, \"" : "OK disabled, \"")
                       << view.statusText << '"';
        }
    };
    // While the next folder picker is open: selects each folder of select in
    // turn (a file-system folder, which the picker itself would accept),
    // appends what the picker then shows to *views, and presses OK (confirm)
    // or Cancel. Confirming while OK is disabled fails the test.
    virtual void AnswerNextFolderDialog(std::vector<std::string> select, bool confirm,
                                        std::vector<FolderPickerView>* views) = 0;
    // How many answers no dialog has taken; forgets them.
    virtual int UnusedDialogAnswers() = 0;
};

// The driver of the backend this test executable is built with.
std::unique_ptr<Driver> MakeDriver();

}  // namespace forms::testing

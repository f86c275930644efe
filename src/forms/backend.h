// The interface between the control model and a backend (headless for
// tests, win32 for the product). The model holds every property; a peer
// mirrors it into a native window and reports the user's input back by
// calling the control's Raise... functions.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/types.h"

namespace forms {

class Control;
class Form;
class Label;
class CommandButton;
class TextBox;
class PictureBox;
class Timer;
class Frame;
class OptionButton;
class ScrollBar;
class ComboBox;
class Menu;
class Toolbar;
class StatusBar;
class TreeView;
class TabStrip;
class ProgressBar;

// What changed on a control, so that the peer can update its native window.
enum class Property {
    Caption,      // Caption of a form, label or button; Text of a text box
    Visible,
    Enabled,
    Bounds,       // Left, Top, Width, Height (for forms: position and client size)
    ForeColor,
    BackColor,
    Font,
    Picture,      // Picture of a button or picture box; Icon of a form
    Default,      // which button of a form is the default button
    MousePointer,
    TopMost,      // forms: kept above all windows that are not themselves on top
    Selection,    // SelStart/SelLength of a text box
    Locked,
    Interval,     // timers: Interval or Enabled
    ZOrder,       // the control was brought to the front or sent to the back
    Value,        // Value of an option button; Min, Max, Value, steps of a scroll bar
    Checked,      // menus: the check mark
    Alignment,    // labels: left, right or centred text
};

// What changed in the list of a control with items (tree nodes, list
// entries, tabs), so that the peer can mirror just that.
enum class ItemChange {
    Cleared,   // every item went
    Added,     // item index was added
    Text,      // the text of item index changed
    Expanded,  // tree nodes: item index was expanded or collapsed
    Selected,  // the selected item is now index (0: none)
};

// Native side of one control or form.
class Peer {
public:
    virtual ~Peer() = default;
    virtual void Update(Property property) = 0;
    virtual void SetFocus() = 0;
    // Draws the picture onto the persistent drawing surface (forms and
    // picture boxes) at its own size, top-left at (x, y).
    virtual void PaintPicture(const Picture& picture, Twips x, Twips y) = 0;
    // Clears the persistent drawing surface.
    virtual void Cls() = 0;
    // Paints the window now (the wait window is painted before a long step).
    virtual void Refresh() = 0;
    // HWND on Windows, 0 in headless.
    virtual std::uintptr_t NativeHandle() const = 0;
    // Controls with items: item index (1-based; see ItemChange) changed.
    virtual void UpdateItem(ItemChange change, int index) { (void)change, (void)index; }
};

struct TextSize {
    Twips width = 0;
    Twips height = 0;
};

class Backend {
public:
    virtual ~Backend() = default;

    // Runs the message loop until no form is loaded any more.
    virtual void Run() = 0;
    // Shows form modally: returns when it is hidden or unloaded.
    virtual void RunModal(Form& form) = 0;
    // Ends the program at once; no unload handler runs.
    virtual void End() = 0;
    // Handles the window messages that are waiting, then returns: a long
    // task on the user-interface thread calls it now and then, so that its
    // windows repaint and a button that stops the task can be pressed.
    virtual void DoEvents() = 0;

    virtual int MsgBox(const std::string& text, int style, const std::string& title) = 0;

    // Loads a picture file (ico, bmp incl. RLE, gif, jpg, png, wmf, emf);
    // nothing when the file is no readable picture.
    virtual std::optional<Picture> LoadPicture(const std::string& path) = 0;
    // The same from the bytes of a picture file built into the program: the
    // programs' own artwork, which scales with the display.
    virtual std::optional<Picture> LoadPictureFromMemory(const unsigned char* data,
                                                         std::size_t size) = 0;
    // A picture built into the program with its drawings at larger scales:
    // the first is the one for 96 DPI, the others the same picture drawn
    // larger (its 150 % and 200 % artwork), from which the backend draws it
    // where they fit a scale better.
    virtual std::optional<Picture> LoadBuiltInPicture(const std::vector<MemoryFile>& drawings) = 0;
    // The size a picture box of the picture takes, in twips, with borderPixels
    // of frame around it: a scaling picture its 96-DPI size at 15 twips a
    // pixel, any other its pixels at the screen's DPI.
    virtual TextSize PictureExtent(const Picture& picture, int borderPixels) const = 0;
    // The icon of the running program, the first icon of its resources, at
    // the size of the system's icons; nothing when it has none.
    virtual std::optional<Picture> ProgramIcon() = 0;
    // The shell's icon of path (a program, document or folder) drawn
    // transparently at (0, 0) onto a square of background colour one pixel
    // larger than the icon (17 x 17 small, 33 x 33 large); nothing when the
    // shell knows nothing of the path.
    virtual std::optional<Picture> ShellIcon(const std::string& path, bool small,
                                             Color background) = 0;

    // Size of text in font; with wrapWidth > 0 the text wraps at word
    // boundaries within that width.
    virtual TextSize MeasureText(const Font& font, const std::string& text, Twips wrapWidth) = 0;

    // Twips per pixel of the screen (15 at 96 DPI) and its size in twips.
    virtual int TwipsPerPixelX() const = 0;
    virtual int TwipsPerPixelY() const = 0;
    virtual Twips ScreenWidth() const = 0;
    virtual Twips ScreenHeight() const = 0;
    // Outer size minus client size of a form with its border style.
    virtual TextSize FrameSize(const Form& form) const = 0;

    // The control (or form) that has the keyboard focus, or null when none
    // of the program's windows has it.
    virtual Control* FocusedControl() const = 0;
};

// The native peer of each kind of control, made by the backend the program
// is linked with (forms/headless or forms/win32 defines them) when the
// control's form is loaded; for a form, its (hidden) top-level window.
// Controls are realised in the order they were created, which is also their
// tab order. Each control class asks for its own kind's peer (through
// Control::MakeOwnPeer), so a program links the peers of the controls it
// uses and no others.
std::unique_ptr<Peer> MakePeer(Backend& backend, Form& form);
std::unique_ptr<Peer> MakePeer(Backend& backend, Label& label);
std::unique_ptr<Peer> MakePeer(Backend& backend, CommandButton& button);
std::unique_ptr<Peer> MakePeer(Backend& backend, TextBox& textBox);
std::unique_ptr<Peer> MakePeer(Backend& backend, PictureBox& box);
std::unique_ptr<Peer> MakePeer(Backend& backend, Timer& timer);
std::unique_ptr<Peer> MakePeer(Backend& backend, Frame& frame);
std::unique_ptr<Peer> MakePeer(Backend& backend, OptionButton& option);
std::unique_ptr<Peer> MakePeer(Backend& backend, ScrollBar& bar);
std::unique_ptr<Peer> MakePeer(Backend& backend, ComboBox& box);
std::unique_ptr<Peer> MakePeer(Backend& backend, Menu& menu);
std::unique_ptr<Peer> MakePeer(Backend& backend, Toolbar& toolbar);
std::unique_ptr<Peer> MakePeer(Backend& backend, StatusBar& bar);
std::unique_ptr<Peer> MakePeer(Backend& backend, TreeView& tree);
std::unique_ptr<Peer> MakePeer(Backend& backend, TabStrip& strip);
std::unique_ptr<Peer> MakePeer(Backend& backend, ProgressBar& bar);

}  // namespace forms

// The headless backend: the control model without any window system, for
// tests of the forms and of the programs. It keeps no windows; it records
// what the program asked for (message boxes, modal forms, drawing on the
// persistent surfaces, focus) and answers from what the test set up.
//
// Fixed metrics, so that layouts computed by the programs are reproducible:
// - 15 twips a pixel in both directions; the screen is 1024 x 768 pixels.
// - Frame of a form (outer minus client size), in pixels:
//     BorderStyle::None                      0 x 0
//     FixedSingle / FixedDialog with title   6 x 25  (3 px border each side,
//                                                      19 px caption)
//     Sizable with title                     8 x 27  (4 px border each side)
//     the same without title bar             6 x 6 and 8 x 8
//   and 20 px more in height for a menu bar.
// - Common dialogs and the folder picker answer from scripts the test sets
//   up; every request is recorded.
// - Text (MeasureText): every character (UTF-8 code point) is
//   round(10 * size) twips wide, bold round(11 * size); a line is
//   round(24 * size) twips high (8 points: 80 twips a character, 192 a line).
//   Lines break at "\n" (a "\r" before it is ignored); with wrapWidth > 0
//   lines also wrap at blanks, a word wider than wrapWidth standing alone on
//   its line. An empty text is one line high and 0 wide.
// - Pictures are decoded with gdk-pixbuf; ico, bmp (also RLE), gif, jpeg and
//   png are accepted, like the Windows picture loader; any other format,
//   a damaged file, a folder or a missing file gives nothing.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "forms/backend.h"
#include "forms/control.h"
#include "forms/controls.h"
#include "forms/dialogs.h"
#include "forms/form.h"

namespace forms::headless {

class Peer;

struct MessageBoxCall {
    std::string text;
    int style = 0;
    std::string title;
};

// One PaintPicture onto a persistent drawing surface.
struct DrawCall {
    Picture picture;
    Twips x = 0;
    Twips y = 0;
};

// One modal showing of a form. The pointer identifies the form for
// comparisons only; the form may be gone by the time a test looks.
struct ModalCall {
    const Form* form = nullptr;
    std::string name;
    // Whether the form was hidden or unloaded when onModal returned, as the
    // real modal loop requires before ShowModal can return.
    bool closed = false;
};

// The folder picker as a test sees it while it is open.
class FolderDialogState : public FolderDialog {
public:
    bool okEnabled = true;
    std::string statusText;
    void EnableOk(bool enable) override { okEnabled = enable; }
    void SetStatusText(const std::string& text) override { statusText = text; }
};

struct ShellIconCall {
    std::string path;
    bool small = false;
    Color background = 0;
};

// Pixels of a headless picture: only the size, the source and the format.
class PictureData : public forms::PictureData {
public:
    std::string format;  // gdk-pixbuf's format name ("png", "bmp", ...) or "fake"
};

// The backend must outlive the forms realised on it (their peers report
// back to it when they go).
class Backend : public forms::Backend {
public:
    Backend() = default;
    Backend(const Backend&) = delete;
    Backend& operator=(const Backend&) = delete;

    // ---- Set up and read by tests --------------------------------------------
    // Every message box, in order.
    std::vector<MessageBoxCall> messageBoxes;
    // Answers for the next message boxes, front first; mb::Ok when empty.
    std::deque<int> msgBoxAnswers;

    // Runs while a form is shown modally; it may click buttons, hide or
    // unload the form. Without it RunModal returns at once.
    std::function<void(Form&)> onModal;
    std::vector<ModalCall> modalCalls;

    // Common dialogs: every request in order, and the answers for the next
    // ones, front first; nothing (the user cancelled) when none is left.
    std::vector<FileDialogRequest> fileDialogs;
    std::deque<std::optional<std::string>> fileDialogAnswers;
    std::vector<ColorDialogRequest> colorDialogs;
    std::deque<std::optional<Color>> colorDialogAnswers;
    std::vector<FontDialogRequest> fontDialogs;
    std::deque<std::optional<FontChoice>> fontDialogAnswers;
    // Run with each request as its dialog opens, before the answer is taken
    // (for a look at what the dialog shows).
    std::function<void(const FileDialogRequest& request)> onFileDialog;
    std::function<void(const ColorDialogRequest& request)> onColorDialog;
    std::function<void(const FontDialogRequest& request)> onFontDialog;
    // The folder picker: runs while it is open, may select items through
    // request.selectionChanged and returns the answer; without it the user
    // cancels at once.
    std::vector<FolderDialogRequest> folderDialogs;
    std::function<std::optional<std::string>(const FolderDialogRequest& request,
                                             FolderDialogState& dialog)>
        onFolderDialog;

    // Set by End(); the program logic returns normally afterwards.
    bool ended = false;
    // Runs on every DoEvents (the user acting while a long task runs).
    std::function<void()> onDoEvents;
    int doEventsCalls = 0;
    // How often Run() was called.
    int runCalls = 0;

    // Answers ShellIcon; without it the shell knows no path.
    std::function<std::optional<Picture>(const std::string& path, bool small)> shellIcon;
    std::vector<ShellIconCall> shellIconCalls;

    // A picture of the given size that no file stands behind.
    static Picture MakePicture(int widthPixels, int heightPixels, std::string source);

    // The control that has the keyboard focus, or nullptr.
    Control* Focused() const { return focused_; }
    // The user puts the focus on control (Tab, a click, an access key): as
    // Control::SetFocus, but not the program's doing.
    void FocusByUser(Control& control);

    // The headless peer of a control, or nullptr when its form is not loaded.
    static Peer* PeerOf(const Control& control);
    // Draw calls on the persistent surface of a form or picture box since it
    // was loaded or last cleared; empty when it is not loaded.
    static std::vector<DrawCall> DrawCalls(const Control& control);

    // ---- Timers ------------------------------------------------------------------
    // Timers that would tick now: enabled, Interval > 0, on a loaded form;
    // in the order their peers were created.
    std::vector<Timer*> RunningTimers() const;
    // Fires the Tick of every running timer once.
    void FireTimers();
    // Lets simulated time pass: each running timer ticks whenever a whole
    // Interval has passed since it was started (or last ticked). Changing
    // Interval or Enabled restarts a timer, as on Windows.
    void AdvanceTime(int milliseconds);

    // ---- The peers and dialogs of forms/backend.h and forms/dialogs.h ------------------
    std::unique_ptr<forms::Peer> CreatePeer(Control& control);
    std::optional<std::string> ShowFileDialog(const FileDialogRequest& request);
    std::optional<Color> ShowColorDialog(const ColorDialogRequest& request);
    std::optional<FontChoice> ShowFontDialog(const FontDialogRequest& request);
    std::optional<std::string> BrowseForFolder(const FolderDialogRequest& request);

    // ---- forms::Backend ------------------------------------------------------------
    void Run() override;
    void RunModal(Form& form) override;
    void End() override;
    void DoEvents() override;
    int MsgBox(const std::string& text, int style, const std::string& title) override;
    std::optional<Picture> LoadPicture(const std::string& path) override;
    std::optional<Picture> LoadPictureFromMemory(const unsigned char* data,
                                                 std::size_t size) override;
    // The first drawing (headless draws nothing, so sizes are all it needs).
    std::optional<Picture> LoadBuiltInPicture(const std::vector<MemoryFile>& drawings) override;
    TextSize PictureExtent(const Picture& picture, int borderPixels) const override {
        return {(picture.WidthPixels() + borderPixels) * kTwipsPerPixel,
                (picture.HeightPixels() + borderPixels) * kTwipsPerPixel};
    }
    // A 32 x 32 picture that stands for the program's icon resource.
    std::optional<Picture> ProgramIcon() override;
    std::optional<Picture> ShellIcon(const std::string& path, bool small,
                                     Color background) override;
    TextSize MeasureText(const Font& font, const std::string& text, Twips wrapWidth) override;
    int TwipsPerPixelX() const override { return kTwipsPerPixel; }
    int TwipsPerPixelY() const override { return kTwipsPerPixel; }
    Twips ScreenWidth() const override { return kScreenWidthPixels * kTwipsPerPixel; }
    Twips ScreenHeight() const override { return kScreenHeightPixels * kTwipsPerPixel; }
    TextSize FrameSize(const Form& form) const override;
    Control* FocusedControl() const override { return focused_; }

    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kScreenWidthPixels = 1024;
    static constexpr int kScreenHeightPixels = 768;

private:
    friend class Peer;
    void Register(Peer* peer);
    void Unregister(Peer* peer);
    void Focus(Peer& peer);
    void KeepFocusReachable();
    bool IsLive(const Peer* peer) const;

    std::vector<Peer*> peers_;  // live peers in creation order
    Control* focused_ = nullptr;
};

// The native side of one control in headless: records what the model told it.
class Peer : public forms::Peer {
public:
    Peer(Backend& backend, Control& control);
    ~Peer() override;

    Control& GetControl() const { return control_; }
    const std::vector<DrawCall>& Draws() const { return draws_; }
    // Property updates the model sent, in order.
    const std::vector<Property>& Updates() const { return updates_; }
    // Item changes the model sent (trees, lists, tabs), in order.
    const std::vector<std::pair<ItemChange, int>>& ItemUpdates() const { return itemUpdates_; }
    int RefreshCount() const { return refreshCount_; }

    void Update(Property property) override;
    void UpdateItem(ItemChange change, int index) override;
    void SetFocus() override;
    void PaintPicture(const Picture& picture, Twips x, Twips y) override;
    void Cls() override;
    void Refresh() override { ++refreshCount_; }
    std::uintptr_t NativeHandle() const override { return 0; }

private:
    friend class Backend;
    Backend& backend_;
    Control& control_;
    // Simulated milliseconds since a timer was (re)started or last ticked.
    int timerElapsed_ = 0;
    std::vector<DrawCall> draws_;
    std::vector<Property> updates_;
    std::vector<std::pair<ItemChange, int>> itemUpdates_;
    int refreshCount_ = 0;
};

}  // namespace forms::headless

// The win32 backend: forms are top-level windows, controls are child
// windows of the standard classes, the message loop runs the program.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "forms/backend.h"
#include "forms/dialogs.h"
#include "forms/form.h"
#include "forms/win32/fonts.h"
#include "forms/win32/libraries.h"
#include "forms/win32/text.h"

namespace forms::win32 {

class FormWindow;

class Win32Backend : public Backend {
public:
    Win32Backend();
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;
    ~Win32Backend() override;

    void Run() override;
    void RunModal(Form& form) override;
    void End() override;
    void DoEvents() override;
    int MsgBox(const std::string& text, int style, const std::string& title) override;
    // The common dialogs and the folder picker of forms/dialogs.h
    // (forms/win32/dialogs.cpp).
    std::optional<std::string> ShowFileDialog(const FileDialogRequest& request);
    std::optional<Color> ShowColorDialog(const ColorDialogRequest& request);
    std::optional<FontChoice> ShowFontDialog(const FontDialogRequest& request);
    std::optional<std::string> BrowseForFolder(const FolderDialogRequest& request);
    std::optional<Picture> LoadPicture(const std::string& path) override;
    std::optional<Picture> LoadPictureFromMemory(const unsigned char* data,
                                                 std::size_t size) override;
    std::optional<Picture> LoadBuiltInPicture(const std::vector<MemoryFile>& drawings) override;
    TextSize PictureExtent(const Picture& picture, int borderPixels) const override;
    std::optional<Picture> ProgramIcon() override;
    std::optional<Picture> ShellIcon(const std::string& path, bool small,
                                     Color background) override;
    TextSize MeasureText(const Font& font, const std::string& text, Twips wrapWidth) override;
    int TwipsPerPixelX() const override { return 1440 / dpi_.x; }
    int TwipsPerPixelY() const override { return 1440 / dpi_.y; }
    Twips ScreenWidth() const override;
    Twips ScreenHeight() const override;
    TextSize FrameSize(const Form& form) const override;
    Control* FocusedControl() const override;

    // ---- For the peers -------------------------------------------------------
    HINSTANCE Instance() const { return instance_; }
    const Dpi& GetDpi() const { return dpi_; }
    FontCache& Fonts() { return fonts_; }
    // Owner of the forms that stay out of the task bar.
    HWND HiddenOwner();
    void FormCreated(FormWindow* window);
    void FormDestroyed(FormWindow* window);
    void FormActivated(FormWindow* window);
    // Handles one message the way the message loops do: keys that move the
    // focus, press the default button or an access key go to the form they
    // were typed in; everything else is translated and dispatched.
    void Dispatch(MSG& message);

    // ---- For tests --------------------------------------------------------------
    // Runs hook with each modal form, from inside its modal loop once that
    // loop is running.
    void SetModalLoopHook(std::function<void(Form&)> hook) { modalLoopHook_ = std::move(hook); }
    // Called by the modal form's window when its loop has started.
    void RunModalHook(Form& form);

    // The form the user works in now: owner of message boxes and dialogs.
    FormWindow* ActiveForm() const;

private:

    // First, so that COM ends after every picture and window is gone.
    SystemLibraries libraries_;
    HINSTANCE instance_;
    Dpi dpi_;
    FontCache fonts_;
    HWND hiddenOwner_ = nullptr;
    std::vector<FormWindow*> forms_;
    FormWindow* active_ = nullptr;
    FormWindow* previousActive_ = nullptr;
    std::function<void(Form&)> modalLoopHook_;
    // The colour dialog's 16 custom colours, kept between its uses; white
    // until the user defines some.
    COLORREF customColors_[16] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                  0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                  0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
};

// The peer of control, made for the backend: what the MakePeer of each
// control class returns.
template <class PeerType, class ControlType>
std::unique_ptr<Peer> NewPeer(Backend& backend, ControlType& control) {
    return std::make_unique<PeerType>(control, static_cast<Win32Backend&>(backend));
}

}  // namespace forms::win32

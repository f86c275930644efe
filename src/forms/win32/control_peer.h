// Peers of the controls: each is a child window of a standard class (or of
// our picture class), subclassed so that mouse moves, the mouse pointer and
// the focus reach the model.
#pragma once

#include <windows.h>

#include <memory>

#include "forms/backend.h"
#include "forms/controls.h"

namespace forms::win32 {

class FormWindow;
class Win32Backend;

class ControlPeer : public Peer {
public:
    ControlPeer(const ControlPeer&) = delete;
    ControlPeer& operator=(const ControlPeer&) = delete;
    ~ControlPeer() override;

    // The peer of a child window, or null when hwnd is none of ours.
    static ControlPeer* FromHandle(HWND hwnd);

    void Update(Property property) override;
    void SetFocus() override;
    void PaintPicture(const Picture&, Twips, Twips) override {}
    void Cls() override {}
    void Refresh() override;
    std::uintptr_t NativeHandle() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }

    Control& GetControl() const { return control_; }
    HWND Handle() const { return hwnd_; }

    // WM_CTLCOLOR... of the control: sets up dc and returns the background
    // brush, or null for the system's colours.
    virtual HBRUSH CtlColor(HDC dc) { (void)dc; return nullptr; }
    // A notification (BN_CLICKED, STN_CLICKED, EN_CHANGE, ...) from the control.
    virtual void Command(int code) { (void)code; }

protected:
    ControlPeer(Control& control, Win32Backend& backend);
    // Creates the child window on the form's window, at the control's place.
    void Create(const wchar_t* className, DWORD style, DWORD exStyle);
    FormWindow* Owner() const;
    RECT BoundsPixels() const;
    // Repaints the control and what its parent shows behind it.
    void InvalidateWithParent();
    // Messages of the subclassed window; set handled to skip the window's own
    // handling. The peer may be gone after a Raise... call: return at once.
    virtual LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

    Control& control_;
    Win32Backend& backend_;
    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam,
                                         LPARAM lParam, UINT_PTR id, DWORD_PTR data);
};

std::unique_ptr<Peer> MakeLabelPeer(Label& label, Win32Backend& backend);
std::unique_ptr<Peer> MakeButtonPeer(CommandButton& button, Win32Backend& backend);
std::unique_ptr<Peer> MakeTextBoxPeer(TextBox& textBox, Win32Backend& backend);
std::unique_ptr<Peer> MakePictureBoxPeer(PictureBox& pictureBox, Win32Backend& backend);
std::unique_ptr<Peer> MakeTimerPeer(Timer& timer, Win32Backend& backend);
void RegisterPictureBoxClass(HINSTANCE instance);

}  // namespace forms::win32

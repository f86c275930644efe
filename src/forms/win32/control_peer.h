// Peers of the controls: each is a child window of a standard class (or of
// our picture class), subclassed so that mouse moves, the mouse pointer and
// the focus reach the model. A control inside a picture box or frame is a
// child window of that container's window.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "forms/backend.h"
#include "forms/common_controls.h"
#include "forms/controls.h"
#include "forms/menu.h"

namespace forms::win32 {

struct Dpi;
class FormWindow;
class Win32Backend;

class ControlPeer : public Peer {
public:
    ControlPeer(const ControlPeer&) = delete;
    ControlPeer& operator=(const ControlPeer&) = delete;
    ~ControlPeer() override;

    // The peer of a child window, or null when hwnd is none of ours.
    static ControlPeer* FromHandle(HWND hwnd);
    // The peer that answers for what window hwnd sends to its parent: the
    // peer of a control window, or of the control that made hwnd as a
    // helper (the tooltip window of a toolbar).
    static ControlPeer* FromSender(HWND hwnd);

    void Update(Property property) override;
    void SetFocus() override;
    void PaintPicture(const Picture&, Twips, Twips) override {}
    void Cls() override {}
    void Refresh() override;
    std::uintptr_t NativeHandle() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }

    Control& GetControl() const { return control_; }
    HWND Handle() const { return hwnd_; }

    // ---- What the control's window sends to its parent -------------------------
    // WM_CTLCOLOR... of the control: sets up dc and returns the background
    // brush, or null for the system's colours.
    virtual HBRUSH CtlColor(HDC dc) { (void)dc; return nullptr; }
    // WM_COMMAND from the control's window with command id and notification
    // code; false when it is not the control's own (the dialog keys send
    // IDOK and IDCANCEL naming the focused window). By default the control's
    // own id passes its code to Command.
    virtual bool HandleCommand(int id, int code);
    // A notification (BN_CLICKED, STN_CLICKED, EN_CHANGE, ...) from the control.
    virtual void Command(int code) { (void)code; }
    // WM_NOTIFY from the control (or its helper window), whose structure the
    // peer may fill in; true when answered.
    virtual bool Notify(NMHDR& header, LRESULT& result) {
        (void)header, (void)result;
        return false;
    }
    // WM_VSCROLL or WM_HSCROLL from a scroll bar control: the request code
    // (SB_LINEUP, ...) and, for the thumb, its 16-bit position.
    virtual void Scroll(int code, int position) { (void)code, (void)position; }
    // WM_DRAWITEM, WM_MEASUREITEM, WM_COMPAREITEM or WM_DELETEITEM for an
    // owner-drawn control; true when answered.
    virtual bool OwnerDraw(UINT message, LPARAM lParam, LRESULT& result) {
        (void)message, (void)lParam, (void)result;
        return false;
    }

    // ---- Containers ---------------------------------------------------------------
    // The brush that paints the inside of a container (picture box or
    // frame), aligned to its client area's origin; transparent labels in it
    // show it. Null for controls that hold none.
    virtual HBRUSH InsideBrush() { return nullptr; }

    // ---- Scale --------------------------------------------------------------------------
    // The DPI of the monitor the control's form is on.
    const Dpi& WindowDpi() const;
    // The form moved to a monitor of another DPI: the window takes its place,
    // font and pictures anew from the model's twips and points.
    virtual void ApplyDpi();

protected:
    ControlPeer(Control& control, Win32Backend& backend);
    // Creates the child window in the control's container (or on the form),
    // at the control's place and at its place among its siblings.
    void Create(const wchar_t* className, DWORD style, DWORD exStyle);
    FormWindow* Owner() const;
    // The window the control's window lies in: its container's or the form's.
    HWND ParentWindow() const;
    RECT BoundsPixels() const;
    // The window's rectangle in its parent; the control's bounds unless the
    // window is larger than what the control shows (a drop-down list).
    virtual RECT WindowBounds() const { return BoundsPixels(); }
    // Repaints the control and what its parent shows behind it.
    void InvalidateWithParent();
    // Messages of the subclassed window; set handled to skip the window's own
    // handling. The peer may be gone after a Raise... call: return at once.
    virtual LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    // Stops what the window sends from reaching this peer (before a derived
    // peer takes down what its window uses).
    void Detach();
    // The control's own colours for its WM_CTLCOLOR...: sets up dc with its
    // text colour and opaque background and returns a brush of its
    // background colour, kept until ForgetBrush (after a colour change).
    HBRUSH OwnColors(HDC dc);
    HBRUSH BackgroundBrush();
    void ForgetBrush();
    // False once the peer is gone: keep a copy across a Raise... call whose
    // handler may unload the form, and look before touching the peer again.
    std::shared_ptr<const bool> Alive() const { return alive_; }

    Control& control_;
    Win32Backend& backend_;
    HWND hwnd_ = nullptr;

private:
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    HBRUSH background_ = nullptr;
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam,
                                         LPARAM lParam, UINT_PTR id, DWORD_PTR data);
    // Places the new window behind the sibling in front of it in the model.
    void TakeStackPosition();
    // Whether the window starts a group for the arrow keys (WS_GROUP).
    bool StartsGroup() const;
    // The focus left the window (or a window inside it) because it was
    // hidden or disabled: it goes on to the next tab stop of the form.
    void MoveFocusOn();
};

// Hands a message that a control sent to its parent window (WM_COMMAND from
// a control, WM_NOTIFY, WM_CTLCOLOR..., WM_VSCROLL/WM_HSCROLL from a scroll
// bar control, owner drawing) to the peer of the control that sent it. The
// form window, the picture boxes and the frames all route through here.
// True when a peer answered; result then holds the answer.
bool RouteToControl(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// The buttons, Shift, Ctrl and Alt and the place in twips of a mouse
// message (WM_MOUSEMOVE, ...), as the forms' and controls' mouse events
// report them.
MouseState MouseStateOf(WPARAM wParam, LPARAM lParam, const Dpi& dpi);

// Marks hwnd, a helper window made by peer's control (a tooltip window),
// as sending for peer; null removes the mark.
void SetSenderPeer(HWND hwnd, ControlPeer* peer);

void RegisterPictureBoxClass(HINSTANCE instance);

}  // namespace forms::win32

// Frames: BUTTON windows of the group box kind that hold other controls.
// The frame fills its inside with its background colour (the group box
// itself draws only its edge and caption), passes on what the controls in
// it send, and lets Tab and the access keys into it (WS_EX_CONTROLPARENT).
#include "forms/win32/backend.h"
#include "forms/win32/control_peer.h"

namespace forms::win32 {

namespace {

class FramePeer : public ControlPeer {
public:
    FramePeer(Frame& frame, Win32Backend& backend) : ControlPeer(frame, backend) {
        Create(L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
    }
    ~FramePeer() override {
        Detach();
    }

    void Update(Property property) override {
        if (!hwnd_) return;
        switch (property) {
        case Property::ForeColor:
        case Property::BackColor:
            ForgetBrush();
            RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            break;
        default:
            ControlPeer::Update(property);
            break;
        }
    }

    // The caption's colours; its background is the frame's.
    HBRUSH CtlColor(HDC dc) override { return OwnColors(dc); }

    HBRUSH InsideBrush() override { return BackgroundBrush(); }

protected:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override {
        LRESULT result = 0;
        if (RouteToControl(hwnd_, message, wParam, lParam, result)) {
            handled = true;
            return result;
        }
        if (message == WM_ERASEBKGND || message == WM_PRINTCLIENT) {
            // Its own inside, or what a see-through child in it asks for;
            // printed, the group box then draws its edge and caption over it.
            RECT area;
            if (GetClipBox(reinterpret_cast<HDC>(wParam), &area) != ERROR)
                FillRect(reinterpret_cast<HDC>(wParam), &area, InsideBrush());
            if (message == WM_ERASEBKGND) {
                handled = true;
                return 1;
            }
        }
        return ControlPeer::Message(message, wParam, lParam, handled);
    }
};

}  // namespace

}  // namespace forms::win32

std::unique_ptr<forms::Peer> forms::MakePeer(Backend& backend, Frame& frame) {
    return win32::NewPeer<win32::FramePeer>(backend, frame);
}

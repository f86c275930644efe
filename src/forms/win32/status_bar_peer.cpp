// Status bars: msctls_statusbar32 windows placed where the model says, with
// one part that shows the Caption (what WM_GETTEXT reads, also from
// another process).
#include "forms/win32/backend.h"
#include "forms/win32/control_peer.h"
#include "forms/win32/status_bar.h"
#include "forms/win32/text.h"

namespace forms::win32 {

namespace {

class StatusBarPeer : public ControlPeer {
public:
    StatusBarPeer(StatusBar& bar, Win32Backend& backend) : ControlPeer(bar, backend), bar_(bar) {
        Create(STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE, 0);
        if (!hwnd_) return;
        int right = -1;  // the one part reaches the right edge
        View().SetParts(1, &right);
        ApplyText();
    }

    void Update(Property property) override {
        if (!hwnd_) return;
        if (property == Property::Caption)
            ApplyText();
        else
            ControlPeer::Update(property);
    }

private:
    native::StatusBar View() const { return native::StatusBar(hwnd_); }

    void ApplyText() { View().SetText(Widen(bar_.Caption()).c_str()); }

    StatusBar& bar_;
};

}  // namespace

}  // namespace forms::win32

std::unique_ptr<forms::Peer> forms::MakePeer(Backend& backend, StatusBar& bar) {
    return win32::NewPeer<win32::StatusBarPeer>(backend, bar);
}

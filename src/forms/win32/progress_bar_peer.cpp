// Progress bars: msctls_progress32 windows with the model's range and value.
#include "forms/win32/backend.h"
#include "forms/win32/control_peer.h"

namespace forms::win32 {

namespace {

class ProgressBarPeer : public ControlPeer {
public:
    ProgressBarPeer(ProgressBar& bar, Win32Backend& backend) : ControlPeer(bar, backend), bar_(bar) {
        Create(PROGRESS_CLASSW, 0, 0);
        ApplyValue();
    }

    void Update(Property property) override {
        if (!hwnd_) return;
        if (property == Property::Value)
            ApplyValue();
        else
            ControlPeer::Update(property);
    }

private:
    void ApplyValue() {
        if (!hwnd_) return;
        SendMessageW(hwnd_, PBM_SETRANGE32, static_cast<WPARAM>(bar_.Min()),
                     static_cast<LPARAM>(bar_.Max()));
        SendMessageW(hwnd_, PBM_SETPOS, static_cast<WPARAM>(bar_.Value()), 0);
    }

    ProgressBar& bar_;
};

}  // namespace

}  // namespace forms::win32

std::unique_ptr<forms::Peer> forms::MakePeer(Backend& backend, ProgressBar& bar) {
    return win32::NewPeer<win32::ProgressBarPeer>(backend, bar);
}

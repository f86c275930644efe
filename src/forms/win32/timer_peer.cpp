// Timers: SetTimer on the form's window, which passes WM_TIMER on.
#include "forms/form.h"
#include "forms/win32/backend.h"
#include "forms/win32/control_peer.h"
#include "forms/win32/form_window.h"

namespace forms::win32 {

namespace {

class TimerPeer : public Peer {
public:
    explicit TimerPeer(Timer& timer) : timer_(timer) {
        if (FormWindow* owner = Owner()) {
            id_ = static_cast<UINT_PTR>(owner->NextControlId());
            owner->AddTimer(id_, &timer_);
        }
        Apply();
    }
    ~TimerPeer() override {
        if (FormWindow* owner = Owner()) {
            KillTimer(owner->Handle(), id_);
            owner->RemoveTimer(id_);
        }
    }

    void Update(Property property) override {
        if (property == Property::Interval || property == Property::Enabled) Apply();
    }
    void SetFocus() override {}
    void PaintPicture(const Picture&, Twips, Twips) override {}
    void Cls() override {}
    void Refresh() override {}
    std::uintptr_t NativeHandle() const override { return 0; }

private:
    FormWindow* Owner() const {
        return FormWindow::FromHandle(reinterpret_cast<HWND>(timer_.Parent().NativeHandle()));
    }
    // Starts the timer afresh with its interval, or stops it.
    void Apply() {
        FormWindow* owner = Owner();
        if (!owner || id_ == 0) return;
        if (timer_.TimerEnabled() && timer_.Interval() > 0)
            SetTimer(owner->Handle(), id_, static_cast<UINT>(timer_.Interval()), nullptr);
        else
            KillTimer(owner->Handle(), id_);
    }

    Timer& timer_;
    UINT_PTR id_ = 0;
};

}  // namespace

}  // namespace forms::win32

namespace forms {

std::unique_ptr<Peer> MakePeer(Backend&, Timer& timer) {
    return std::make_unique<win32::TimerPeer>(timer);
}

}  // namespace forms

// Option buttons: BUTTON windows of the plain radio button kind, so that
// the model decides which one is checked. A click (or Space, or the access
// key) selects the option through the model, which clears the others of
// its container. The option buttons of a container are one group: Tab
// reaches it at its selected option, the arrow keys move within it.
#include "forms/win32/backend.h"
#include "forms/win32/control_peer.h"
#include "forms/win32/form_window.h"

namespace forms::win32 {

namespace {

class OptionButtonPeer : public ControlPeer {
public:
    OptionButtonPeer(OptionButton& option, Win32Backend& backend)
        : ControlPeer(option, backend), option_(option) {
        Create(L"BUTTON", BS_RADIOBUTTON, 0);
        ApplyValue();
    }
    ~OptionButtonPeer() override {
        Detach();
    }

    void Update(Property property) override {
        if (!hwnd_) return;
        switch (property) {
        case Property::Value:
            ApplyValue();
            break;
        case Property::ForeColor:
        case Property::BackColor:
            ForgetBrush();
            InvalidateRect(hwnd_, nullptr, TRUE);
            break;
        default:
            ControlPeer::Update(property);
            break;
        }
    }

    HBRUSH CtlColor(HDC dc) override { return OwnColors(dc); }

    void Command(int code) override {
        // A radio button that gets the focus while unchecked reports a
        // click of its own; only the user's clicks select.
        if (code == BN_CLICKED && !focusing_) option_.RaiseClick();
    }

protected:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override {
        if (message != WM_SETFOCUS) return ControlPeer::Message(message, wParam, lParam, handled);
        handled = true;
        focusing_ = true;
        const LRESULT result = DefSubclassProc(hwnd_, message, wParam, lParam);
        focusing_ = false;
        if (FormWindow* owner = Owner()) owner->ControlFocused(hwnd_);
        control_.RaiseGotFocus();
        return result;
    }

private:
    void ApplyValue() {
        SendMessageW(hwnd_, BM_SETCHECK, option_.Value() ? BST_CHECKED : BST_UNCHECKED, 0);
        ApplyTabStops();
    }

    // Checking a radio button makes it a tab stop and unchecking takes that
    // away; the model says which option of the container stands for it.
    void ApplyTabStops() {
        for (const Control* other : control_.Parent().Controls()) {
            if (other->Kind() != ControlKind::OptionButton || other->Container() != control_.Container())
                continue;
            HWND window = other == &control_ ? hwnd_ : reinterpret_cast<HWND>(other->NativeHandle());
            if (!window) continue;
            const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
            const LONG_PTR wanted =
                other->StopsTab() ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP);
            if (wanted != style) SetWindowLongPtrW(window, GWL_STYLE, wanted);
        }
    }

    OptionButton& option_;
    bool focusing_ = false;
};

}  // namespace

}  // namespace forms::win32

std::unique_ptr<forms::Peer> forms::MakePeer(Backend& backend, OptionButton& option) {
    return win32::NewPeer<win32::OptionButtonPeer>(backend, option);
}

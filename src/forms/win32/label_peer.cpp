// Labels: STATIC windows. A transparent label paints its background with
// what lies behind it: the drawing surface of the form or picture box it
// is in (so that a tiled background shows behind its text), or the inside
// of its frame.
#include "forms/win32/backend.h"
#include "forms/win32/control_peer.h"
#include "forms/win32/form_window.h"

namespace forms::win32 {

namespace {

class LabelPeer : public ControlPeer {
public:
    LabelPeer(Label& label, Win32Backend& backend) : ControlPeer(label, backend), label_(label) {
        Create(L"STATIC", WrapStyle() | SS_NOTIFY, 0);
    }
    void Update(Property property) override {
        if (!hwnd_) return;
        switch (property) {
        case Property::Caption:
        case Property::Bounds:
        case Property::Alignment:
            ApplyWrapStyle();
            ControlPeer::Update(property);
            InvalidateWithParent();
            break;
        case Property::ForeColor:
        case Property::BackColor:
            ForgetBrush();
            InvalidateWithParent();
            break;
        default:
            ControlPeer::Update(property);
            break;
        }
    }

    HBRUSH CtlColor(HDC dc) override {
        SetTextColor(dc, label_.ForeColor());
        if (label_.Transparent()) {
            HWND parent = GetParent(hwnd_);
            HBRUSH behind = nullptr;
            if (ControlPeer* container = ControlPeer::FromHandle(parent))
                behind = container->InsideBrush();
            else if (FormWindow* form = FormWindow::FromHandle(parent))
                behind = form->GetSurface().Brush();
            if (behind) {
                SetBkMode(dc, TRANSPARENT);
                // The brush starts at the parent's client origin; the label's
                // own coordinates start at its top-left corner.
                POINT origin{0, 0};
                MapWindowPoints(hwnd_, parent, &origin, 1);
                SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
                return behind;
            }
        }
        return OwnColors(dc);
    }

    void Command(int code) override {
        if (code == STN_CLICKED) label_.RaiseClick();
    }

private:
    // The text's alignment and wrapping. A label sized to its text must not
    // break it when the measured size is a pixel short: left aligned it
    // does not wrap at all, centred or right aligned it keeps a single line
    // in its own box (SS_CENTERIMAGE) unless its text has line breaks.
    // Every other label breaks at words.
    DWORD WrapStyle() const {
        const bool fitted = label_.AutoSize() && !label_.WordWrap();
        switch (label_.Alignment()) {
        case Alignment::Center:
        case Alignment::Right: {
            const DWORD type = label_.Alignment() == Alignment::Center ? SS_CENTER : SS_RIGHT;
            const bool oneLine = label_.Caption().find('\n') == std::string::npos;
            return fitted && oneLine ? type | SS_CENTERIMAGE : type;
        }
        case Alignment::Left:
        default:
            return fitted ? SS_LEFTNOWORDWRAP : SS_LEFT;
        }
    }
    void ApplyWrapStyle() {
        constexpr LONG_PTR kAlignment = SS_TYPEMASK | SS_CENTERIMAGE;
        const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
        const LONG_PTR wanted = (style & ~kAlignment) | WrapStyle();
        if (wanted != style) SetWindowLongPtrW(hwnd_, GWL_STYLE, wanted);
    }

    Label& label_;
};

}  // namespace

}  // namespace forms::win32

std::unique_ptr<forms::Peer> forms::MakePeer(Backend& backend, Label& label) {
    return win32::NewPeer<win32::LabelPeer>(backend, label);
}

// Labels: STATIC windows. A transparent label paints its background with
// the form's drawing surface, so that the tiled background shows behind
// its text.
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
    ~LabelPeer() override {
        if (brush_) DeleteObject(brush_);
    }

    void Update(Property property) override {
        if (!hwnd_) return;
        switch (property) {
        case Property::Caption:
        case Property::Bounds:
            ApplyWrapStyle();
            ControlPeer::Update(property);
            InvalidateWithParent();
            break;
        case Property::ForeColor:
        case Property::BackColor:
            if (brush_) DeleteObject(brush_);
            brush_ = nullptr;
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
            if (FormWindow* owner = Owner()) {
                SetBkMode(dc, TRANSPARENT);
                // The surface starts at the form's client origin; the label's
                // own coordinates start at its top-left corner.
                POINT origin{0, 0};
                MapWindowPoints(hwnd_, owner->Handle(), &origin, 1);
                SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
                return owner->GetSurface().Brush();
            }
        }
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, label_.BackColor());
        if (!brush_) brush_ = CreateSolidBrush(label_.BackColor());
        return brush_;
    }

    void Command(int code) override {
        if (code == STN_CLICKED) label_.RaiseClick();
    }

private:
    // A label sized to its text in one line must not break it when the
    // measured size is a pixel short; every other label breaks at words.
    DWORD WrapStyle() const {
        return label_.AutoSize() && !label_.WordWrap() ? SS_LEFTNOWORDWRAP : SS_LEFT;
    }
    void ApplyWrapStyle() {
        const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
        const LONG_PTR wanted = (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | WrapStyle();
        if (wanted != style) SetWindowLongPtrW(hwnd_, GWL_STYLE, wanted);
    }

    Label& label_;
    HBRUSH brush_ = nullptr;
};

}  // namespace

std::unique_ptr<Peer> MakeLabelPeer(Label& label, Win32Backend& backend) {
    return std::make_unique<LabelPeer>(label, backend);
}

}  // namespace forms::win32

// Scroll bars: vertical SCROLLBAR windows. The window shows the model's
// range and value; what the user does with it (arrows, track, thumb, the
// arrow keys while it has the focus) reaches the model, which clamps it,
// and the window is then set back to the model's value.
#include <algorithm>

#include "forms/win32/backend.h"
#include "forms/win32/control_peer.h"

namespace forms::win32 {

namespace {

class ScrollBarPeer : public ControlPeer {
public:
    ScrollBarPeer(ScrollBar& bar, Win32Backend& backend) : ControlPeer(bar, backend), bar_(bar) {
        Create(L"SCROLLBAR", SBS_VERT | (bar.TabStop() ? WS_TABSTOP : 0), 0);
        Apply();
    }

    void Update(Property property) override {
        if (!hwnd_) return;
        if (property == Property::Value)
            Apply();
        else
            ControlPeer::Update(property);
    }

    void Scroll(int code, int position) override {
        const auto alive = Alive();
        switch (code) {
        case SB_LINEUP: bar_.RaiseScroll(ScrollBar::Scroll::LineUp); break;
        case SB_LINEDOWN: bar_.RaiseScroll(ScrollBar::Scroll::LineDown); break;
        case SB_PAGEUP: bar_.RaiseScroll(ScrollBar::Scroll::PageUp); break;
        case SB_PAGEDOWN: bar_.RaiseScroll(ScrollBar::Scroll::PageDown); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: bar_.RaiseThumbMoved(ModelValue(TrackPosition(position))); break;
        case SB_TOP: bar_.RaiseThumbMoved(bar_.Min()); break;
        case SB_BOTTOM: bar_.RaiseThumbMoved(bar_.Max()); break;
        default: return;  // SB_ENDSCROLL
        }
        // Where the model did not move (at an end), the window must not either.
        if (*alive) Apply();
    }

private:
    // The window counts from its top; the model's Min is at the top, also
    // when it is the larger end.
    int NativeValue(int value) const {
        return bar_.Min() <= bar_.Max() ? value : bar_.Min() + bar_.Max() - value;
    }
    int ModelValue(int position) const { return NativeValue(position); }

    // The thumb's position: the message carries 16 bits of it, the window
    // all 32 while the user drags.
    int TrackPosition(int position) const {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        if (GetScrollInfo(hwnd_, SB_CTL, &info) &&
            static_cast<short>(info.nTrackPos) == static_cast<short>(position))
            return info.nTrackPos;
        return position;
    }

    void Apply() {
        if (!hwnd_) return;
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
        info.nMin = std::min(bar_.Min(), bar_.Max());
        info.nMax = std::max(bar_.Min(), bar_.Max());
        info.nPage = 0;
        info.nPos = NativeValue(bar_.Value());
        SetScrollInfo(hwnd_, SB_CTL, &info, TRUE);
    }

    ScrollBar& bar_;
};

}  // namespace

}  // namespace forms::win32

std::unique_ptr<forms::Peer> forms::MakePeer(Backend& backend, ScrollBar& bar) {
    return win32::NewPeer<win32::ScrollBarPeer>(backend, bar);
}

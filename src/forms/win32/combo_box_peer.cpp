// Combo boxes: COMBOBOX windows of the drop-down list kind. The closed box
// has the model's height; the window reaches further down by the list that
// drops from it.
#include <algorithm>

#include "forms/win32/backend.h"
#include "forms/win32/combo_box.h"
#include "forms/win32/control_peer.h"
#include "forms/win32/text.h"

namespace forms::win32 {

namespace {

// Entries the dropped list shows without scrolling.
constexpr int kVisibleEntries = 8;

class ComboBoxPeer : public ControlPeer {
public:
    ComboBoxPeer(ComboBox& box, Win32Backend& backend) : ControlPeer(box, backend), box_(box) {
        Create(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | (box.TabStop() ? WS_TABSTOP : 0), 0);
        if (!hwnd_) return;
        for (int index = 0; index < box.ListCount(); ++index)
            View().AddString(Widen(box.List(index)).c_str());
        View().SetCurSel(box.ListIndex());
        Fit();
    }

    void Update(Property property) override {
        if (!hwnd_) return;
        switch (property) {
        case Property::Caption:  // a drop-down list shows its entry, not a caption
            break;
        case Property::Bounds:
        case Property::Font:
            ControlPeer::Update(property);
            Fit();
            break;
        default:
            ControlPeer::Update(property);
            break;
        }
    }

    void UpdateItem(ItemChange change, int index) override {
        if (!hwnd_) return;
        switch (change) {
        case ItemChange::Cleared:
            View().ResetContent();
            break;
        case ItemChange::Added:
            View().InsertString(index - 1, Widen(box_.List(index - 1)).c_str());
            break;
        case ItemChange::Text:
        case ItemChange::Expanded:
            break;
        case ItemChange::Selected:
            View().SetCurSel(index - 1);
            break;
        }
    }

    void Command(int code) override {
        if (code == CBN_SELCHANGE) box_.RaiseSelectedByUser(View().CurSel());
    }

protected:
    RECT WindowBounds() const override {
        RECT bounds = BoundsPixels();
        bounds.bottom += dropPixels_;
        return bounds;
    }

private:
    native::ComboBox View() const { return native::ComboBox(hwnd_); }

    // Makes the closed box as high as the model's control and gives the
    // list room for its entries below it.
    void Fit() {
        const RECT bounds = BoundsPixels();
        const int wanted = bounds.bottom - bounds.top;
        // The selection field's height sets the closed box's. Wine counts
        // two pixels more into the field than it was given, so the closed
        // height is measured after each try and the field corrected by it.
        int field = View().ItemHeight(-1);
        for (int attempt = 0; attempt < 3 && wanted > 0; ++attempt) {
            const int closed = ClosedHeight();
            if (closed == wanted || field + wanted - closed < 1) break;
            field += wanted - closed;
            View().SetItemHeight(-1, field);
        }
        const int entry = View().ItemHeight(0);
        const int drop = kVisibleEntries * std::max(entry, 1) + 2;
        if (drop != dropPixels_) {
            dropPixels_ = drop;
            const RECT full = WindowBounds();
            SetWindowPos(hwnd_, nullptr, 0, 0, full.right - full.left, full.bottom - full.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }

    int ClosedHeight() const {
        RECT window;
        GetWindowRect(hwnd_, &window);
        return window.bottom - window.top;
    }

    ComboBox& box_;
    int dropPixels_ = 0;
};

}  // namespace

}  // namespace forms::win32

std::unique_ptr<forms::Peer> forms::MakePeer(Backend& backend, ComboBox& box) {
    return win32::NewPeer<win32::ComboBoxPeer>(backend, box);
}

// Tab strips: SysTabControl32 windows with the model's tabs. The program's
// choice of tab is mirrored without a notification; the user's reaches the
// model through TCN_SELCHANGE.
#include "forms/win32/backend.h"
#include "forms/win32/control_peer.h"
#include "forms/win32/tab_control.h"
#include "forms/win32/text.h"

namespace forms::win32 {

namespace {

class TabStripPeer : public ControlPeer {
public:
    TabStripPeer(TabStrip& strip, Win32Backend& backend) : ControlPeer(strip, backend), strip_(strip) {
        Create(WC_TABCONTROLW, strip.TabStop() ? WS_TABSTOP : 0, 0);
        if (!hwnd_) return;
        for (int index = 1; index <= strip.TabCount(); ++index) Insert(index);
        ApplySelection();
    }

    void Update(Property property) override {
        if (!hwnd_ || property == Property::Caption) return;  // the tabs have the captions
        ControlPeer::Update(property);
    }

    void UpdateItem(ItemChange change, int index) override {
        if (!hwnd_) return;
        switch (change) {
        case ItemChange::Cleared:
            View().DeleteAllItems();
            break;
        case ItemChange::Added:
            Insert(index);
            ApplySelection();
            break;
        case ItemChange::Text: {
            const std::wstring text = Widen(strip_.Tab(index));
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<wchar_t*>(text.c_str());
            View().SetItem(index - 1, item);
            break;
        }
        case ItemChange::Selected:
            ApplySelection();
            break;
        case ItemChange::Expanded:
            break;
        }
    }

    bool Notify(NMHDR& header, LRESULT& result) override {
        if (header.hwndFrom != hwnd_ || header.code != TCN_SELCHANGE) return false;
        strip_.RaiseTabChosenByUser(View().CurSel() + 1);
        result = 0;
        return true;
    }

private:
    native::TabControl View() const { return native::TabControl(hwnd_); }

    void Insert(int index) {
        const std::wstring text = Widen(strip_.Tab(index));
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(text.c_str());
        View().InsertItem(index - 1, item);
    }

    void ApplySelection() {
        if (strip_.SelectedIndex() <= strip_.TabCount())
            View().SetCurSel(strip_.SelectedIndex() - 1);
    }

    TabStrip& strip_;
};

}  // namespace

}  // namespace forms::win32

std::unique_ptr<forms::Peer> forms::MakePeer(Backend& backend, TabStrip& strip) {
    return win32::NewPeer<win32::TabStripPeer>(backend, strip);
}

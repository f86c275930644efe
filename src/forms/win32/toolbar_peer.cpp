// Toolbars: flat ToolbarWindow32 windows placed where the model says (not
// along the parent's edge), with a copy of the model's image list and one
// button per ToolbarButton. Each button sends its own command id; its
// tooltip text comes from the model when the toolbar asks for it.
#include <vector>

#include "forms/win32/backend.h"
#include "forms/win32/control_peer.h"
#include "forms/win32/image_lists.h"
#include "forms/win32/text.h"
#include "forms/win32/toolbar.h"

namespace forms::win32 {

namespace {

// The command id of the first button; the others follow. Far from IDOK and
// IDCANCEL, which the dialog keys send naming the focused window.
constexpr int kFirstCommand = 1000;

class ToolbarPeer : public ControlPeer {
public:
    ToolbarPeer(Toolbar& toolbar, Win32Backend& backend)
        : ControlPeer(toolbar, backend), toolbar_(toolbar) {
        Create(TOOLBARCLASSNAMEW,
               TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER,
               0);
        if (!hwnd_) return;
        View().SetButtonStructSize();
        ApplyImages();
        std::vector<TBBUTTON> buttons;
        const auto& model = toolbar.Buttons();
        for (std::size_t i = 0; i < model.size(); ++i) {
            TBBUTTON button{};
            button.iBitmap = model[i].image > 0 ? model[i].image - 1 : I_IMAGENONE;
            button.idCommand = kFirstCommand + static_cast<int>(i);
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON;
            button.iString = -1;
            buttons.push_back(button);
        }
        if (!buttons.empty()) View().AddButtons(buttons.data(), buttons.size());
        tips_ = View().ToolTips();
        SetSenderPeer(tips_, this);
    }
    ~ToolbarPeer() override {
        Detach();
        // Without its window the tooltip window went too.
        if (hwnd_) {
            SetSenderPeer(tips_, nullptr);
            View().SetImageList(nullptr);
        }
        if (images_) ImageList_Destroy(images_);
    }

    // The pictures anew at the new DPI; the buttons grow or shrink with them.
    void ApplyDpi() override {
        ControlPeer::ApplyDpi();
        HIMAGELIST old = images_;
        images_ = nullptr;
        ApplyImages();
        if (old) ImageList_Destroy(old);
        View().AutoSize();
    }

    bool HandleCommand(int id, int code) override {
        (void)code;
        const int index = id - kFirstCommand + 1;
        if (index < 1 || index > static_cast<int>(toolbar_.Buttons().size())) return false;
        toolbar_.RaiseButtonClick(index);
        return true;
    }

    bool Notify(NMHDR& header, LRESULT& result) override {
        if (header.code == TBN_GETINFOTIPW && header.hwndFrom == hwnd_) {
            auto& tip = *reinterpret_cast<NMTBGETINFOTIPW*>(&header);
            const std::wstring text = TipText(tip.iItem);
            if (tip.pszText && tip.cchTextMax > 0) lstrcpynW(tip.pszText, text.c_str(), tip.cchTextMax);
            result = 0;
            return true;
        }
        if (header.code == TTN_GETDISPINFOW && header.hwndFrom == tips_) {
            auto& info = *reinterpret_cast<NMTTDISPINFOW*>(&header);
            // Kept until the next question: the tooltip reads it afterwards.
            tipText_ = TipText(static_cast<int>(header.idFrom));
            info.lpszText = tipText_.data();
            info.hinst = nullptr;
            result = 0;
            return true;
        }
        return false;
    }

private:
    native::Toolbar View() const { return native::Toolbar(hwnd_); }

    // The image list at the window's DPI: the pictures at their 96-DPI size
    // times the scale, and the buttons sized for them.
    void ApplyImages() {
        const ImageList* images = toolbar_.Images();
        if (!images) return;
        const Dpi& dpi = WindowDpi();
        images_ = MakeImageList(*images, GetSysColor(COLOR_BTNFACE), dpi);
        View().SetBitmapSize(dpi.ScaleX(images->ImageWidth()), dpi.ScaleY(images->ImageHeight()));
        View().SetImageList(images_);
    }

    std::wstring TipText(int command) const {
        const int index = command - kFirstCommand;
        const auto& buttons = toolbar_.Buttons();
        if (index < 0 || index >= static_cast<int>(buttons.size())) return {};
        return Widen(buttons[static_cast<std::size_t>(index)].toolTipText);
    }

    Toolbar& toolbar_;
    HIMAGELIST images_ = nullptr;
    HWND tips_ = nullptr;
    std::wstring tipText_;
};

}  // namespace

}  // namespace forms::win32

std::unique_ptr<forms::Peer> forms::MakePeer(Backend& backend, Toolbar& toolbar) {
    return win32::NewPeer<win32::ToolbarPeer>(backend, toolbar);
}

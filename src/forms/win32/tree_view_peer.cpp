// Tree views: SysTreeView32 windows whose items mirror the model's nodes
// (item lParam = node index). The user's selection and expansion reach the
// model without events; a click raises Click once the click has selected
// its node, and typed characters raise KeyPress (Enter included, which the
// dialog keys would otherwise take for the default button).
#include <vector>

#include "forms/win32/backend.h"
#include "forms/win32/control_peer.h"
#include "forms/win32/image_lists.h"
#include "forms/win32/text.h"
#include "forms/win32/tree_view.h"

namespace forms::win32 {

namespace {

// Posted to the tree on NM_CLICK: the tree reports the click before the
// click's selection settles, so Click is raised when this arrives.
constexpr UINT kClickedMessage = WM_APP + 20;

class TreeViewPeer : public ControlPeer {
public:
    TreeViewPeer(TreeView& tree, Win32Backend& backend) : ControlPeer(tree, backend), tree_(tree) {
        Create(WC_TREEVIEWW,
               (tree.ShowLines() ? TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT
                                 : TVS_FULLROWSELECT) |
                   TVS_SHOWSELALWAYS | (tree.TabStop() ? WS_TABSTOP : 0),
               WS_EX_CLIENTEDGE);
        if (!hwnd_) return;
        ApplyColours();
        ApplyImages();
        quiet_ = true;
        for (int index = 1; index <= tree.NodeCount(); ++index) Insert(index);
        for (int index = 1; index <= tree.NodeCount(); ++index)
            if (tree.Node(index).expanded) Expand(index, true);
        if (tree.SelectedIndex() != 0) Select(tree.SelectedIndex());
        quiet_ = false;
    }
    // The pictures anew at the new DPI; the rows grow or shrink with them.
    void ApplyDpi() override {
        ControlPeer::ApplyDpi();
        HIMAGELIST old = images_;
        images_ = nullptr;
        ApplyImages();
        if (old) ImageList_Destroy(old);
    }

    ~TreeViewPeer() override {
        Detach();
        if (hwnd_) View().SetImageList(nullptr);
        if (images_) ImageList_Destroy(images_);
    }

    void Update(Property property) override {
        if (!hwnd_) return;
        if (property == Property::ForeColor || property == Property::BackColor)
            ApplyColours();
        else
            ControlPeer::Update(property);
    }

    void UpdateItem(ItemChange change, int index) override {
        if (!hwnd_) return;
        // What the program does to the tree is no news for the model.
        quiet_ = true;
        switch (change) {
        case ItemChange::Cleared:
            View().DeleteAllItems();
            items_.clear();
            break;
        case ItemChange::Added: {
            Insert(index);
            // A node marked expanded before it had children opens now.
            const int parent = tree_.Node(index).parent;
            if (parent != 0 && tree_.Node(parent).expanded) Expand(parent, true);
            break;
        }
        case ItemChange::Text: {
            const std::wstring text = Widen(tree_.Node(index).text);
            TVITEMW item{};
            item.mask = TVIF_HANDLE | TVIF_TEXT;
            item.hItem = Item(index);
            item.pszText = const_cast<wchar_t*>(text.c_str());
            View().SetItem(item);
            break;
        }
        case ItemChange::Expanded:
            Expand(index, tree_.Node(index).expanded);
            break;
        case ItemChange::Selected:
            Select(index);
            break;
        }
        quiet_ = false;
    }

    bool Notify(NMHDR& header, LRESULT& result) override {
        if (header.hwndFrom != hwnd_) return false;
        switch (header.code) {
        case TVN_SELCHANGEDW: {
            const auto* change = reinterpret_cast<const NMTREEVIEWW*>(&header);
            if (!quiet_) tree_.UpdateSelectionFromUser(IndexOf(change->itemNew.hItem));
            result = 0;
            return true;
        }
        case TVN_ITEMEXPANDEDW: {
            const auto* change = reinterpret_cast<const NMTREEVIEWW*>(&header);
            if (!quiet_)
                tree_.UpdateExpandedFromUser(IndexOf(change->itemNew.hItem),
                                             (change->action & TVE_EXPAND) != 0);
            result = 0;
            return true;
        }
        case NM_CLICK:
            PostMessageW(hwnd_, kClickedMessage, 0, 0);
            result = 0;  // the tree goes on with the click
            return true;
        case NM_DBLCLK:
            // The first click of the two chose the node already.
            tree_.RaiseDblClick();
            result = 0;
            return true;
        default:
            return false;
        }
    }

protected:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override {
        switch (message) {
        case kClickedMessage:
            handled = true;
            tree_.RaiseClick();
            return 0;
        case WM_GETDLGCODE: {
            // Enter goes to the tree, as a character, not to the default button.
            handled = true;
            LRESULT code = DefSubclassProc(hwnd_, message, wParam, lParam);
            const auto* typed = reinterpret_cast<const MSG*>(lParam);
            if (typed && typed->message == WM_KEYDOWN && typed->wParam == VK_RETURN)
                code |= DLGC_WANTMESSAGE;
            return code;
        }
        case WM_CHAR: {
            handled = true;
            const auto alive = Alive();
            const int key = tree_.RaiseKeyPress(static_cast<int>(wParam));
            if (!*alive || key == 0) return 0;
            return DefSubclassProc(hwnd_, message, static_cast<WPARAM>(key), lParam);
        }
        default:
            return ControlPeer::Message(message, wParam, lParam, handled);
        }
    }

private:
    native::TreeView View() const { return native::TreeView(hwnd_); }

    void ApplyImages() {
        if (const ImageList* images = tree_.Images()) {
            images_ = MakeImageList(*images, tree_.BackColor(), WindowDpi());
            View().SetImageList(images_);
        }
    }

    HTREEITEM Item(int index) const {
        return index >= 1 && index <= static_cast<int>(items_.size())
                   ? items_[static_cast<std::size_t>(index - 1)]
                   : nullptr;
    }

    int IndexOf(HTREEITEM item) const {
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (items_[i] == item) return static_cast<int>(i) + 1;
        return 0;
    }

    void Insert(int index) {
        const TreeNode& node = tree_.Node(index);
        const std::wstring text = Widen(node.text);
        TVINSERTSTRUCTW insert{};
        insert.hParent = node.parent != 0 ? Item(node.parent) : TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        insert.item.pszText = const_cast<wchar_t*>(text.c_str());
        insert.item.lParam = index;
        // Image positions count from 1 in the model, from 0 in the list.
        insert.item.iImage = node.image > 0 ? node.image - 1 : I_IMAGENONE;
        insert.item.iSelectedImage =
            node.selectedImage > 0 ? node.selectedImage - 1 : insert.item.iImage;
        HTREEITEM item = View().InsertItem(insert);
        items_.resize(static_cast<std::size_t>(index), nullptr);
        items_[static_cast<std::size_t>(index - 1)] = item;
    }

    void Expand(int index, bool expanded) {
        if (HTREEITEM item = Item(index)) View().Expand(item, expanded ? TVE_EXPAND : TVE_COLLAPSE);
    }

    void Select(int index) {
        View().Select(Item(index));
    }

    void ApplyColours() {
        View().SetBkColor(tree_.BackColor());
        View().SetTextColor(tree_.ForeColor());
    }

    TreeView& tree_;
    HIMAGELIST images_ = nullptr;
    std::vector<HTREEITEM> items_;  // item of node index + 1
    bool quiet_ = false;
};

}  // namespace

}  // namespace forms::win32

std::unique_ptr<forms::Peer> forms::MakePeer(Backend& backend, TreeView& tree) {
    return win32::NewPeer<win32::TreeViewPeer>(backend, tree);
}

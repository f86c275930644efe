// SysTreeView32 windows (see window.h).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "forms/win32/window.h"

namespace forms::win32::native {

class TreeView : public Window {
public:
    using Window::Window;

    HTREEITEM InsertItem(const TVINSERTSTRUCTW& insert) {
        return reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMW, 0, Pointer(&insert)));
    }
    // TVI_ROOT deletes every item.
    bool DeleteItem(HTREEITEM item) { return Send(TVM_DELETEITEM, 0, Pointer(item)) != FALSE; }
    bool DeleteAllItems() { return DeleteItem(TVI_ROOT); }
    // Fills the members of item that its mask names, for item.hItem.
    bool GetItem(TVITEMW& item) const { return Send(TVM_GETITEMW, 0, Pointer(&item)) != FALSE; }
    bool SetItem(const TVITEMW& item) { return Send(TVM_SETITEMW, 0, Pointer(&item)) != FALSE; }
    // The item's lParam (0 for none).
    LPARAM Param(HTREEITEM item) const;

    // TVM_GETNEXTITEM: the item related to item as how says (TVGN_ROOT,
    // TVGN_CHILD, TVGN_NEXT, TVGN_NEXTVISIBLE, TVGN_CARET...); null for none.
    HTREEITEM NextItem(HTREEITEM item, UINT how) const {
        return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, how, Pointer(item)));
    }
    HTREEITEM Root() const { return NextItem(nullptr, TVGN_ROOT); }
    HTREEITEM Child(HTREEITEM item) const { return NextItem(item, TVGN_CHILD); }
    HTREEITEM NextSibling(HTREEITEM item) const { return NextItem(item, TVGN_NEXT); }
    HTREEITEM NextVisible(HTREEITEM item) const { return NextItem(item, TVGN_NEXTVISIBLE); }
    HTREEITEM Selection() const { return NextItem(nullptr, TVGN_CARET); }

    // how: TVE_EXPAND or TVE_COLLAPSE.
    bool Expand(HTREEITEM item, UINT how) { return Send(TVM_EXPAND, how, Pointer(item)) != FALSE; }
    bool Select(HTREEITEM item, UINT how = TVGN_CARET) {
        return Send(TVM_SELECTITEM, how, Pointer(item)) != FALSE;
    }
    bool EnsureVisible(HTREEITEM item) {
        return Send(TVM_ENSUREVISIBLE, 0, Pointer(item)) != FALSE;
    }
    int Count() const { return static_cast<int>(Send(TVM_GETCOUNT)); }

    // The previous list; which: TVSIL_NORMAL or TVSIL_STATE.
    HIMAGELIST SetImageList(HIMAGELIST list, int which = TVSIL_NORMAL) {
        return reinterpret_cast<HIMAGELIST>(
            Send(TVM_SETIMAGELIST, static_cast<WPARAM>(which), Pointer(list)));
    }
    HIMAGELIST ImageList(int which = TVSIL_NORMAL) const {
        return reinterpret_cast<HIMAGELIST>(Send(TVM_GETIMAGELIST, static_cast<WPARAM>(which)));
    }
    // The previous colours.
    COLORREF SetBkColor(COLORREF colour) {
        return static_cast<COLORREF>(Send(TVM_SETBKCOLOR, 0, static_cast<LPARAM>(colour)));
    }
    COLORREF SetTextColor(COLORREF colour) {
        return static_cast<COLORREF>(Send(TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(colour)));
    }

    // TVM_GETITEMRECT: the item's rectangle (with textOnly its text's) in
    // client coordinates; false when the item does not show (a parent of
    // it is closed). The message takes the item in the rectangle it fills:
    // rect holds ItemInRect(item) on entry, and may lie in the tree's own
    // process.
    bool GetItemRect(RECT* rect, bool textOnly) const {
        return Send(TVM_GETITEMRECT, textOnly, Pointer(rect)) != FALSE;
    }
    static RECT ItemInRect(HTREEITEM item);
    std::optional<RECT> ItemRect(HTREEITEM item, bool textOnly) const;
};

}  // namespace forms::win32::native

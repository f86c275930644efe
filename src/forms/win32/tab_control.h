// SysTabControl32 windows (see window.h).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "forms/win32/window.h"

namespace forms::win32::native {

class TabControl : public Window {
public:
    using Window::Window;

    // Tab positions count from 0; -1 for none or a failure.
    int InsertItem(int index, const TCITEMW& item) {
        return static_cast<int>(Send(TCM_INSERTITEMW, static_cast<WPARAM>(index), Pointer(&item)));
    }
    bool SetItem(int index, const TCITEMW& item) {
        return Send(TCM_SETITEMW, static_cast<WPARAM>(index), Pointer(&item)) != FALSE;
    }
    bool DeleteAllItems() { return Send(TCM_DELETEALLITEMS) != FALSE; }
    int Count() const { return static_cast<int>(Send(TCM_GETITEMCOUNT)); }
    // The previously chosen tab.
    int SetCurSel(int index) {
        return static_cast<int>(Send(TCM_SETCURSEL, static_cast<WPARAM>(index)));
    }
    int CurSel() const { return static_cast<int>(Send(TCM_GETCURSEL)); }
    // The tab's rectangle in client coordinates.
    bool GetItemRect(int index, RECT& rect) const {
        return Send(TCM_GETITEMRECT, static_cast<WPARAM>(index), Pointer(&rect)) != FALSE;
    }
};

}  // namespace forms::win32::native

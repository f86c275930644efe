// ToolbarWindow32 windows (see window.h).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>

#include "forms/win32/window.h"

namespace forms::win32::native {

class Toolbar : public Window {
public:
    using Window::Window;

    // Tells the toolbar the size of TBBUTTON this program was built with;
    // first, before buttons are added.
    void SetButtonStructSize() { Send(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON)); }
    bool SetBitmapSize(int width, int height) {
        return Send(TB_SETBITMAPSIZE, 0, MAKELPARAM(width, height)) != FALSE;
    }
    // Sizes the buttons anew after their pictures changed.
    void AutoSize() const { Send(TB_AUTOSIZE, 0, 0); }
    // The previous list.
    HIMAGELIST SetImageList(HIMAGELIST list) {
        return reinterpret_cast<HIMAGELIST>(Send(TB_SETIMAGELIST, 0, Pointer(list)));
    }
    HIMAGELIST ImageList() const { return reinterpret_cast<HIMAGELIST>(Send(TB_GETIMAGELIST)); }
    bool AddButtons(const TBBUTTON* buttons, std::size_t count) {
        return Send(TB_ADDBUTTONSW, count, Pointer(buttons)) != FALSE;
    }
    int ButtonCount() const { return static_cast<int>(Send(TB_BUTTONCOUNT)); }
    // The button at position index (from 0).
    bool GetButton(int index, TBBUTTON& button) const {
        return Send(TB_GETBUTTON, static_cast<WPARAM>(index), Pointer(&button)) != FALSE;
    }
    // The tooltip window the toolbar made (TBSTYLE_TOOLTIPS).
    HWND ToolTips() const { return reinterpret_cast<HWND>(Send(TB_GETTOOLTIPS)); }
    // The rectangle of the button at position index (from 0), client
    // coordinates; rect may lie in the toolbar's own process.
    bool GetItemRect(int index, RECT* rect) const {
        return Send(TB_GETITEMRECT, static_cast<WPARAM>(index), Pointer(rect)) != FALSE;
    }
};

}  // namespace forms::win32::native

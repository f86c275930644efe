// COMBOBOX windows (see window.h).
#pragma once

#include <windows.h>

#include <string>

#include "forms/win32/window.h"

namespace forms::win32::native {

class ComboBox : public Window {
public:
    using Window::Window;

    // Entry positions count from 0; CB_ERR (-1) for none or a failure.
    int AddString(const wchar_t* text) {
        return static_cast<int>(Send(CB_ADDSTRING, 0, Pointer(text)));
    }
    int InsertString(int index, const wchar_t* text) {
        return static_cast<int>(Send(CB_INSERTSTRING, static_cast<WPARAM>(index), Pointer(text)));
    }
    void ResetContent() { Send(CB_RESETCONTENT); }
    int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    // -1 selects none.
    int SetCurSel(int index) {
        return static_cast<int>(Send(CB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    int CurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    // The text of an entry; CB_ERR for a position without one.
    int TextLength(int index) const {
        return static_cast<int>(Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
    }
    // buffer holds TextLength(index) + 1 characters.
    int GetText(int index, wchar_t* buffer) const {
        return static_cast<int>(Send(CB_GETLBTEXT, static_cast<WPARAM>(index), Pointer(buffer)));
    }
    // The entry's text, empty for a position without one.
    std::wstring Text(int index) const;
    LRESULT ItemData(int index) const { return Send(CB_GETITEMDATA, static_cast<WPARAM>(index)); }
    // The height of entry index, or with -1 of the selection field.
    int ItemHeight(int index) const {
        return static_cast<int>(Send(CB_GETITEMHEIGHT, static_cast<WPARAM>(index)));
    }
    bool SetItemHeight(int index, int height) {
        return Send(CB_SETITEMHEIGHT, static_cast<WPARAM>(index), height) != CB_ERR;
    }
    void ShowDropDown(bool show) { Send(CB_SHOWDROPDOWN, show); }
    // The window's rectangle with its list dropped, on the screen.
    bool GetDroppedControlRect(RECT& rect) const {
        return Send(CB_GETDROPPEDCONTROLRECT, 0, Pointer(&rect)) != FALSE;
    }
};

}  // namespace forms::win32::native

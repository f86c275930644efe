// EDIT windows (see window.h); SetText is the window's own (WM_SETTEXT).
#pragma once

#include <windows.h>

#include "forms/win32/window.h"

namespace forms::win32::native {

class Edit : public Window {
public:
    using Window::Window;

    // The selection from start to end, in UTF-16 units; the caret at end.
    void SetSel(int start, int end) {
        Send(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    }
    void GetSel(DWORD& start, DWORD& end) const {
        Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), Pointer(&end));
    }
    bool SetReadOnly(bool readOnly) { return Send(EM_SETREADONLY, readOnly) != FALSE; }
};

}  // namespace forms::win32::native

// msctls_statusbar32 windows (see window.h).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "forms/win32/window.h"

namespace forms::win32::native {

class StatusBar : public Window {
public:
    using Window::Window;

    // count parts, each ending at its right edge in rightEdges (-1: the
    // window's right edge).
    bool SetParts(int count, const int* rightEdges) {
        return Send(SB_SETPARTS, static_cast<WPARAM>(count), Pointer(rightEdges)) != FALSE;
    }
    int PartCount() const { return static_cast<int>(Send(SB_GETPARTS)); }
    // The text of part (from 0); the first part's is also what WM_GETTEXT reads.
    bool SetText(const wchar_t* text, int part = 0) {
        return Send(SB_SETTEXTW, static_cast<WPARAM>(part), Pointer(text)) != FALSE;
    }
};

}  // namespace forms::win32::native

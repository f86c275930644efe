// Thin typed wrappers of the standard and common controls' windows: each
// class holds a window handle and sends one message per method, with typed
// arguments and results, so that the peers, the test driver and the probe
// of the whole-program tests speak to a control in one way. The wrappers
// own nothing: the window lives as long as whoever made it keeps it.
//
// A window of another process takes a pointer argument only as an address
// in that process (see the probe's remote memory); such methods take the
// pointer as it is, without reading or writing through it.
#pragma once

#include <windows.h>

namespace forms::win32::native {

class Window {
public:
    explicit Window(HWND hwnd = nullptr) : hwnd_(hwnd) {}
    HWND Handle() const { return hwnd_; }
    explicit operator bool() const { return hwnd_ != nullptr; }

    // WM_SETTEXT: as typed, the control notifies its parent of the change
    // (an edit control sends EN_CHANGE). Also for windows of another
    // process, which get the text copied over.
    bool SetText(const wchar_t* text) {
        return Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != FALSE;
    }

protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageW(hwnd_, message, wParam, lParam);
    }
    template <class T>
    static LPARAM Pointer(T* pointer) {
        return reinterpret_cast<LPARAM>(pointer);
    }

    HWND hwnd_;
};

}  // namespace forms::win32::native

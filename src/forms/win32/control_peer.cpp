#include "forms/win32/control_peer.h"

#include <commctrl.h>
#include <windowsx.h>

#include "forms/form.h"
#include "forms/win32/backend.h"
#include "forms/win32/form_window.h"
#include "forms/win32/text.h"

namespace forms::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;
// The window property that holds a control window's peer.
constexpr wchar_t kPeerProperty[] = L"KelvoControlPeer";

MouseState MouseStateOf(WPARAM wParam, LPARAM lParam, const Dpi& dpi) {
    MouseState state;
    if (wParam & MK_LBUTTON) state.button |= 1;
    if (wParam & MK_RBUTTON) state.button |= 2;
    if (wParam & MK_MBUTTON) state.button |= 4;
    if (wParam & MK_SHIFT) state.shift |= 1;
    if (wParam & MK_CONTROL) state.shift |= 2;
    if (GetKeyState(VK_MENU) < 0) state.shift |= 4;
    state.x = dpi.TwipsX(GET_X_LPARAM(lParam));
    state.y = dpi.TwipsY(GET_Y_LPARAM(lParam));
    return state;
}

}  // namespace

ControlPeer::ControlPeer(Control& control, Win32Backend& backend)
    : control_(control), backend_(backend) {}

ControlPeer::~ControlPeer() {
    if (!hwnd_) return;
    RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
    RemovePropW(hwnd_, kPeerProperty);
    DestroyWindow(hwnd_);
}

ControlPeer* ControlPeer::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<ControlPeer*>(GetPropW(hwnd, kPeerProperty)) : nullptr;
}

void ControlPeer::Create(const wchar_t* className, DWORD style, DWORD exStyle) {
    HWND parent = reinterpret_cast<HWND>(control_.Parent().NativeHandle());
    FormWindow* owner = FormWindow::FromHandle(parent);
    if (!owner) return;
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (control_.Visible()) style |= WS_VISIBLE;
    if (!control_.Enabled()) style |= WS_DISABLED;
    const RECT bounds = BoundsPixels();
    const int id = owner->NextControlId();
    hwnd_ = CreateWindowExW(exStyle, className, Widen(control_.Caption()).c_str(), style,
                            bounds.left, bounds.top, bounds.right - bounds.left,
                            bounds.bottom - bounds.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            backend_.Instance(), nullptr);
    if (!hwnd_) return;
    SetPropW(hwnd_, kPeerProperty, this);
    SetWindowSubclass(hwnd_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.Fonts().Get(control_.Font())),
                 FALSE);
}

FormWindow* ControlPeer::Owner() const {
    return FormWindow::FromHandle(reinterpret_cast<HWND>(control_.Parent().NativeHandle()));
}

RECT ControlPeer::BoundsPixels() const {
    const Dpi& dpi = backend_.GetDpi();
    const int left = dpi.PixelsX(control_.Left());
    const int top = dpi.PixelsY(control_.Top());
    return RECT{left, top, left + dpi.PixelsX(control_.Width()),
                top + dpi.PixelsY(control_.Height())};
}

void ControlPeer::InvalidateWithParent() {
    if (!hwnd_) return;
    HWND parent = GetParent(hwnd_);
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    RedrawWindow(parent, &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void ControlPeer::Update(Property property) {
    if (!hwnd_) return;
    switch (property) {
    case Property::Caption:
        SetWindowTextW(hwnd_, Widen(control_.Caption()).c_str());
        break;
    case Property::Visible:
        ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
        break;
    case Property::Enabled:
        EnableWindow(hwnd_, control_.Enabled());
        break;
    case Property::Bounds: {
        const RECT bounds = BoundsPixels();
        SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                     bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    }
    case Property::Font:
        SendMessageW(hwnd_, WM_SETFONT,
                     reinterpret_cast<WPARAM>(backend_.Fonts().Get(control_.Font())), TRUE);
        break;
    default:
        break;
    }
}

void ControlPeer::SetFocus() {
    if (!hwnd_) return;
    FormWindow* owner = Owner();
    HWND form = owner ? owner->Handle() : GetParent(hwnd_);
    // A form that is not on the screen yet gives the control the focus when
    // it is activated.
    if (IsWindowVisible(form) && IsWindowEnabled(form) && IsWindowVisible(hwnd_))
        ::SetFocus(hwnd_);
    else if (owner)
        owner->ControlFocused(hwnd_);
}

void ControlPeer::Refresh() {
    if (hwnd_) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

LRESULT ControlPeer::Message(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    switch (message) {
    case WM_MOUSEMOVE: {
        handled = true;
        const LRESULT result = DefSubclassProc(hwnd_, message, wParam, lParam);
        control_.RaiseMouseMove(MouseStateOf(wParam, lParam, backend_.GetDpi()));
        return result;
    }
    case WM_SETCURSOR:
        if (control_.MousePointer() == MousePointer::Hand && LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            handled = true;
            return TRUE;
        }
        return 0;
    case WM_SETFOCUS: {
        handled = true;
        const LRESULT result = DefSubclassProc(hwnd_, message, wParam, lParam);
        if (FormWindow* owner = Owner()) owner->ControlFocused(hwnd_);
        control_.RaiseGotFocus();
        return result;
    }
    default:
        return 0;
    }
}

LRESULT CALLBACK ControlPeer::SubclassProc(HWND hwnd, UINT message, WPARAM wParam,
                                           LPARAM lParam, UINT_PTR id, DWORD_PTR data) {
    auto* peer = reinterpret_cast<ControlPeer*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, SubclassProc, id);
        RemovePropW(hwnd, kPeerProperty);
        if (peer) peer->hwnd_ = nullptr;
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    if (peer && peer->hwnd_ == hwnd) {
        bool handled = false;
        const LRESULT result = peer->Message(message, wParam, lParam, handled);
        if (handled) return result;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace forms::win32

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
// The window property of a helper window (a toolbar's tooltip window) that
// names the peer answering for what it sends.
constexpr wchar_t kSenderProperty[] = L"KelvoSenderPeer";

// Whether what the user does in the control's window should reach the
// model: not while its form is being loaded (the peers fill their windows)
// or unloaded (the windows go, and take their items with them).
bool Live(const ControlPeer& peer) { return peer.GetControl().Parent().Loaded(); }

bool HoldsFocus(HWND hwnd) {
    HWND focus = GetFocus();
    return focus && (focus == hwnd || IsChild(hwnd, focus));
}

}  // namespace

MouseState MouseStateOf(WPARAM wParam, LPARAM lParam, const Dpi& dpi) {
    MouseState state;
    if (wParam & MK_LBUTTON) state.button |= 1;
    if (wParam & MK_RBUTTON) state.button |= 2;
    if (wParam & MK_MBUTTON) state.button |= 4;
    if (wParam & MK_SHIFT) state.shift |= 1;
    if (wParam & MK_CONTROL) state.shift |= 2;
    // The mouse message does not say whether Alt is down; the key state does.
    if (GetKeyState(VK_MENU) < 0) state.shift |= 4;
    state.x = dpi.TwipsX(GET_X_LPARAM(lParam));
    state.y = dpi.TwipsY(GET_Y_LPARAM(lParam));
    return state;
}

ControlPeer::ControlPeer(Control& control, Win32Backend& backend)
    : control_(control), backend_(backend) {}

HBRUSH ControlPeer::BackgroundBrush() {
    if (!background_) background_ = CreateSolidBrush(control_.BackColor());
    return background_;
}

HBRUSH ControlPeer::OwnColors(HDC dc) {
    SetTextColor(dc, control_.ForeColor());
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, control_.BackColor());
    return BackgroundBrush();
}

void ControlPeer::ForgetBrush() {
    if (background_) DeleteObject(background_);
    background_ = nullptr;
}

ControlPeer::~ControlPeer() {
    ForgetBrush();
    *alive_ = false;
    if (!hwnd_) return;
    RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
    RemovePropW(hwnd_, kPeerProperty);
    DestroyWindow(hwnd_);
}

ControlPeer* ControlPeer::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<ControlPeer*>(GetPropW(hwnd, kPeerProperty)) : nullptr;
}

ControlPeer* ControlPeer::FromSender(HWND hwnd) {
    if (!hwnd) return nullptr;
    if (ControlPeer* peer = FromHandle(hwnd)) return peer;
    return static_cast<ControlPeer*>(GetPropW(hwnd, kSenderProperty));
}

void SetSenderPeer(HWND hwnd, ControlPeer* peer) {
    if (!hwnd) return;
    if (peer)
        SetPropW(hwnd, kSenderProperty, peer);
    else
        RemovePropW(hwnd, kSenderProperty);
}

void ControlPeer::Detach() {
    if (hwnd_) RemovePropW(hwnd_, kPeerProperty);
}

bool ControlPeer::HandleCommand(int id, int code) {
    if (!hwnd_ || id != GetDlgCtrlID(hwnd_)) return false;
    Command(code);
    return true;
}

bool RouteToControl(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_COMMAND: {
        // Menus and accelerators send no window; they are the form's.
        ControlPeer* peer = ControlPeer::FromSender(reinterpret_cast<HWND>(lParam));
        if (!peer || !Live(*peer) || !peer->HandleCommand(LOWORD(wParam), HIWORD(wParam)))
            return false;
        result = 0;
        return true;
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        ControlPeer* peer = header ? ControlPeer::FromSender(header->hwndFrom) : nullptr;
        return peer && Live(*peer) && peer->Notify(*header, result);
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR: {
        ControlPeer* peer = ControlPeer::FromSender(reinterpret_cast<HWND>(lParam));
        HBRUSH brush = peer ? peer->CtlColor(reinterpret_cast<HDC>(wParam)) : nullptr;
        if (!brush) return false;
        result = reinterpret_cast<LRESULT>(brush);
        return true;
    }
    case WM_VSCROLL:
    case WM_HSCROLL: {
        // Only scroll bar controls name themselves; a window's own scroll
        // bars send no window.
        ControlPeer* peer = ControlPeer::FromSender(reinterpret_cast<HWND>(lParam));
        if (!peer || !Live(*peer)) return false;
        peer->Scroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        result = 0;
        return true;
    }
    case WM_DRAWITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_MEASUREITEM: {
        HWND item = nullptr;
        if (message == WM_DRAWITEM)
            item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        else if (message == WM_DELETEITEM)
            item = reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem;
        else if (message == WM_COMPAREITEM)
            item = reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem;
        else
            item = GetDlgItem(parent, static_cast<int>(
                                           reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlID));
        ControlPeer* peer = ControlPeer::FromSender(item);
        return peer && peer->OwnerDraw(message, lParam, result);
    }
    default:
        return false;
    }
}

void ControlPeer::Create(const wchar_t* className, DWORD style, DWORD exStyle) {
    FormWindow* owner = Owner();
    HWND parent = ParentWindow();
    if (!owner || !parent) return;
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (StartsGroup()) style |= WS_GROUP;
    if (control_.Visible()) style |= WS_VISIBLE;
    if (!control_.Enabled()) style |= WS_DISABLED;
    const RECT bounds = WindowBounds();
    const int id = owner->NextControlId();
    hwnd_ = CreateWindowExW(exStyle, className, Widen(control_.Caption()).c_str(), style,
                            bounds.left, bounds.top, bounds.right - bounds.left,
                            bounds.bottom - bounds.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            backend_.Instance(), nullptr);
    if (!hwnd_) return;
    SetPropW(hwnd_, kPeerProperty, this);
    SetWindowSubclass(hwnd_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    SendMessageW(hwnd_, WM_SETFONT,
                 reinterpret_cast<WPARAM>(backend_.Fonts().Get(control_.Font(), WindowDpi())),
                 FALSE);
    TakeStackPosition();
    // A window made where the user already sees its parent (a page shown
    // for the first time) paints all of itself, background included: a
    // frame, say, fills its inside only when asked to erase it.
    if (IsWindowVisible(hwnd_))
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

bool ControlPeer::StartsGroup() const {
    // The option buttons that follow each other in a container form a group
    // in which the arrow keys move: the first of them starts it, and the
    // control after the last starts the next.
    const Control* previous = nullptr;
    for (const Control* other : control_.Parent().StackingOrder()) {
        if (other == &control_) break;
        if (other->Container() == control_.Container() && other->Kind() != ControlKind::Menu &&
            other->Kind() != ControlKind::Timer)
            previous = other;
    }
    const bool option = control_.Kind() == ControlKind::OptionButton;
    return option != (previous && previous->Kind() == ControlKind::OptionButton);
}

void ControlPeer::TakeStackPosition() {
    // Sibling windows stand in the model's order from the front to the
    // back, which is also the order Tab visits them in. The model's order
    // holds even when a container was made before controls in front of it.
    HWND after = HWND_TOP;
    for (const Control* other : control_.Parent().StackingOrder()) {
        if (other == &control_) break;
        if (other->Container() != control_.Container()) continue;
        if (HWND window = reinterpret_cast<HWND>(other->NativeHandle())) after = window;
    }
    // A new window comes in behind its siblings: made in the model's order,
    // it stands in place already and needs no move.
    HWND above = GetWindow(hwnd_, GW_HWNDPREV);
    if (above == (after == HWND_TOP ? nullptr : after)) return;
    SetWindowPos(hwnd_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

const Dpi& ControlPeer::WindowDpi() const {
    if (FormWindow* owner = Owner()) return owner->GetDpi();
    return backend_.GetDpi();
}

void ControlPeer::ApplyDpi() {
    Update(Property::Bounds);
    Update(Property::Font);
    Update(Property::Picture);
}

FormWindow* ControlPeer::Owner() const {
    return FormWindow::FromHandle(reinterpret_cast<HWND>(control_.Parent().NativeHandle()));
}

HWND ControlPeer::ParentWindow() const {
    const Control* container = control_.Container();
    return reinterpret_cast<HWND>(container ? container->NativeHandle()
                                            : control_.Parent().NativeHandle());
}

RECT ControlPeer::BoundsPixels() const {
    const Dpi& dpi = WindowDpi();
    const int left = dpi.PixelsX(control_.Left());
    const int top = dpi.PixelsY(control_.Top());
    return RECT{left, top, left + dpi.PixelsX(control_.Width()),
                top + dpi.PixelsY(control_.Height())};
}

void ControlPeer::InvalidateWithParent() {
    // Nothing to repaint while the window is not on the screen: it paints
    // whole when it comes.
    if (!hwnd_ || !IsWindowVisible(hwnd_)) return;
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
    case Property::Visible: {
        const bool hadFocus = HoldsFocus(hwnd_);
        ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
        if (hadFocus && !control_.Visible()) MoveFocusOn();
        break;
    }
    case Property::Enabled: {
        const bool hadFocus = HoldsFocus(hwnd_);
        EnableWindow(hwnd_, control_.Enabled());
        if (hadFocus && !control_.Enabled()) MoveFocusOn();
        break;
    }
    case Property::Bounds: {
        const RECT bounds = WindowBounds();
        SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                     bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    }
    case Property::Font:
        SendMessageW(hwnd_, WM_SETFONT,
                     reinterpret_cast<WPARAM>(backend_.Fonts().Get(control_.Font(), WindowDpi())),
                     TRUE);
        break;
    case Property::ZOrder:
        // Windows repaints what the new order uncovers or covers.
        SetWindowPos(hwnd_, control_.StackPosition() == 0 ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        break;
    default:
        break;
    }
}

void ControlPeer::MoveFocusOn() {
    FormWindow* owner = Owner();
    if (!owner) return;
    HWND form = owner->Handle();
    const Form::ProgramFocus byProgram(control_.Parent());
    // The tab stop after this window, or after the container it lay in.
    HWND next = GetNextDlgTabItem(form, hwnd_, FALSE);
    if (next && next != hwnd_ && !IsChild(hwnd_, next) && IsWindowVisible(next) &&
        IsWindowEnabled(next))
        ::SetFocus(next);
    else
        ::SetFocus(form);
}

void ControlPeer::SetFocus() {
    if (!hwnd_ || !control_.Reachable()) return;
    FormWindow* owner = Owner();
    HWND form = owner ? owner->Handle() : GetAncestor(hwnd_, GA_ROOT);
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
        control_.RaiseMouseMove(MouseStateOf(wParam, lParam, WindowDpi()));
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

#include "forms/win32/form_window.h"

#include "forms/win32/backend.h"
#include "forms/win32/control_peer.h"
#include "forms/win32/pictures.h"
#include "forms/win32/text.h"

namespace forms::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"KelvoForm";

}  // namespace

WindowStyles FormStyles(const Form& form) {
    WindowStyles styles;
    styles.exStyle = WS_EX_CONTROLPARENT;
    DWORD style = WS_CLIPCHILDREN;
    bool caption = form.TitleBar();
    switch (form.BorderStyle()) {
    case BorderStyle::None:
        style |= WS_POPUP;
        caption = false;
        break;
    case BorderStyle::FixedSingle:
        style |= caption ? WS_CAPTION : WS_POPUP | WS_BORDER;
        break;
    case BorderStyle::FixedDialog:
        style |= caption ? WS_CAPTION : WS_POPUP | WS_DLGFRAME;
        styles.exStyle |= WS_EX_DLGMODALFRAME;
        break;
    case BorderStyle::Sizable:
        style |= WS_THICKFRAME | (caption ? WS_CAPTION : WS_POPUP);
        break;
    }
    if (caption && form.ControlBox()) {
        style |= WS_SYSMENU;
        if (form.MinButton()) style |= WS_MINIMIZEBOX;
        if (form.MaxButton()) style |= WS_MAXIMIZEBOX;
    }
    styles.style = style;
    return styles;
}

FormWindow::FormWindow(Form& form, Win32Backend& backend)
    : form_(form), backend_(backend), dpi_(backend.GetDpi()) {
    const WindowStyles styles = FormStyles(form);
    const Dpi& dpi = dpi_;
    HWND owner = form.ShowInTaskbar() ? nullptr : backend.HiddenOwner();
    hwnd_ = CreateWindowExW(styles.exStyle | (form.TopMost() ? WS_EX_TOPMOST : 0), kFormClass,
                    Widen(form.Caption()).c_str(), styles.style, dpi.PixelsX(form.Left()),
                    dpi.PixelsY(form.Top()), dpi.PixelsX(form.Width()), dpi.PixelsY(form.Height()),
                    owner, nullptr, backend.Instance(), this);
    if (!hwnd_) return;
    backend_.FormCreated(this);
    // A window made on a monitor of another DPI than the screen's takes the
    // size it has there; its controls come later, at its DPI.
    if (const Dpi own = Dpi::OfWindow(hwnd_); !(own == dpi_)) {
        dpi_ = own;
        ApplyBounds();
    }
    surface_.SetDpi(dpi_);
    RECT client;
    GetClientRect(hwnd_, &client);
    surface_.Resize(client.right, client.bottom);
    surface_.Clear(form.BackColor());
    ApplyIcon();
    if (form.Visible()) ShowWindow(hwnd_, SW_SHOW);
}

FormWindow::~FormWindow() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        // The window takes its menu bar with it.
        DestroyWindow(hwnd_);
        backend_.FormDestroyed(this);
    }
    if (icon_) DestroyIcon(icon_);
}

bool FormWindow::TranslateShortcut(MSG& message) {
    if (!menuBar_ || (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN))
        return false;
    HACCEL table = menuBar_->Accelerators();
    return table && TranslateAcceleratorW(hwnd_, table, &message);
}

void FormWindow::RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kFormClass;
    RegisterClassExW(&windowClass);
}

FormWindow* FormWindow::FromHandle(HWND hwnd) {
    if (!hwnd || GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(Proc))
        return nullptr;
    return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void FormWindow::Update(Property property) {
    if (!hwnd_) return;
    switch (property) {
    case Property::Caption:
        SetWindowTextW(hwnd_, Widen(form_.Caption()).c_str());
        break;
    case Property::Visible:
        ShowWindow(hwnd_, form_.Visible() ? SW_SHOW : SW_HIDE);
        break;
    case Property::Enabled:
        EnableWindow(hwnd_, form_.Enabled());
        break;
    case Property::Bounds:
        ApplyBounds();
        break;
    case Property::BackColor:
        // A new background colour clears what was painted, as Cls does.
        painted_.clear();
        surface_.Clear(form_.BackColor());
        InvalidateAll();
        break;
    case Property::Picture:
        ApplyIcon();
        break;
    case Property::Default:
        UpdateDefaultLook();
        break;
    case Property::TopMost:
        ApplyTopMost();
        break;
    default:
        break;
    }
}

void FormWindow::SetFocus() {
    if (hwnd_ && IsWindowVisible(hwnd_)) ::SetFocus(hwnd_);
}

void FormWindow::PaintPicture(const Picture& picture, Twips x, Twips y) {
    const Win32Picture* pixels = PixelsOf(picture);
    if (!hwnd_ || !pixels) return;
    painted_.push_back({picture, x, y});
    const int left = dpi_.PixelsX(x);
    const int top = dpi_.PixelsY(y);
    surface_.Draw(*pixels, left, top);
    // Transparent labels over the picture show it too. A window not on the
    // screen yet paints all of it when it comes (a tiled background is
    // painted tile by tile while the program starts).
    if (!IsWindowVisible(hwnd_)) return;
    const SIZE size = pixels->SizeAt(dpi_);
    const RECT area{left, top, left + size.cx, top + size.cy};
    RedrawWindow(hwnd_, &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void FormWindow::Cls() {
    if (!hwnd_) return;
    painted_.clear();
    surface_.Clear(form_.BackColor());
    InvalidateAll();
}

void FormWindow::ChangeDpi(const Dpi& dpi, const RECT& suggested) {
    dpi_ = dpi;
    surface_.SetDpi(dpi_);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (const Control* control : form_.Controls())
        if (ControlPeer* peer = ControlPeer::FromHandle(reinterpret_cast<HWND>(control->NativeHandle())))
            peer->ApplyDpi();
    // What was painted comes again at its twips, now at other pixels.
    surface_.Clear(form_.BackColor());
    for (const Painted& paint : painted_)
        if (const Win32Picture* pixels = PixelsOf(paint.picture))
            surface_.Draw(*pixels, dpi_.PixelsX(paint.x), dpi_.PixelsY(paint.y));
    InvalidateAll();
}

void FormWindow::Refresh() {
    if (hwnd_)
        RedrawWindow(hwnd_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void FormWindow::ControlFocused(HWND child) {
    lastFocus_ = child;
    UpdateDefaultLook();
}

void FormWindow::ApplyBounds() {
    const Dpi& dpi = dpi_;
    SetWindowPos(hwnd_, nullptr, dpi.PixelsX(form_.Left()), dpi.PixelsY(form_.Top()),
                 dpi.PixelsX(form_.Width()), dpi.PixelsY(form_.Height()),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::ApplyIcon() {
    HICON old = icon_;
    const Win32Picture* pixels = PixelsOf(form_.Icon());
    icon_ = pixels ? pixels->MakeIcon() : nullptr;
    if (!icon_ && !old) return;
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    if (old) DestroyIcon(old);
}

void FormWindow::ApplyTopMost() {
    // Keeps place and size; shows the window without activating it.
    SetWindowPos(hwnd_, form_.TopMost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

HWND FormWindow::EffectiveDefault() const {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus)) {
        const ControlPeer* peer = ControlPeer::FromHandle(focus);
        if (peer && peer->GetControl().Kind() == ControlKind::CommandButton) return focus;
    }
    if (const CommandButton* button = form_.DefaultButton())
        return reinterpret_cast<HWND>(button->NativeHandle());
    return nullptr;
}

void FormWindow::UpdateDefaultLook() {
    HWND current = EffectiveDefault();
    for (const Control* control : form_.Controls()) {
        if (control->Kind() != ControlKind::CommandButton) continue;
        HWND button = reinterpret_cast<HWND>(control->NativeHandle());
        if (!button) continue;
        const LONG_PTR type = GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK;
        const LONG_PTR wanted = button == current ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        if (type != wanted) SendMessageW(button, BM_SETSTYLE, static_cast<WPARAM>(wanted), TRUE);
    }
}

void FormWindow::RestoreFocus() {
    // The window got the focus back (activated, or a control in it was
    // hidden): the control that takes it is not the user's choice.
    const Form::ProgramFocus byProgram(form_);
    HWND target = lastFocus_;
    if (!target || !IsWindow(target) || !IsChild(hwnd_, target) || !IsWindowVisible(target) ||
        !IsWindowEnabled(target))
        target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (target && target != hwnd_) ::SetFocus(target);
}

void FormWindow::InvalidateAll() {
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT CALLBACK FormWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<FormWindow*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

// Calls into the model may unload the form and delete this object: every
// case returns right after them.
LRESULT FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT routed = 0;
    if (RouteToControl(hwnd_, message, wParam, lParam, routed)) return routed;
    switch (message) {
    case WM_ERASEBKGND:
        // The form's own background comes with WM_PAINT; a see-through
        // child asks for what lies behind it in its own DC.
        if (WindowFromDC(reinterpret_cast<HDC>(wParam)) != hwnd_)
            surface_.PaintClip(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PRINTCLIENT:
        surface_.PaintClip(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd_, &paint);
        surface_.Paint(dc, paint.rcPaint);
        EndPaint(hwnd_, &paint);
        return 0;
    }
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) surface_.Resize(LOWORD(lParam), HIWORD(lParam));
        break;
    case WM_CLOSE:
        form_.RaiseCloseRequest();
        return 0;
    case WM_DPICHANGED:
        ChangeDpi(Dpi{LOWORD(wParam), HIWORD(wParam)}, *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_QUERYENDSESSION:
        return form_.RaiseSessionEndQuery() ? TRUE : FALSE;
    case WM_ENDSESSION:
        // Windows ends the process once this returns: the form's unload
        // steps run now.
        if (wParam) form_.RaiseSessionEnd();
        return 0;
    case WM_MOUSEMOVE:
        form_.RaiseMouseMove(MouseStateOf(wParam, lParam, dpi_));
        return 0;
    case WM_LBUTTONUP:
        form_.RaiseClick();
        return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == hwnd_ && LOWORD(lParam) == HTCLIENT &&
            form_.MousePointer() == MousePointer::Hand) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_COMMAND:
        // What controls send went through RouteToControl; without a window
        // it comes from the menu bar (0) or a shortcut (1).
        if (lParam == 0 && HIWORD(wParam) <= 1 && menuBar_ && form_.Loaded() &&
            menuBar_->Command(LOWORD(wParam)))
            return 0;
        break;
    case DM_GETDEFID:
        if (HWND button = EffectiveDefault())
            return MAKELRESULT(GetDlgCtrlID(button), DC_HASDEFID);
        return 0;
    case WM_NEXTDLGCTL: {
        // The dialog keys send this: an access key of a label or frame
        // first names it (lParam 1), then steps on to the next control.
        if (!lParam && skipNextStep_) {
            skipNextStep_ = false;
            return 0;
        }
        skipNextStep_ = false;
        HWND next = lParam ? reinterpret_cast<HWND>(wParam)
                           : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0);
        if (lParam && next && (GetWindowLongPtrW(next, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)) {
            // A frame's access key leads to the first control inside it.
            HWND first = GetNextDlgTabItem(next, nullptr, FALSE);
            if (first && IsChild(next, first)) {
                next = first;
                skipNextStep_ = true;
            }
        }
        if (next) ::SetFocus(next);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) backend_.FormActivated(this);
        break;
    case WM_SETFOCUS:
        RestoreFocus();
        return 0;
    case WM_TIMER:
        if (auto found = timers_.find(wParam); found != timers_.end()) found->second->RaiseTimer();
        return 0;
    case kRunModalHookMessage:
        backend_.RunModalHook(form_);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace forms::win32

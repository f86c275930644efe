#include "forms/win32/backend.h"

#include <commctrl.h>

#include <algorithm>

#include "forms/platform.h"
#include "forms/win32/control_peer.h"
#include "forms/win32/form_window.h"
#include "forms/win32/pictures.h"

namespace forms::win32 {

Win32Backend::Win32Backend()
    : instance_(GetModuleHandleW(nullptr)), dpi_(Dpi::OfScreen()), fonts_(dpi_) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES |
                                                       ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES |
                                                       ICC_TAB_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    FormWindow::RegisterWindowClass(instance_);
    RegisterPictureBoxClass(instance_);
}

Win32Backend::~Win32Backend() {
    if (hiddenOwner_) DestroyWindow(hiddenOwner_);
}

void Win32Backend::Dispatch(MSG& message) {
    if (message.hwnd) {
        HWND root = GetAncestor(message.hwnd, GA_ROOT);
        if (FormWindow* form = FormWindow::FromHandle(root)) {
            // Menu shortcuts first, so that they work wherever the focus is,
            // also in a text box, which would take Ctrl and a letter itself.
            if (form->TranslateShortcut(message)) return;
            if (IsDialogMessageW(root, &message)) return;
        }
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32Backend::Run() {
    MSG message;
    while (!forms_.empty()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        Dispatch(message);
    }
}

void Win32Backend::RunModal(Form& form) {
    FormWindow* window = FormWindow::FromHandle(reinterpret_cast<HWND>(form.NativeHandle()));
    if (!window || !form.Showing()) return;
    HWND self = window->Handle();
    // The form that was active before this one came up is the one to return to.
    FormWindow* before = active_ == window ? previousActive_ : active_;
    HWND owner = before ? before->Handle() : nullptr;

    std::vector<HWND> disabled;
    for (FormWindow* other : forms_) {
        HWND hwnd = other->Handle();
        if (hwnd != self && IsWindowEnabled(hwnd)) {
            EnableWindow(hwnd, FALSE);
            disabled.push_back(hwnd);
        }
    }
    if (modalLoopHook_) PostMessageW(self, kRunModalHookMessage, 0, 0);

    MSG message;
    while (form.Showing()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // Leave the quit request to the outer loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        Dispatch(message);
    }

    for (HWND hwnd : disabled)
        if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
    if (owner && IsWindow(owner) && IsWindowVisible(owner)) SetForegroundWindow(owner);
}

void Win32Backend::RunModalHook(Form& form) {
    // A copy: the hook may replace itself.
    const std::function<void(Form&)> hook = modalLoopHook_;
    if (hook) hook(form);
}

void Win32Backend::End() { ExitProcess(0); }

void Win32Backend::DoEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave the quit request to the message loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(message);
    }
}

int Win32Backend::MsgBox(const std::string& text, int style, const std::string& title) {
    FormWindow* owner = ActiveForm();
    return MessageBoxW(owner ? owner->Handle() : nullptr, Widen(text).c_str(),
                       Widen(title).c_str(), static_cast<UINT>(style));
}

FormWindow* Win32Backend::ActiveForm() const {
    if (FormWindow* active = FormWindow::FromHandle(GetActiveWindow())) return active;
    if (active_ && IsWindowVisible(active_->Handle())) return active_;
    return nullptr;
}

std::optional<Picture> Win32Backend::LoadPicture(const std::string& path) {
    return LoadPictureFile(libraries_, path, dpi_);
}

std::optional<Picture> Win32Backend::LoadPictureFromMemory(const unsigned char* data,
                                                           std::size_t size) {
    return LoadPictureBytes(libraries_, data, size, dpi_, "memory", true);
}

std::optional<Picture> Win32Backend::LoadBuiltInPicture(const std::vector<MemoryFile>& drawings) {
    return LoadBuiltInDrawings(libraries_, drawings, dpi_);
}

TextSize Win32Backend::PictureExtent(const Picture& picture, int borderPixels) const {
    // A scaling picture is as large in twips at every DPI; any other keeps
    // its pixels, its twips cut down to whole ones, so that tiles laid side
    // by side by their twips never leave a gap between them.
    const auto twips = [&](int pixels, int dpi, bool scaling) {
        return scaling ? pixels * 15 : pixels * 1440 / dpi;
    };
    const bool scaling = picture.Data() && picture.Data()->scales;
    return {twips(picture.WidthPixels(), dpi_.x, scaling) + twips(borderPixels, dpi_.x, false),
            twips(picture.HeightPixels(), dpi_.y, scaling) + twips(borderPixels, dpi_.y, false)};
}

std::optional<Picture> Win32Backend::ProgramIcon() {
    // The program's own icon resource, so that the window shows the icon
    // the .exe shows, without a second copy of it in the program.
    auto icon = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXICON),
                                              GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
    if (!icon) return std::nullopt;
    return Picture(Win32Picture::FromIcon(icon));
}

std::optional<Picture> Win32Backend::ShellIcon(const std::string& path, bool small,
                                               Color background) {
    return ShellIconPicture(libraries_, path, small, background, dpi_);
}

TextSize Win32Backend::MeasureText(const Font& font, const std::string& text, Twips wrapWidth) {
    return fonts_.Measure(font, text, wrapWidth);
}

Twips Win32Backend::ScreenWidth() const { return dpi_.TwipsX(GetSystemMetrics(SM_CXSCREEN)); }

Twips Win32Backend::ScreenHeight() const { return dpi_.TwipsY(GetSystemMetrics(SM_CYSCREEN)); }

TextSize Win32Backend::FrameSize(const Form& form) const {
    const WindowStyles styles = FormStyles(form);
    RECT rect{0, 0, 0, 0};
    AdjustWindowRectEx(&rect, styles.style, form.HasMenuBar(), styles.exStyle);
    return TextSize{dpi_.TwipsX(rect.right - rect.left), dpi_.TwipsY(rect.bottom - rect.top)};
}

Control* Win32Backend::FocusedControl() const {
    // The focus may lie in a window inside a control's own (the edit field
    // of a drop-down list): the control is the nearest window of ours.
    for (HWND window = GetFocus(); window; window = GetParent(window)) {
        if (ControlPeer* peer = ControlPeer::FromHandle(window)) return &peer->GetControl();
        if (FormWindow* form = FormWindow::FromHandle(window)) return &form->GetForm();
    }
    return nullptr;
}

HWND Win32Backend::HiddenOwner() {
    // Owned top-level windows stay out of the task bar; this owner is never shown.
    if (!hiddenOwner_)
        hiddenOwner_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                       instance_, nullptr);
    return hiddenOwner_;
}

void Win32Backend::FormCreated(FormWindow* window) { forms_.push_back(window); }

void Win32Backend::FormDestroyed(FormWindow* window) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), window), forms_.end());
    if (active_ == window) active_ = nullptr;
    if (previousActive_ == window) previousActive_ = nullptr;
    // Wakes Run up, so that it can see that the last form is gone.
    if (forms_.empty()) PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void Win32Backend::FormActivated(FormWindow* window) {
    if (window == active_) return;
    previousActive_ = active_;
    active_ = window;
}

}  // namespace forms::win32

namespace forms {

std::unique_ptr<Backend> MakePlatformBackend() { return std::make_unique<win32::Win32Backend>(); }

std::unique_ptr<Peer> MakePeer(Backend& backend, Form& form) {
    return std::make_unique<win32::FormWindow>(form, static_cast<win32::Win32Backend&>(backend));
}

}  // namespace forms

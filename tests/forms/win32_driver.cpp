// Driver of the conformance suite for the win32 backend: simulated input is
// sent as real window messages to the native windows, and keys go through
// the same dispatch as in the program's message loop.
#include <windows.h>

#include <cctype>
#include <deque>

#include "forms/driver.h"
#include "forms/platform.h"
#include "forms/win32/backend.h"

namespace forms::testing {

namespace {

HWND HandleOf(const Control& control) { return reinterpret_cast<HWND>(control.NativeHandle()); }

class Win32Driver : public Driver {
public:
    Win32Driver() : backendOwner_(MakePlatformBackend()) {
        backend_ = dynamic_cast<win32::Win32Backend*>(backendOwner_.get());
        backend_->SetModalLoopHook([this](Form& form) {
            if (pendingModal_.empty()) return;
            auto action = std::move(pendingModal_.front());
            pendingModal_.pop_front();
            action(form);
        });
    }

    Backend& GetBackend() override { return *backend_; }

    void Click(Control& control) override {
        HWND hwnd = HandleOf(control);
        if (!hwnd) return;
        if (control.Kind() == ControlKind::CommandButton) {
            SendMessageW(hwnd, BM_CLICK, 0, 0);
        } else {
            SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
            SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
        }
    }

    void MouseMove(Control& control, int x, int y) override {
        if (HWND hwnd = HandleOf(control)) SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    }

    void TypeChar(Control& control, char character) override {
        HWND hwnd = HandleOf(control);
        if (!hwnd) return;
        if (GetFocus() != hwnd) SetFocus(hwnd);
        Key(hwnd, WM_CHAR, static_cast<unsigned char>(character), 1);
    }

    void PressTab(Form& form) override { Key(KeyTarget(form), WM_KEYDOWN, VK_TAB, 0x000F0001); }

    void PressEnter(Form& form) override {
        Key(KeyTarget(form), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    }

    void PressAccessKey(Form& form, char letter) override {
        const auto lower = static_cast<WPARAM>(std::tolower(static_cast<unsigned char>(letter)));
        // Bit 29: the Alt key is down.
        Key(KeyTarget(form), WM_SYSCHAR, lower, 0x20000001);
    }

    void CloseByUser(Form& form) override {
        if (HWND hwnd = HandleOf(form)) SendMessageW(hwnd, WM_CLOSE, 0, 0);
    }

    bool PumpUntil(const std::function<bool()>& condition, int timeoutMs) override {
        const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
        for (;;) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT) continue;
                backend_->Dispatch(message);
                if (condition()) return true;
            }
            if (condition()) return true;
            const ULONGLONG now = GetTickCount64();
            if (now >= deadline) return false;
            MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(deadline - now),
                                        QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        }
    }

    void OnNextModal(std::function<void(Form&)> action) override {
        pendingModal_.push_back(std::move(action));
    }

    Control* FocusedControl(Form& form) override {
        HWND focus = GetFocus();
        if (!focus) return nullptr;
        for (Control* control : form.Controls())
            if (HandleOf(*control) == focus) return control;
        return nullptr;
    }

private:
    // Keys go to the focused window of the form, or to the form itself.
    static HWND KeyTarget(Form& form) {
        HWND window = HandleOf(form);
        HWND focus = GetFocus();
        return focus && (focus == window || IsChild(window, focus)) ? focus : window;
    }

    void Key(HWND hwnd, UINT messageId, WPARAM wParam, LPARAM lParam) {
        if (!hwnd) return;
        MSG message{};
        message.hwnd = hwnd;
        message.message = messageId;
        message.wParam = wParam;
        message.lParam = lParam;
        message.time = GetMessageTime();
        backend_->Dispatch(message);
    }

    std::unique_ptr<Backend> backendOwner_;
    win32::Win32Backend* backend_ = nullptr;
    std::deque<std::function<void(Form&)>> pendingModal_;
};

}  // namespace

std::unique_ptr<Driver> MakeDriver() { return std::make_unique<Win32Driver>(); }

}  // namespace forms::testing

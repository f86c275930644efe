// Driver of the conformance suite for the headless backend: simulated input
// goes straight to the model's Raise... functions, following the rules a
// Windows dialog applies to the same keys.
#include <cctype>
#include <deque>

#include "forms/driver.h"
#include "forms/headless/headless_backend.h"

namespace forms::testing {

namespace {

bool TakesInput(const Control& control) {
    return control.Visible() && control.Enabled() && control.Kind() != ControlKind::Timer;
}

// The letter after a single "&" in caption, lower case; 0 when there is none.
char AccessKey(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
    }
    return 0;
}

class HeadlessDriver : public Driver {
public:
    HeadlessDriver() {
        backend_.onModal = [this](Form& form) {
            if (pendingModal_.empty()) return;
            auto action = std::move(pendingModal_.front());
            pendingModal_.pop_front();
            action(form);
        };
    }

    Backend& GetBackend() override { return backend_; }

    void Click(Control& control) override {
        if (TakesInput(control) && control.GetPeer()) control.RaiseClick();
    }

    void MouseMove(Control& control, int x, int y) override {
        if (!control.GetPeer()) return;
        MouseState state;
        state.x = x * backend_.TwipsPerPixelX();
        state.y = y * backend_.TwipsPerPixelY();
        control.RaiseMouseMove(state);
    }

    void TypeChar(Control& control, char character) override {
        if (!TakesInput(control) || !control.GetPeer()) return;
        const int key = control.RaiseKeyPress(static_cast<unsigned char>(character));
        if (key == 0 || control.Kind() != ControlKind::TextBox) return;
        auto& box = static_cast<TextBox&>(control);
        if (box.Locked()) return;
        std::string text = box.Text();
        const auto start = static_cast<std::size_t>(box.SelStart());
        const auto length = static_cast<std::size_t>(box.SelLength());
        if (key == '\b') {
            if (length > 0) {
                text.erase(start, length);
                box.RaiseTextChangedByUser(text);
                box.UpdateSelectionFromUser(static_cast<int>(start), 0);
            } else if (start > 0) {
                text.erase(start - 1, 1);
                box.RaiseTextChangedByUser(text);
                box.UpdateSelectionFromUser(static_cast<int>(start) - 1, 0);
            }
            return;
        }
        if (key < 0x20 || key > 0xFF) return;  // control characters change no text
        text.replace(start, length, 1, static_cast<char>(key));
        box.RaiseTextChangedByUser(text);
        box.UpdateSelectionFromUser(static_cast<int>(start) + 1, 0);
    }

    void PressTab(Form& form) override {
        const auto& controls = form.Controls();
        if (controls.empty()) return;
        const Control* focused = FocusedControl(form);
        std::size_t from = controls.size() - 1;
        for (std::size_t i = 0; i < controls.size(); ++i)
            if (controls[i] == focused) from = i;
        for (std::size_t step = 1; step <= controls.size(); ++step) {
            Control* next = controls[(from + step) % controls.size()];
            if (next->TabStop() && TakesInput(*next)) {
                next->SetFocus();
                return;
            }
        }
    }

    void PressEnter(Form& form) override {
        // A focused button takes Enter itself; otherwise the default button.
        Control* focused = FocusedControl(form);
        if (focused && focused->Kind() == ControlKind::CommandButton) {
            Click(*focused);
        } else if (CommandButton* button = form.DefaultButton()) {
            Click(*button);
        }
    }

    void PressAccessKey(Form& form, char letter) override {
        const char wanted = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
        const auto& controls = form.Controls();
        for (std::size_t i = 0; i < controls.size(); ++i) {
            Control* control = controls[i];
            if (!TakesInput(*control) || AccessKey(control->Caption()) != wanted) continue;
            if (control->Kind() == ControlKind::CommandButton) {
                Click(*control);
                return;
            }
            if (control->Kind() == ControlKind::Label) {
                // A label's access key moves the focus to the next control.
                for (std::size_t j = i + 1; j < controls.size(); ++j) {
                    if (controls[j]->TabStop() && TakesInput(*controls[j])) {
                        controls[j]->SetFocus();
                        return;
                    }
                }
                return;
            }
        }
    }

    void CloseByUser(Form& form) override {
        if (form.Loaded()) form.RaiseCloseRequest();
    }

    bool PumpUntil(const std::function<bool()>& condition, int timeoutMs) override {
        // Simulated time: one millisecond at a time, timers firing as due.
        for (int elapsed = 0;; ++elapsed) {
            if (condition()) return true;
            if (elapsed >= timeoutMs) return false;
            backend_.AdvanceTime(1);
        }
    }

    void OnNextModal(std::function<void(Form&)> action) override {
        pendingModal_.push_back(std::move(action));
    }

    Control* FocusedControl(Form& form) override {
        Control* focused = backend_.Focused();
        return focused && &focused->Parent() == &form ? focused : nullptr;
    }

private:
    headless::Backend backend_;
    std::deque<std::function<void(Form&)>> pendingModal_;
};

}  // namespace

std::unique_ptr<Driver> MakeDriver() { return std::make_unique<HeadlessDriver>(); }

}  // namespace forms::testing

// Simulated user input for the conformance suite of the control model. The
// headless driver calls the model's Raise... functions directly; the win32
// driver sends real window messages to the native windows, so that the
// suite checks that both backends deliver the same events.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace forms::testing {

class Driver {
public:
    virtual ~Driver() = default;
    virtual forms::Backend& GetBackend() = 0;
    // Clicks a button (or label) as the user would.
    virtual void Click(forms::Control& control) = 0;
    // Moves the mouse over the control, at (x, y) pixels inside it.
    virtual void MouseMove(forms::Control& control, int x, int y) = 0;
    // Types one character into the focused control.
    virtual void TypeChar(forms::Control& control, char character) = 0;
    // Presses a key that moves focus or presses buttons: Tab, Enter, Escape,
    // or Alt with a letter (access keys).
    virtual void PressTab(forms::Form& form) = 0;
    virtual void PressEnter(forms::Form& form) = 0;
    virtual void PressAccessKey(forms::Form& form, char letter) = 0;
    // Closes the form through its window frame (close box).
    virtual void CloseByUser(forms::Form& form) = 0;
    // Handles pending window messages; waits up to timeoutMs for condition.
    virtual bool PumpUntil(const std::function<bool()>& condition, int timeoutMs) = 0;
    // While the next modal form is shown, runs action (then the form must be
    // hidden or unloaded by the action).
    virtual void OnNextModal(std::function<void(forms::Form&)> action) = 0;
    // The control that has the keyboard focus, or nullptr.
    virtual forms::Control* FocusedControl(forms::Form& form) = 0;
};

// The driver of the backend this test executable is built with.
std::unique_ptr<Driver> MakeDriver();

}  // namespace forms::testing

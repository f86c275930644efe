// WinTop of the wait and splash windows: "1" keeps the window above all
// windows that are not themselves kept on top, any other text releases it.
// Like SetWindowPos with SWP_SHOWWINDOW | SWP_NOACTIVATE, setting it also
// shows a loaded window without activating it.
#pragma once

#include <string>

#include "forms/form.h"

namespace menu {

inline void SetWinTop(forms::Form& form, const std::string& text) {
    form.SetTopMost(text == "1");
}

}  // namespace menu

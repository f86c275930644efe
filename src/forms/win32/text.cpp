#include "forms/win32/text.h"

#include <algorithm>

namespace forms::win32 {

std::string WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return Narrow(text);
}

int Utf16Offset(const std::string& text, int utf8Offset) {
    const int end = std::clamp(utf8Offset, 0, static_cast<int>(text.size()));
    return static_cast<int>(Widen(text.substr(0, static_cast<std::size_t>(end))).size());
}

int Utf8Offset(const std::wstring& text, int utf16Offset) {
    const int end = std::clamp(utf16Offset, 0, static_cast<int>(text.size()));
    return static_cast<int>(Narrow(text.substr(0, static_cast<std::size_t>(end))).size());
}

Dpi Dpi::OfScreen() {
    Dpi dpi;
    if (HDC screen = GetDC(nullptr)) {
        dpi.x = GetDeviceCaps(screen, LOGPIXELSX);
        dpi.y = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    if (dpi.x <= 0) dpi.x = 96;
    if (dpi.y <= 0) dpi.y = 96;
    return dpi;
}

Dpi Dpi::OfWindow(HWND window) {
    // GetDpiForWindow came with Windows 10 1607; user32 is loaded anyway.
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow && window) {
        const int dpi = static_cast<int>(getDpiForWindow(window));
        if (dpi > 0) return Dpi{dpi, dpi};
    }
    return OfScreen();
}

}  // namespace forms::win32

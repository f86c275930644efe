#include <windows.h>

#include "os/console.h"
#include "os/win32/wide.h"

namespace os::console {

bool WriteLine(Stream stream, const std::string& text) {
    const HANDLE handle =
        ::GetStdHandle(stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr) return false;
    DWORD mode = 0;
    if (::GetConsoleMode(handle, &mode)) {
        const std::wstring line = win32::Widen(text) + L"\r\n";
        DWORD written = 0;
        return ::WriteConsoleW(handle, line.data(), static_cast<DWORD>(line.size()), &written,
                               nullptr) != FALSE &&
               written == line.size();
    }
    const std::string line = text + "\r\n";
    DWORD written = 0;
    return ::WriteFile(handle, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) !=
               FALSE &&
           written == line.size();
}

bool IsTerminal(Stream stream) {
    const HANDLE handle =
        ::GetStdHandle(stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && ::GetConsoleMode(handle, &mode);
}

bool WriteOver(Stream stream, const std::string& text) {
    const HANDLE handle =
        ::GetStdHandle(stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr || !::GetConsoleMode(handle, &mode))
        return false;
    const std::wstring line = L"\r" + win32::Widen(text);
    DWORD written = 0;
    return ::WriteConsoleW(handle, line.data(), static_cast<DWORD>(line.size()), &written,
                           nullptr) != FALSE;
}

}  // namespace os::console

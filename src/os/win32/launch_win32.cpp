// Starting programs and opening documents through the Windows shell.
#include <string>
#include <vector>

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "os/os.h"
#include "os/win32/system_library.h"
#include "os/win32/wide.h"

namespace os {
namespace {

int ShowCommand(WindowState state) {
    return state == WindowState::Minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
}

bool HoldsNull(const std::string& text) { return text.find('\0') != std::string::npos; }

}  // namespace

bool ShellOpen(std::uintptr_t owner, const std::string& file, const std::string& parameters,
               const std::string& verb, const std::string& folder, WindowState state) {
    if (file.empty() || HoldsNull(file) || HoldsNull(parameters) || HoldsNull(verb) ||
        HoldsNull(folder)) {
        return false;
    }
    const std::wstring wideVerb = win32::Widen(verb);
    const std::wstring wideFile = win32::Widen(file);
    const std::wstring wideParameters = win32::Widen(parameters);
    const std::wstring wideFolder = win32::Widen(folder);
    // shell32 is loaded here, not at the program's start, which rarely needs
    // it; it stays loaded, since the shell may go on working in the background.
    using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, const wchar_t*, const wchar_t*,
                                              const wchar_t*, const wchar_t*, int);
    const auto shellExecute =
        win32::SystemFunctionAs<ShellExecuteFn>(L"shell32.dll", "ShellExecuteW");
    if (!shellExecute) return false;
    const HINSTANCE result = shellExecute(
        reinterpret_cast<HWND>(owner), win32::OrNull(wideVerb), wideFile.c_str(),
        win32::OrNull(wideParameters), win32::OrNull(wideFolder), ShowCommand(state));
    // Values above 32 mean success.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

bool StartProcess(const std::string& commandLine, WindowState state) {
    if (commandLine.empty() || HoldsNull(commandLine)) return false;
    // CreateProcessW may write into the command line.
    const std::wstring wide = win32::Widen(commandLine);
    std::vector<wchar_t> line(wide.begin(), wide.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(ShowCommand(state));
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        return false;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

}  // namespace os

// Starting programs and opening documents through the Windows shell.
#include <string>
#include <vector>

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "os/command_line.h"
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

bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                  WindowState state) {
    if (program.empty() || HoldsNull(program)) return false;
    for (const auto& argument : arguments)
        if (HoldsNull(argument)) return false;
    // The program is named twice: as the file to run, so that Windows does
    // not look for a shorter prefix of a path with blanks, and quoted at the
    // head of the command line, where the program finds its own name.
    const std::wstring file = win32::Widen(program);
    const std::wstring wide = win32::Widen(command_line::Join(program, arguments));
    // CreateProcessW may write into the command line.
    std::vector<wchar_t> line(wide.begin(), wide.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(ShowCommand(state));
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(file.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        return false;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

bool OpenPage(std::uintptr_t owner, const std::string& path, const std::string& fragment) {
    if (path.empty() || HoldsNull(path) || HoldsNull(fragment)) return false;
    // The program the shell opens the page with; it takes the page's
    // address, section and all, which the shell itself would not pass on.
    using FindExecutableFn = HINSTANCE(WINAPI*)(const wchar_t*, const wchar_t*, wchar_t*);
    const auto findExecutable =
        win32::SystemFunctionAs<FindExecutableFn>(L"shell32.dll", "FindExecutableW");
    wchar_t browser[MAX_PATH] = L"";
    if (findExecutable &&
        reinterpret_cast<INT_PTR>(findExecutable(win32::Widen(path).c_str(), nullptr, browser)) > 32 &&
        browser[0] != L'\0' &&
        ShellOpen(owner, win32::Narrow(browser, wcslen(browser)),
                  command_line::Quote(FileUrl(path, fragment)), "", "", WindowState::Normal))
        return true;
    return ShellOpen(owner, path, "", "", "", WindowState::Normal);
}

namespace {

// The Windows help engine came with Windows up to XP; later versions have
// a stand-in of a few kilobytes in its place that only explains that it is
// missing, unless the engine was installed separately.
bool HelpEngineInstalled() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (::GetVersionExW(&version) && version.dwMajorVersion < 6) return true;
#pragma GCC diagnostic pop
    wchar_t folder[MAX_PATH] = L"";
    const UINT length = ::GetWindowsDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    WIN32_FILE_ATTRIBUTE_DATA engine{};
    if (!::GetFileAttributesExW((std::wstring(folder) + L"\\winhlp32.exe").c_str(),
                                GetFileExInfoStandard, &engine))
        return false;
    return engine.nFileSizeHigh > 0 || engine.nFileSizeLow >= 64 * 1024;
}

}  // namespace

bool ShowHelp(std::uintptr_t owner, const std::string& helpFile, unsigned command,
              unsigned long data) {
    if (HoldsNull(helpFile)) return false;
    // Ending the help needs no engine; opening a file does.
    if (command != HELP_QUIT && !HelpEngineInstalled()) return false;
    const std::wstring file = win32::Widen(helpFile);
    return ::WinHelpW(reinterpret_cast<HWND>(owner), file.empty() ? nullptr : file.c_str(), command,
                      data) != FALSE;
}

}  // namespace os

#include <windows.h>
#include <shellapi.h>

#include "os/os.h"
#include "os/win32/system_library.h"
#include "os/win32/wide.h"

namespace os {

std::vector<std::string> ProgramArguments(int, char**) {
    std::vector<std::string> arguments;
    // shell32 is loaded here, not at the program's start, which rarely needs it.
    using SplitFn = wchar_t**(WINAPI*)(const wchar_t*, int*);
    const auto split = win32::SystemFunctionAs<SplitFn>(L"shell32.dll", "CommandLineToArgvW");
    int count = 0;
    wchar_t** words = split ? split(GetCommandLineW(), &count) : nullptr;
    if (!words) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(win32::Narrow(words[i], wcslen(words[i])));
    LocalFree(words);
    return arguments;
}

}  // namespace os

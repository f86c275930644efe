#include <windows.h>
#include <shellapi.h>

#include "os/os.h"
#include "os/win32/wide.h"

namespace os {

std::vector<std::string> ProgramArguments(int, char**) {
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(win32::Narrow(words[i], wcslen(words[i])));
    LocalFree(words);
    return arguments;
}

}  // namespace os

// Functions of system DLLs that the programs rarely need, found on first use
// instead of being imported at start-up. Only the system folder is searched,
// so a DLL of the same name beside the program (on a CD, say) is never used.
#pragma once

#include <windows.h>

namespace os::win32 {

// The function, or nullptr when the DLL or the function is missing. The DLL
// stays loaded until the process ends.
FARPROC SystemFunction(const wchar_t* dll, const char* name);

template <class Function>
Function SystemFunctionAs(const wchar_t* dll, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemFunction(dll, name)));
}

}  // namespace os::win32

#include "os/win32/system_library.h"

namespace os::win32 {

FARPROC SystemFunction(const wchar_t* dll, const char* name) {
    HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module && GetLastError() == ERROR_INVALID_PARAMETER)
        module = LoadLibraryW(dll);  // Windows 7 without KB2533623
    return module ? GetProcAddress(module, name) : nullptr;
}

}  // namespace os::win32

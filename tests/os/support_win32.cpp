#include <string>
#include <windows.h>

#include "support.h"

namespace os_test {

bool RunningUnderWine() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

SettingsSandbox::SettingsSandbox()
    : application_("KelvoTest" + std::to_string(::GetCurrentProcessId())) {}

SettingsSandbox::~SettingsSandbox() {
    const std::wstring key =
        L"Software\\" + std::wstring(application_.begin(), application_.end());
    ::RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
}

}  // namespace os_test

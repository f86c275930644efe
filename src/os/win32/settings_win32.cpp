// Per-user settings in the registry: the value named key of
// HKEY_CURRENT_USER\Software\<application>\<section>, as a string.
#include <string>
#include <vector>
#include <windows.h>

#include "os/os.h"
#include "os/win32/wide.h"

namespace os {
namespace {

// The key's path below HKEY_CURRENT_USER; empty when application, section
// or key is empty (they would name a key above the application's own).
std::wstring SettingsKey(const std::string& application, const std::string& section,
                         const std::string& key) {
    if (application.empty() || section.empty() || key.empty()) return {};
    if (application.find('\\') != std::string::npos) return {};
    for (const std::string* text : {&application, &section, &key}) {
        if (text->find('\0') != std::string::npos) return {};
    }
    return L"Software\\" + win32::Widen(application) + L"\\" + win32::Widen(section);
}

}  // namespace

std::string GetSetting(const std::string& application, const std::string& section,
                       const std::string& key, const std::string& defaultValue) {
    const std::wstring path = SettingsKey(application, section, key);
    if (path.empty()) return defaultValue;
    const std::wstring name = win32::Widen(key);
    for (;;) {
        DWORD bytes = 0;
        LONG status = ::RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ,
                                     nullptr, nullptr, &bytes);
        if (status != ERROR_SUCCESS) return defaultValue;
        std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        status = ::RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ,
                                nullptr, buffer.data(), &bytes);
        if (status == ERROR_MORE_DATA) continue;  // it grew in between
        if (status != ERROR_SUCCESS) return defaultValue;
        // RegGetValueW counts the terminating NUL.
        std::size_t length = bytes / sizeof(wchar_t);
        while (length > 0 && buffer[length - 1] == L'\0') --length;
        return win32::Narrow(buffer.data(), length);
    }
}

bool SaveSetting(const std::string& application, const std::string& section,
                 const std::string& key, const std::string& value) {
    const std::wstring path = SettingsKey(application, section, key);
    if (path.empty() || value.find('\0') != std::string::npos) return false;
    HKEY handle = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &handle, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const std::wstring data = win32::Widen(value);
    const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    const LONG status = ::RegSetValueExW(handle, win32::Widen(key).c_str(), 0, REG_SZ,
                                         reinterpret_cast<const BYTE*>(data.c_str()), bytes);
    ::RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

}  // namespace os

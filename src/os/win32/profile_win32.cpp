// Profile strings through the Windows functions themselves.
#include <algorithm>
#include <string>
#include <vector>
#include <windows.h>

#include "os/os.h"
#include "os/profile_rules.h"
#include "os/win32/wide.h"

namespace os {
namespace {

// What the Windows function gives for a missing key: the default without
// trailing spaces, cut to the room.
std::string DefaultResult(const std::string& defaultValue, std::size_t room) {
    std::wstring value = win32::Widen(defaultValue);
    value.erase(value.find_last_not_of(L' ') + 1);
    if (value.size() > room - 1) {
        value.resize(room - 1);
        if (!value.empty() && value.back() >= 0xD800 && value.back() <= 0xDBFF) value.pop_back();
    }
    return win32::Narrow(value);
}

// Windows looks for a bare file name in its own folder; here, as on every
// other platform, it means the current folder.
std::wstring ProfilePath(const std::string& path) {
    std::wstring file = win32::Widen(path);
    if (file.find_first_of(L"\\/:") == std::wstring::npos) file.insert(0, L".\\");
    return file;
}

}  // namespace

std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              std::size_t room) {
    if (room == 0) return "";
    // An empty path would make Windows read its own win.ini.
    if (!profile::IsReadable(path, section, key)) return DefaultResult(defaultValue, room);
    try {
        const std::wstring file = ProfilePath(path);
        const std::wstring name = win32::Widen(section);
        const std::wstring entry = win32::Widen(key);
        const std::wstring fallback = win32::Widen(defaultValue);
        // The buffer grows until the value fits or reaches the room.
        const std::size_t limit = std::min<std::size_t>(room, 0x7FFFFFFF);
        std::size_t size = std::min<std::size_t>(limit, 4096);
        std::vector<wchar_t> buffer;
        for (;;) {
            buffer.assign(size, L'\0');
            const DWORD length =
                ::GetPrivateProfileStringW(name.c_str(), entry.c_str(), fallback.c_str(),
                                           buffer.data(), static_cast<DWORD>(size), file.c_str());
            if (length + 1 < size || size == limit) return win32::Narrow(buffer.data(), length);
            size = std::min(limit, size * 2);
        }
    } catch (...) {
        return DefaultResult(defaultValue, room);
    }
}

bool WriteProfileString(const std::string& path, const std::string& section,
                        const std::string& key, const std::string& value) {
    if (!profile::IsWritable(path, section, key, value)) return false;
    return ::WritePrivateProfileStringW(win32::Widen(section).c_str(), win32::Widen(key).c_str(),
                                        win32::Widen(value).c_str(),
                                        ProfilePath(path).c_str()) != FALSE;
}

}  // namespace os

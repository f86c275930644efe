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
            if (length + 1 < size) return win32::Narrow(buffer.data(), length);
            if (size == limit) {
                // Cut to the room: never inside a character.
                DWORD kept = length;
                if (kept > 0 && buffer[kept - 1] >= 0xD800 && buffer[kept - 1] <= 0xDBFF) --kept;
                return win32::Narrow(buffer.data(), kept);
            }
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

bool FitsCodePage(const std::string& text) {
    const UINT codePage = ::GetACP();
    if (codePage == CP_UTF8) return true;
    const std::wstring wide = win32::Widen(text);
    if (wide.empty()) return true;
    BOOL lost = FALSE;
    const int length = ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(),
                                             static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                             &lost);
    return length > 0 && !lost;
}

namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
    }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

bool MakeProfileUnicode(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) return false;
    const std::wstring file = ProfilePath(path);
    std::string bytes;
    {
        FileHandle in(::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (in.get() == INVALID_HANDLE_VALUE) {
            if (::GetLastError() != ERROR_FILE_NOT_FOUND) return false;
        } else {
            char buffer[8192];
            DWORD got = 0;
            while (::ReadFile(in.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
                bytes.append(buffer, got);
        }
    }
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') return true;
    std::wstring text;
    if (!bytes.empty()) {
        const int length = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(),
                                                 static_cast<int>(bytes.size()), nullptr, 0);
        if (length <= 0) return false;
        text.resize(static_cast<std::size_t>(length));
        ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                              length);
    }
    text.insert(text.begin(), L'\xFEFF');
    FileHandle out(::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (out.get() == INVALID_HANDLE_VALUE) return false;
    const auto size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    DWORD written = 0;
    return ::WriteFile(out.get(), text.data(), size, &written, nullptr) && written == size;
}

}  // namespace os

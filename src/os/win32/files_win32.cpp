// Files, folders and drives through the Win32 API.
#include <string>
#include <vector>
#include <windows.h>

#include "os/os.h"
#include "os/win32/wide.h"

namespace os {
namespace {

// Keeps Windows from asking the user to insert a disk while a lookup on an
// empty drive runs; the lookup just fails.
class QuietDriveErrors {
public:
    QuietDriveErrors() {
        ok_ = ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_);
    }
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;
    ~QuietDriveErrors() {
        if (ok_) ::SetThreadErrorMode(previous_, nullptr);
    }

private:
    DWORD previous_ = 0;
    BOOL ok_ = FALSE;
};

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

bool FileExists(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) return false;
    // A drive on its own ("S:") stands for the drive, which must exist and
    // hold a medium; its root lists no entries when it is empty.
    std::string target = path;
    if (target.size() == 2 && target[1] == ':' && IsDriveLetter(target[0])) target += '\\';
    // The attributes, not a pattern search: "*" and "?" find nothing.
    QuietDriveErrors quiet;
    return ::GetFileAttributesW(win32::Widen(target).c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace {

bool Usable(const std::string& path) { return !path.empty() && path.find('\0') == std::string::npos; }

}  // namespace

bool CopyFileOver(const std::string& from, const std::string& to) {
    if (!Usable(from) || !Usable(to)) return false;
    const std::wstring target = win32::Widen(to);
    if (!::CopyFileW(win32::Widen(from).c_str(), target.c_str(), FALSE)) return false;
    // The copy is the caller's to write, even where the original is
    // read-only (CopyFile keeps the attribute).
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        ::SetFileAttributesW(target.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
    return true;
}

bool MoveFileOver(const std::string& from, const std::string& to) {
    if (!Usable(from) || !Usable(to)) return false;
    const std::wstring target = win32::Widen(to);
    // Windows refuses to replace a read-only file; Wine replaces it. Ask
    // first, so that a read-only project file stays what it is everywhere.
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    return ::MoveFileExW(win32::Widen(from).c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool DeleteFileAt(const std::string& path) {
    if (!Usable(path)) return false;
    return ::DeleteFileW(win32::Widen(path).c_str()) != FALSE;
}

bool DriveExists(char letter) {
    if (!IsDriveLetter(letter)) return false;
    const int index = (letter & ~0x20) - 'A';
    return (::GetLogicalDrives() >> index) & 1;
}

std::string ProgramFolder() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return "";
        if (length < buffer.size()) {
            std::wstring program(buffer.data(), length);
            const std::size_t separator = program.find_last_of(L"\\/");
            if (separator == std::wstring::npos) return "";
            program.resize(separator);
            if (program.size() == 2 && program[1] == L':') program += L'\\';
            return win32::Narrow(program);
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace os

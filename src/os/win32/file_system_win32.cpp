// Folders and files through CreateFileW, FindFirstFileW, ReadFile and
// WriteFile.
#include <windows.h>

#include <algorithm>

#include "os/file_system.h"
#include "os/win32/wide.h"

namespace os {
namespace {

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

bool Usable(const std::string& path) { return !path.empty() && path.find('\0') == std::string::npos; }

// 100-nanosecond steps since 1601 to whole seconds since 1970, rounded
// down, as the file's time in a directory listing.
std::int64_t UnixSeconds(const FILETIME& time) {
    const std::int64_t ticks =
        static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) |
                                  time.dwLowDateTime);
    constexpr std::int64_t TicksPerSecond = 10'000'000;
    constexpr std::int64_t From1601To1970 = 11'644'473'600;
    std::int64_t seconds = ticks / TicksPerSecond;
    if (ticks % TicksPerSecond < 0) --seconds;
    return seconds - From1601To1970;
}

// Only reading the attributes, not the data: a folder opens too.
HANDLE OpenForFacts(const std::wstring& path) {
    return ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
           error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH;
}

}  // namespace

std::string ChildPath(const std::string& folder, const std::string& name) {
    const bool separated = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
    return folder + (separated ? "" : "\\") + name;
}

std::optional<EntryFacts> FactsOf(const std::string& path) {
    if (!Usable(path)) return std::nullopt;
    const std::wstring wide = win32::Widen(path);
    EntryFacts facts;
    const DWORD own = ::GetFileAttributesW(wide.c_str());
    if (own == INVALID_FILE_ATTRIBUTES) {
        if (IsMissing(::GetLastError())) return facts;
        return std::nullopt;
    }
    facts.link = (own & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    HANDLE handle = OpenForFacts(wide);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information{};
    const BOOL known = ::GetFileInformationByHandle(handle, &information);
    const DWORD type = ::GetFileType(handle);
    ::CloseHandle(handle);
    if (!known) return std::nullopt;
    if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        facts.kind = EntryKind::Folder;
    else
        facts.kind = type == FILE_TYPE_DISK ? EntryKind::File : EntryKind::Other;
    if (facts.kind == EntryKind::File)
        facts.size = (static_cast<std::uint64_t>(information.nFileSizeHigh) << 32) |
                     information.nFileSizeLow;
    facts.time = UnixSeconds(information.ftLastWriteTime);
    facts.identity = std::to_string(information.dwVolumeSerialNumber) + ":" +
                     std::to_string((static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) |
                                    information.nFileIndexLow);
    return facts;
}

std::optional<std::vector<std::string>> ListFolder(const std::string& path) {
    if (!Usable(path)) return std::nullopt;
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW(win32::Widen(ChildPath(path, "*")).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<std::string> names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(win32::Narrow(name));
    } while (::FindNextFileW(search, &found));
    const DWORD error = ::GetLastError();
    ::FindClose(search);
    if (error != ERROR_NO_MORE_FILES) return std::nullopt;
    return names;
}

InputFile::InputFile(const std::string& path) {
    if (!Usable(path)) return;
    HANDLE file = ::CreateFileW(win32::Widen(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file != INVALID_HANDLE_VALUE) handle_ = reinterpret_cast<std::intptr_t>(file);
}

InputFile::~InputFile() {
    if (IsOpen()) ::CloseHandle(AsHandle(handle_));
}

std::optional<std::size_t> InputFile::Read(char* bytes, std::size_t length) {
    if (!IsOpen()) return std::nullopt;
    std::size_t total = 0;
    while (total < length) {
        const DWORD asked = static_cast<DWORD>(std::min<std::size_t>(length - total, 1u << 30));
        DWORD read = 0;
        if (!::ReadFile(AsHandle(handle_), bytes + total, asked, &read, nullptr)) return std::nullopt;
        if (read == 0) break;
        total += read;
    }
    return total;
}

OutputFile::OutputFile(const std::string& path) {
    if (!Usable(path)) return;
    HANDLE file = ::CreateFileW(win32::Widen(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN,
                                nullptr);
    if (file != INVALID_HANDLE_VALUE) handle_ = reinterpret_cast<std::intptr_t>(file);
}

OutputFile::~OutputFile() { Close(); }

bool OutputFile::Write(const char* bytes, std::size_t length) {
    if (!IsOpen()) return false;
    for (std::size_t total = 0; total < length;) {
        const DWORD asked = static_cast<DWORD>(std::min<std::size_t>(length - total, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(AsHandle(handle_), bytes + total, asked, &written, nullptr) ||
            written == 0) {
            const DWORD error = ::GetLastError();
            diskFull_ = error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL;
            return false;
        }
        total += written;
    }
    return true;
}

bool OutputFile::Close() {
    if (!IsOpen()) return false;
    const BOOL closed = ::CloseHandle(AsHandle(handle_));
    handle_ = Closed;
    return closed != FALSE;
}

}  // namespace os

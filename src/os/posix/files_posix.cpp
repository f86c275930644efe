// Files, folders and drives on platforms with one file tree and no drive
// letters.
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "os/os.h"
#include "os/posix/file_bytes.h"

namespace os {

bool FileExists(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) return false;
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
}

bool CopyFileOver(const std::string& from, const std::string& to) {
    if (from.find('\0') != std::string::npos || to.find('\0') != std::string::npos) return false;
    struct stat info;
    if (::stat(from.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    const auto bytes = posix::ReadFileBytes(from);
    return bytes && posix::WriteFileBytes(to, *bytes);
}

bool MoveFileOver(const std::string& from, const std::string& to) {
    if (from.empty() || to.empty() || from.find('\0') != std::string::npos ||
        to.find('\0') != std::string::npos)
        return false;
    // Like Windows, a read-only file is not replaced (rename alone would
    // replace it whenever its folder is writable). Read-only is a file that
    // nobody may write to, or that we may not, whoever we are.
    struct stat info;
    if (::stat(to.c_str(), &info) == 0 &&
        (S_ISDIR(info.st_mode) || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
         ::access(to.c_str(), W_OK) != 0))
        return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool DeleteFileAt(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) return false;
    return ::unlink(path.c_str()) == 0;
}

bool DriveExists(char) {
    // There are no drive letters here.
    return false;
}

std::string ProgramFolder() {
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return "";
        if (static_cast<std::size_t>(length) < buffer.size()) {
            const std::string program(buffer.data(), static_cast<std::size_t>(length));
            const std::size_t slash = program.rfind('/');
            if (slash == std::string::npos) return "";
            return slash == 0 ? "/" : program.substr(0, slash);
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace os

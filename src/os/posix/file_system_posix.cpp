// Folders and files through stat, opendir, open, read and write.
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "os/file_system.h"

namespace os {
namespace {

bool Usable(const std::string& path) { return !path.empty() && path.find('\0') == std::string::npos; }

int AsDescriptor(std::intptr_t handle) { return static_cast<int>(handle); }

}  // namespace

std::string ChildPath(const std::string& folder, const std::string& name) {
    const bool separated = !folder.empty() && folder.back() == '/';
    return folder + (separated ? "" : "/") + name;
}

std::optional<EntryFacts> FactsOf(const std::string& path) {
    if (!Usable(path)) return std::nullopt;
    EntryFacts facts;
    struct stat own;
    if (::lstat(path.c_str(), &own) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return facts;
        return std::nullopt;
    }
    facts.link = S_ISLNK(own.st_mode);
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    facts.kind = S_ISDIR(info.st_mode)   ? EntryKind::Folder
                 : S_ISREG(info.st_mode) ? EntryKind::File
                                         : EntryKind::Other;
    if (facts.kind == EntryKind::File) facts.size = static_cast<std::uint64_t>(info.st_size);
    facts.time = static_cast<std::int64_t>(info.st_mtime);
    facts.identity = std::to_string(static_cast<unsigned long long>(info.st_dev)) + ":" +
                     std::to_string(static_cast<unsigned long long>(info.st_ino));
    return facts;
}

std::optional<std::vector<std::string>> ListFolder(const std::string& path) {
    if (!Usable(path)) return std::nullopt;
    DIR* folder = ::opendir(path.c_str());
    if (!folder) return std::nullopt;
    std::vector<std::string> names;
    errno = 0;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
        errno = 0;
    }
    const bool complete = errno == 0;
    ::closedir(folder);
    if (!complete) return std::nullopt;
    return names;
}

InputFile::InputFile(const std::string& path) {
    if (!Usable(path)) return;
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor >= 0) handle_ = descriptor;
}

InputFile::~InputFile() {
    if (IsOpen()) ::close(AsDescriptor(handle_));
}

std::optional<std::size_t> InputFile::Read(char* bytes, std::size_t length) {
    if (!IsOpen()) return std::nullopt;
    std::size_t total = 0;
    while (total < length) {
        const ssize_t read = ::read(AsDescriptor(handle_), bytes + total, length - total);
        if (read < 0 && errno == EINTR) continue;
        if (read < 0) return std::nullopt;
        if (read == 0) break;
        total += static_cast<std::size_t>(read);
    }
    return total;
}

OutputFile::OutputFile(const std::string& path) {
    if (!Usable(path)) return;
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor >= 0) handle_ = descriptor;
}

OutputFile::~OutputFile() { Close(); }

bool OutputFile::Write(const char* bytes, std::size_t length) {
    if (!IsOpen()) return false;
    for (std::size_t total = 0; total < length;) {
        const ssize_t written = ::write(AsDescriptor(handle_), bytes + total, length - total);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            diskFull_ = written < 0 && (errno == ENOSPC || errno == EDQUOT);
            return false;
        }
        total += static_cast<std::size_t>(written);
    }
    return true;
}

bool OutputFile::Close() {
    if (!IsOpen()) return false;
    const bool closed = ::close(AsDescriptor(handle_)) == 0;
    if (!closed) diskFull_ = errno == ENOSPC || errno == EDQUOT;
    handle_ = Closed;
    return closed;
}

}  // namespace os

// Files, folders and drives on platforms with one file tree and no drive
// letters.
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "os/os.h"

namespace os {

bool FileExists(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) return false;
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
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

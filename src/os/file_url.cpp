#include <string>

#include "os/os.h"

namespace os {

std::string FileUrl(const std::string& path, const std::string& fragment) {
    static const char hex[] = "0123456789ABCDEF";
    std::string url = "file://";
    // A drive path begins with the drive after a third slash.
    if (!path.empty() && path[0] != '/' && path[0] != '\\') url += '/';
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\\') {
            url += '/';
        } else if (c <= 0x20 || c >= 0x7F || c == '%' || c == '#' || c == '?' || c == '"') {
            url += '%';
            url += hex[c >> 4];
            url += hex[c & 0xF];
        } else {
            url += static_cast<char>(c);
        }
    }
    if (!fragment.empty()) url += "#" + fragment;
    return url;
}

}  // namespace os

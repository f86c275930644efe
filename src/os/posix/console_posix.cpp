#include <cstdio>

#include "os/console.h"

namespace os::console {

bool WriteLine(Stream stream, const std::string& text) {
    std::FILE* file = stream == Stream::Output ? stdout : stderr;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                         std::fputc('\n', file) != EOF;
    return std::fflush(file) == 0 && written;
}

}  // namespace os::console

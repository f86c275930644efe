#include <cstdio>
#include <unistd.h>

#include "os/console.h"

namespace os::console {

bool WriteLine(Stream stream, const std::string& text) {
    std::FILE* file = stream == Stream::Output ? stdout : stderr;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                         std::fputc('\n', file) != EOF;
    return std::fflush(file) == 0 && written;
}

bool IsTerminal(Stream stream) {
    return ::isatty(stream == Stream::Output ? STDOUT_FILENO : STDERR_FILENO) == 1;
}

bool WriteOver(Stream stream, const std::string& text) {
    std::FILE* file = stream == Stream::Output ? stdout : stderr;
    const std::string line = "\r" + text;
    const bool written = std::fwrite(line.data(), 1, line.size(), file) == line.size();
    return std::fflush(file) == 0 && written;
}

}  // namespace os::console

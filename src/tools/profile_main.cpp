// profile: reads or writes one key of an INI file with the same functions the
// programs use, for scripts and for comparing implementations.
//
//   profile get FILE SECTION KEY DEFAULT ROOM   prints the value and a newline
//   profile set FILE SECTION KEY VALUE          writes the value
//
// Exit status 0, or 1 with a message on standard error.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "os/os.h"

namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "profile: %s\n", message.c_str());
    return 1;
}

int Usage() {
    return Fail("usage: profile get FILE SECTION KEY DEFAULT ROOM | profile set FILE SECTION KEY VALUE");
}

// ROOM is a whole decimal number: the reader's buffer size with its NUL.
bool ParseRoom(const std::string& text, std::size_t& room) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    room = static_cast<std::size_t>(std::strtoul(text.c_str(), nullptr, 10));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = os::ProgramArguments(argc, argv);
    if (args.size() == 6 && args[0] == "get") {
        std::size_t room = 0;
        if (!ParseRoom(args[5], room)) return Fail("ROOM must be a whole number: " + args[5]);
        const std::string value = os::ReadProfileString(args[1], args[2], args[3], args[4], room);
        std::fwrite(value.data(), 1, value.size(), stdout);
        std::fputc('\n', stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (args.size() == 5 && args[0] == "set") {
        if (!os::WriteProfileString(args[1], args[2], args[3], args[4]))
            return Fail("cannot write " + args[1]);
        return 0;
    }
    return Usage();
}

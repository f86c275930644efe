#include "menu/shell_command.h"

#include <cctype>

namespace menu {

namespace {

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (std::toupper(c) != static_cast<unsigned char>(prefix[i])) return false;
    }
    return true;
}

}  // namespace

ShellCommand SplitCommand(const std::string& command,
                          const std::function<bool(const std::string&)>& fileExists) {
    if (!command.empty() && command.front() == '"') {
        const auto closing = command.find('"', 1);
        if (closing == std::string::npos) return {command.substr(1), ""};
        return {command.substr(1, closing - 1), command.substr(closing + 1)};
    }
    // Addresses never go to the file system.
    if (!command.empty() && !IsAddress(command) && fileExists(command)) return {command, ""};
    const auto blank = command.find(' ');
    if (blank == std::string::npos) return {command, ""};
    return {command.substr(0, blank), command.substr(blank)};
}

bool IsAddress(const std::string& file) {
    return StartsWithIgnoringCase(file, "HTTP") || StartsWithIgnoringCase(file, "FTP") ||
           StartsWithIgnoringCase(file, "MAILTO");
}

}  // namespace menu

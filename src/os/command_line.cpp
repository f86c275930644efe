#include "os/command_line.h"

namespace os::command_line {
namespace {

// The blanks that separate the arguments of a Windows command line.
bool SeparatesArguments(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> SplitArguments(std::string_view text) {
    std::vector<std::string> arguments;
    std::size_t pos = 0;
    for (;;) {
        while (pos < text.size() && SeparatesArguments(text[pos])) ++pos;
        if (pos == text.size()) return arguments;
        std::string argument;
        bool quoted = false;
        while (pos < text.size() && (quoted || !SeparatesArguments(text[pos]))) {
            const char c = text[pos];
            if (c == '\\') {
                std::size_t count = 0;
                while (pos < text.size() && text[pos] == '\\') ++count, ++pos;
                if (pos < text.size() && text[pos] == '"') {
                    argument.append(count / 2, '\\');
                    if (count % 2 == 1) argument += '"', ++pos;
                } else {
                    argument.append(count, '\\');
                }
            } else if (c == '"') {
                if (quoted && pos + 1 < text.size() && text[pos + 1] == '"') {
                    argument += '"';
                    pos += 2;
                } else {
                    quoted = !quoted;
                    ++pos;
                }
            } else {
                argument += c;
                ++pos;
            }
        }
        arguments.push_back(std::move(argument));
    }
}

std::vector<std::string> Split(std::string_view line) {
    std::size_t pos = 0;
    while (pos < line.size() && SeparatesArguments(line[pos])) ++pos;
    if (pos == line.size()) return {};
    std::string program;
    if (line[pos] == '"') {
        const std::size_t close = line.find('"', pos + 1);
        const std::size_t end = close == std::string_view::npos ? line.size() : close;
        program = line.substr(pos + 1, end - pos - 1);
        pos = end == line.size() ? end : end + 1;
    } else {
        const std::size_t start = pos;
        while (pos < line.size() && !SeparatesArguments(line[pos])) ++pos;
        program = line.substr(start, pos - start);
    }
    std::vector<std::string> result{std::move(program)};
    for (auto& argument : SplitArguments(line.substr(pos))) result.push_back(std::move(argument));
    return result;
}

std::string Quote(std::string_view argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string_view::npos)
        return std::string(argument);
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            quoted.append(2 * backslashes + 1, '\\');
        } else {
            quoted.append(backslashes, '\\');
        }
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');
    quoted += '"';
    return quoted;
}

std::string Join(std::string_view program, const std::vector<std::string>& arguments) {
    std::string line = program.find_first_of(" \t") == std::string_view::npos
                           ? std::string(program)
                           : "\"" + std::string(program) + "\"";
    for (const auto& argument : arguments) {
        line += ' ';
        line += Quote(argument);
    }
    return line;
}

}  // namespace os::command_line

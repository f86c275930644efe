// Starting programs and opening documents on platforms without the Windows
// shell. Programs run detached (nothing waits for them or collects them)
// with their standard streams on /dev/null; documents, folders and
// addresses go to the desktop's opener, xdg-open. The window state is the
// desktop's business here.
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "os/command_line.h"
#include "os/ini_text.h"
#include "os/os.h"

namespace os {
namespace {

bool IsProgramFile(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

// The program file that name stands for: a path as it is, a bare name
// searched along PATH.
std::optional<std::string> FindProgram(const std::string& name) {
    if (name.empty()) return std::nullopt;
    if (name.find('/') != std::string::npos) {
        if (IsProgramFile(name)) return name;
        return std::nullopt;
    }
    const char* variable = std::getenv("PATH");
    const std::string folders = variable != nullptr && *variable ? variable : "/usr/bin:/bin";
    std::size_t start = 0;
    for (;;) {
        const std::size_t colon = folders.find(':', start);
        const std::size_t end = colon == std::string::npos ? folders.size() : colon;
        std::string candidate = end > start ? folders.substr(start, end - start) : ".";
        candidate += '/';
        candidate += name;
        if (IsProgramFile(candidate)) return candidate;
        if (colon == std::string::npos) return std::nullopt;
        start = colon + 1;
    }
}

void ReportAndExit(int channel, int error) {
    ssize_t ignored = ::write(channel, &error, sizeof error);
    (void)ignored;
    ::_exit(127);
}

// Runs program with the argument list (argument 0 included) in folder
// (empty: ours), detached from us. True when the program was started.
bool Spawn(const std::string& program, const std::vector<std::string>& arguments,
           const std::string& folder) {
    std::vector<char*> argv;
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    // The started program reports a failed exec through this pipe; a
    // successful exec closes it.
    int channel[2];
    if (::pipe2(channel, O_CLOEXEC) != 0) return false;
    const int nothing = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    const pid_t child = nothing < 0 ? -1 : ::fork();
    if (child == 0) {
        // Only async-signal-safe calls from here on.
        ::close(channel[0]);
        const pid_t grandchild = ::fork();
        if (grandchild < 0) ReportAndExit(channel[1], errno);
        if (grandchild > 0) ::_exit(0);
        ::setsid();
        for (int stream = 0; stream < 3; ++stream) ::dup2(nothing, stream);
        if (!folder.empty() && ::chdir(folder.c_str()) != 0) ReportAndExit(channel[1], errno);
        ::execv(program.c_str(), argv.data());
        ReportAndExit(channel[1], errno);
    }
    ::close(channel[1]);
    if (nothing >= 0) ::close(nothing);
    if (child < 0) {
        ::close(channel[0]);
        return false;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    do {
        got = ::read(channel[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    ::close(channel[0]);
    return got == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// "scheme:..." with a scheme of two or more letters, digits, '+', '-' or
// '.', starting with a letter (one letter would be a drive).
bool IsAddress(const std::string& file) {
    const std::size_t colon = file.find(':');
    if (colon == std::string::npos || colon < 2 || !std::isalpha(static_cast<unsigned char>(file[0]))) {
        return false;
    }
    for (std::size_t i = 1; i < colon; ++i) {
        const auto c = static_cast<unsigned char>(file[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return false;
    }
    return true;
}

std::string Absolute(const std::string& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

}  // namespace

bool ShellOpen(std::uintptr_t, const std::string& file, const std::string& parameters,
               const std::string& verb, const std::string& folder, WindowState) {
    if (file.empty() || file.find('\0') != std::string::npos) return false;
    if (!verb.empty() && !ini::SameName(verb, "open")) return false;
    struct stat info;
    const bool exists = ::stat(file.c_str(), &info) == 0;
    if (exists && IsProgramFile(file)) {
        std::vector<std::string> arguments{file};
        for (auto& argument : command_line::SplitArguments(parameters)) {
            arguments.push_back(std::move(argument));
        }
        return Spawn(Absolute(file), arguments, folder);
    }
    if (exists || IsAddress(file)) {
        // A document, folder or address: parameters are for programs only.
        const auto opener = FindProgram("xdg-open");
        if (!opener) return false;
        return Spawn(*opener, {"xdg-open", exists ? Absolute(file) : file}, folder);
    }
    if (file.find('/') == std::string::npos) {
        // A program known by its name alone.
        const auto program = FindProgram(file);
        if (!program) return false;
        std::vector<std::string> arguments{file};
        for (auto& argument : command_line::SplitArguments(parameters)) {
            arguments.push_back(std::move(argument));
        }
        return Spawn(Absolute(*program), arguments, folder);
    }
    return false;
}

bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                  WindowState) {
    if (program.find('\0') != std::string::npos) return false;
    for (const auto& argument : arguments)
        if (argument.find('\0') != std::string::npos) return false;
    // Exactly this file: no search along PATH, no shorter prefix of a path
    // with blanks.
    if (!IsProgramFile(program)) return false;
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return Spawn(Absolute(program), argv, "");
}

bool OpenPage(std::uintptr_t owner, const std::string& path, const std::string& fragment) {
    if (path.empty() || path.find('\0') != std::string::npos) return false;
    // The address goes to the desktop's opener, which hands it to the browser.
    return ShellOpen(owner, FileUrl(Absolute(path), fragment), "", "", "", WindowState::Normal);
}

bool ShowHelp(std::uintptr_t, const std::string&, unsigned, unsigned long) {
    // There is no help engine here.
    return false;
}

}  // namespace os

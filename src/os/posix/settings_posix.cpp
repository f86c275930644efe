// Per-user settings on platforms without a registry: one INI file per
// application, $XDG_CONFIG_HOME/<application>/settings.ini (by default
// ~/.config/...), one section per settings section. Values are stored in
// quotes, so that blanks and quotes at their ends come back unchanged.
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "os/ini_text.h"
#include "os/os.h"
#include "os/posix/file_bytes.h"
#include "os/profile_rules.h"

namespace os {
namespace {

std::optional<std::string> ConfigHome() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') return std::string(xdg);
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return std::string(home) + "/.config";
    return std::nullopt;
}

// The application's folder; nothing for a name that is no single folder
// name (empty, ".", "..", or holding a separator).
std::optional<std::string> SettingsFolder(const std::string& application) {
    if (application.empty() || application == "." || application == ".." ||
        application.find_first_of(std::string("/\0", 2)) != std::string::npos) {
        return std::nullopt;
    }
    const auto home = ConfigHome();
    if (!home) return std::nullopt;
    return *home + "/" + application;
}

}  // namespace

std::string GetSetting(const std::string& application, const std::string& section,
                       const std::string& key, const std::string& defaultValue) {
    const auto folder = SettingsFolder(application);
    if (!folder) return defaultValue;
    const std::string file = *folder + "/settings.ini";
    if (!profile::IsReadable(file, section, key)) return defaultValue;
    const auto bytes = posix::ReadFileBytes(file);
    if (!bytes) return defaultValue;
    const auto value = ini::Find(*bytes, Utf8ToAnsi(section), Utf8ToAnsi(key));
    return value ? AnsiToUtf8(*value) : defaultValue;
}

bool SaveSetting(const std::string& application, const std::string& section,
                 const std::string& key, const std::string& value) {
    const auto folder = SettingsFolder(application);
    if (!folder) return false;
    std::error_code error;
    std::filesystem::create_directories(*folder, error);
    if (error) return false;
    return WriteProfileString(*folder + "/settings.ini", section, key, "\"" + value + "\"");
}

}  // namespace os

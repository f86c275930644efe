#include "support/scripted_services.h"

#include <algorithm>
#include <cctype>

namespace test_support {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

bool ScriptedServices::FileExists(const std::string& path) {
    existenceQueries.push_back(path);
    return existing.count(path) > 0 || (realFilesExist && os::FileExists(path));
}

std::string ScriptedServices::RealProfile(const std::string& path) const {
    const auto file = profileFiles.find(path);
    return file != profileFiles.end() ? file->second : path;
}

std::string ScriptedServices::ReadProfileString(const std::string& path,
                                                const std::string& section,
                                                const std::string& key,
                                                const std::string& defaultValue,
                                                std::size_t room) {
    if (onProfileRead) onProfileRead();
    profileReads.push_back({path, section, key, defaultValue, room});
    if (!profilesInMemory) return os::ReadProfileString(RealProfile(path), section, key, defaultValue, room);
    const auto found = profileValues.find({Lower(path), Lower(section), Lower(key)});
    const std::string value = found == profileValues.end() ? defaultValue : found->second;
    if (room == 0) return {};
    return value.substr(0, room - 1);
}

bool ScriptedServices::WriteProfileString(const std::string& path, const std::string& section,
                                          const std::string& key, const std::string& value) {
    profileWrites.push_back({path, section, key, value, 0});
    if (!profilesInMemory) return os::WriteProfileString(RealProfile(path), section, key, value);
    profileValues[{Lower(path), Lower(section), Lower(key)}] = value;
    return true;
}

std::string ScriptedServices::GetSetting(const std::string& application,
                                         const std::string& section, const std::string& key,
                                         const std::string& defaultValue) {
    ++settingReads;
    const auto found = settings.find(SettingKey(application, section, key));
    return found != settings.end() ? found->second : defaultValue;
}

bool ScriptedServices::SaveSetting(const std::string& application, const std::string& section,
                                   const std::string& key, const std::string& value) {
    settings[SettingKey(application, section, key)] = value;
    return true;
}

bool ScriptedServices::ShellOpen(std::uintptr_t owner, const std::string& file,
                                 const std::string& parameters, const std::string& verb,
                                 const std::string& folder, os::WindowState state) {
    shellOpens.push_back({owner, file, parameters, verb, folder, state});
    return shellSucceeds;
}

bool ScriptedServices::OpenPage(std::uintptr_t, const std::string& path,
                                const std::string& fragment) {
    pagesOpened.emplace_back(path, fragment);
    return pageOpens;
}

bool ScriptedServices::StartProgram(const std::string& program,
                                    const std::vector<std::string>& arguments,
                                    os::WindowState state) {
    started.push_back({program, arguments, state});
    return startSucceeds;
}

bool ScriptedServices::MapDrive(const std::string& substProgram, char letter,
                                const std::string& folder) {
    drives.push_back({true, substProgram, letter, folder});
    return true;
}

bool ScriptedServices::UnmapDrive(const std::string& substProgram, char letter) {
    drives.push_back({false, substProgram, letter, ""});
    return true;
}

bool ScriptedServices::ShowHelp(std::uintptr_t, const std::string& helpFile, unsigned command,
                                unsigned long data) {
    help.emplace_back(helpFile, command, data);
    return helpSucceeds;
}

}  // namespace test_support

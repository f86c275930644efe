// The OS services as the programs' tests script them: the program's folder,
// which paths exist, where profile files lie (or profile strings kept in
// memory), per-user settings in memory, and every request to start or
// open something recorded instead of done.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "os/services.h"

namespace test_support {

struct ShellOpenCall {
    std::uintptr_t owner = 0;
    std::string file, parameters, verb, folder;
    os::WindowState state = os::WindowState::Minimized;
};

struct StartCall {
    std::string program;
    std::vector<std::string> arguments;
    os::WindowState state = os::WindowState::Normal;
};

struct DriveCall {
    bool map = true;
    std::string substProgram;
    char letter = 0;
    std::string folder;
};

// A profile read (text: its default) or write (text: the value).
struct ProfileRequest {
    std::string path, section, key, text;
    std::size_t room = 0;
};

class ScriptedServices : public os::Services {
public:
    // ---- Files and folders ---------------------------------------------------------
    std::string programFolder = "C:\\Programme\\Pavonel";
    // Paths that exist (Windows paths, drives); with realFilesExist the real
    // files and folders of this machine count as well.
    std::set<std::string> existing;
    bool realFilesExist = false;
    // Every existence test, in order.
    std::vector<std::string> existenceQueries;

    // ---- Profile files -------------------------------------------------------------
    // The Windows path of a profile file -> the real file that stands for
    // it; any other path is taken as it is (one that does not exist reads
    // as a missing file).
    std::map<std::string, std::string> profileFiles;
    // Instead, profile strings kept in memory: (path, section, key), each
    // in small letters, with the buffer truncation of the real functions.
    bool profilesInMemory = false;
    std::map<std::tuple<std::string, std::string, std::string>, std::string> profileValues;
    // Every request, in order.
    std::vector<ProfileRequest> profileReads;
    std::vector<ProfileRequest> profileWrites;
    // Runs before every profile read (to look at the windows meanwhile).
    std::function<void()> onProfileRead;

    // ---- Per-user settings, under "application/section/key" -----------------------
    std::map<std::string, std::string> settings;
    int settingReads = 0;

    // ---- Starting things -----------------------------------------------------------
    std::vector<ShellOpenCall> shellOpens;
    bool shellSucceeds = true;
    // Pages opened in the browser: path and section.
    std::vector<std::pair<std::string, std::string>> pagesOpened;
    bool pageOpens = true;
    std::vector<StartCall> started;
    bool startSucceeds = true;
    std::vector<DriveCall> drives;
    // Help requests: file, command, data.
    std::vector<std::tuple<std::string, unsigned, unsigned long>> help;
    bool helpSucceeds = true;

    static std::string SettingKey(const std::string& application, const std::string& section,
                                  const std::string& key) {
        return application + "/" + section + "/" + key;
    }

    std::string ProgramFolder() override { return programFolder; }
    bool FileExists(const std::string& path) override;
    std::string ReadProfileString(const std::string& path, const std::string& section,
                                  const std::string& key, const std::string& defaultValue,
                                  std::size_t room) override;
    bool WriteProfileString(const std::string& path, const std::string& section,
                            const std::string& key, const std::string& value) override;
    std::string GetSetting(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    bool SaveSetting(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) override;
    bool ShellOpen(std::uintptr_t owner, const std::string& file, const std::string& parameters,
                   const std::string& verb, const std::string& folder,
                   os::WindowState state) override;
    bool OpenPage(std::uintptr_t owner, const std::string& path,
                  const std::string& fragment) override;
    bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                      os::WindowState state) override;
    bool MapDrive(const std::string& substProgram, char letter, const std::string& folder) override;
    bool UnmapDrive(const std::string& substProgram, char letter) override;
    bool ShowHelp(std::uintptr_t owner, const std::string& helpFile, unsigned command,
                  unsigned long data) override;

private:
    std::string RealProfile(const std::string& path) const;
};

}  // namespace test_support

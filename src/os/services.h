// The OS services as one object, so that program logic can be driven by
// tests with scripted answers. The base class is the real system: every
// function forwards to os.h. Tests derive from it and override what they
// script (the program folder, existence of files, shell requests, ...).
#pragma once

#include "os/os.h"

namespace os {

class Services {
public:
    virtual ~Services() = default;

    virtual std::string ReadProfileString(const std::string& path, const std::string& section,
                                          const std::string& key, const std::string& defaultValue,
                                          std::size_t room) {
        return os::ReadProfileString(path, section, key, defaultValue, room);
    }
    virtual bool WriteProfileString(const std::string& path, const std::string& section,
                                    const std::string& key, const std::string& value) {
        return os::WriteProfileString(path, section, key, value);
    }
    virtual bool MakeProfileUnicode(const std::string& path) {
        return os::MakeProfileUnicode(path);
    }
    virtual std::string GetSetting(const std::string& application, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) {
        return os::GetSetting(application, section, key, defaultValue);
    }
    virtual bool SaveSetting(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& value) {
        return os::SaveSetting(application, section, key, value);
    }
    virtual bool FileExists(const std::string& path) { return os::FileExists(path); }
    virtual bool DriveExists(char letter) { return os::DriveExists(letter); }
    virtual bool CopyFileOver(const std::string& from, const std::string& to) {
        return os::CopyFileOver(from, to);
    }
    virtual bool MoveFileOver(const std::string& from, const std::string& to) {
        return os::MoveFileOver(from, to);
    }
    virtual bool DeleteFileAt(const std::string& path) { return os::DeleteFileAt(path); }
    virtual std::string ProgramFolder() { return os::ProgramFolder(); }
    virtual bool ShellOpen(std::uintptr_t owner, const std::string& file,
                           const std::string& parameters, const std::string& verb,
                           const std::string& folder, WindowState state) {
        return os::ShellOpen(owner, file, parameters, verb, folder, state);
    }
    virtual bool OpenPage(std::uintptr_t owner, const std::string& path,
                          const std::string& fragment) {
        return os::OpenPage(owner, path, fragment);
    }
    virtual bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                              WindowState state) {
        return os::StartProgram(program, arguments, state);
    }
    virtual bool MapDrive(const std::string& substProgram, char letter, const std::string& folder) {
        return os::MapDrive(substProgram, letter, folder);
    }
    virtual bool UnmapDrive(const std::string& substProgram, char letter) {
        return os::UnmapDrive(substProgram, letter);
    }
    virtual bool ShowHelp(std::uintptr_t owner, const std::string& helpFile, unsigned command,
                          unsigned long data) {
        return os::ShowHelp(owner, helpFile, command, data);
    }
};

}  // namespace os

// Helpers of the OS services suite: scratch folders, raw file bytes, and
// the few facts that differ between the platforms the suite runs on.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include <gtest/gtest.h>

namespace os_test {

// Paths as the OS services take them: UTF-8 with native separators.
std::string Utf8(const std::filesystem::path& path);
std::filesystem::path FromUtf8(const std::string& path);

// A fresh empty folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    // UTF-8 path of name inside the folder.
    std::string operator/(const std::string& name) const;

private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// Waits (up to about ten seconds) for condition, checking it now and then.
bool WaitFor(const std::function<bool()>& condition);

// True when the suite runs on Wine rather than on Windows.
bool RunningUnderWine();

// A private place for per-user settings, emptied at the end: an application
// name of its own (Windows), a configuration folder of its own (elsewhere).
class SettingsSandbox {
public:
    SettingsSandbox();
    ~SettingsSandbox();
    SettingsSandbox(const SettingsSandbox&) = delete;
    SettingsSandbox& operator=(const SettingsSandbox&) = delete;
    const std::string& Application() const { return application_; }

private:
    std::string application_;
    std::string previous_;
    bool hadPrevious_ = false;
    TempFolder folder_;
};

}  // namespace os_test

// Windows' behaviour is the one the suite expects; where Wine is known to
// differ, the case is reported as skipped with the reason under Wine.
#define KNOWN_WINE_DIFFERENCE(reason)                                        \
    if (::os_test::RunningUnderWine()) GTEST_SKIP() << "known Wine difference: " << reason

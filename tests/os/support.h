// Helpers of the OS services suite: the shared scratch folders and waits,
// and the few facts that differ between the platforms the suite runs on.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "support/wait.h"

namespace os_test {

// Scratch folders and raw file bytes, with paths as the OS services take
// them (UTF-8 with native separators).
using test_support::FromUtf8;
using test_support::ReadBytes;
using test_support::TempFolder;
using test_support::Utf8;
using test_support::WriteBytes;

// Waits (up to about ten seconds) for condition.
inline bool WaitFor(const std::function<bool()>& condition) {
    return test_support::WaitUntil(condition, 10000);
}

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

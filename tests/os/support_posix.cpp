#include <cstdlib>

#include "support.h"

namespace os_test {

bool RunningUnderWine() { return false; }

SettingsSandbox::SettingsSandbox() : application_("Orlimar") {
    if (const char* value = std::getenv("XDG_CONFIG_HOME")) {
        previous_ = value;
        hadPrevious_ = true;
    }
    ::setenv("XDG_CONFIG_HOME", Utf8(folder_.Path()).c_str(), 1);
}

SettingsSandbox::~SettingsSandbox() {
    if (hadPrevious_) {
        ::setenv("XDG_CONFIG_HOME", previous_.c_str(), 1);
    } else {
        ::unsetenv("XDG_CONFIG_HOME");
    }
}

}  // namespace os_test

// Virtual drives where there are no drive letters: a mapping is only
// recorded in the per-user settings, so that a later look can tell what
// was asked for. No drive appears, and no subst.exe is started.
#include <string>

#include "os/os.h"

namespace os {

namespace {

constexpr const char* Application = "Orlimar";
constexpr const char* Section = "Laufwerke";

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string Key(char letter) {
    return std::string(1, static_cast<char>(letter >= 'a' ? letter - 'a' + 'A' : letter));
}

}  // namespace

bool MapDrive(const std::string&, char letter, const std::string& folder) {
    return IsLetter(letter) && SaveSetting(Application, Section, Key(letter), folder);
}

bool UnmapDrive(const std::string&, char letter) {
    return IsLetter(letter) && SaveSetting(Application, Section, Key(letter), "");
}

}  // namespace os

// Virtual drives through the system's subst.exe.
#include <string>

#include "os/os.h"

namespace os {

bool MapDrive(const std::string& substProgram, char letter, const std::string& folder) {
    return StartProgram(substProgram, {std::string(1, letter) + ":", folder},
                        WindowState::Minimized);
}

bool UnmapDrive(const std::string& substProgram, char letter) {
    return StartProgram(substProgram, {std::string(1, letter) + ":", "/d"},
                        WindowState::Minimized);
}

}  // namespace os

// The start file of the disc, autorun.inf in its root, which makes Windows
// offer the menu program when the disc is inserted:
//
//   [autorun]
//   open=kelvo.exe
//   icon=kelvo.exe
//   label=<the project's name, cut to the 32 characters a volume label shows>
//
// written through the profile functions, so in the Windows code page with
// CR LF line ends. A file of that name that is there already stays as it is.
#pragma once

#include <string>

#include "os/services.h"
#include "tools/cdcheck/disc.h"

namespace cdcheck {

inline constexpr const char* AutorunName = "autorun.inf";
inline constexpr std::size_t VolumeLabelLength = 32;

enum class AutorunOutcome { Written, Exists, NoProject, Unreadable, Unwritable };

struct AutorunResult {
    AutorunOutcome outcome;
    std::string label;  // Written: the label written
};

AutorunResult WriteAutorun(const Disc& disc, os::Services& services);

}  // namespace cdcheck

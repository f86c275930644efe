// Windows paths as the programs build them.
#pragma once

#include <string>

namespace common {

// The name inside the folder: one backslash between them, also when the
// folder is a drive root ("D:\") or ends in one already. An empty folder
// gives "\" and the name (the root of the current drive).
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace common

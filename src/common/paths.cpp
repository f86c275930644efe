#include "common/paths.h"

namespace common {

std::string JoinPath(const std::string& folder, const std::string& name) {
    const bool separated = !folder.empty() && folder.back() == '\\';
    return folder + (separated ? "" : "\\") + name;
}

}  // namespace common

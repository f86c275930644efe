// What the file systems of a CD can hold. Joliet (the long names Windows
// shows) takes names of up to 64 UTF-16 characters and forbids the control
// characters U+0000 to U+001F and * / : ; ? \. Plain ISO 9660 keeps the
// folders within eight levels, the root counted as the first.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cdcheck {

inline constexpr std::size_t JolietNameLength = 64;
inline constexpr int Iso9660FolderLevels = 8;

// Why a name cannot stand on a Joliet disc, as German text ("hat 65
// Zeichen; Joliet erlaubt 64"); nothing when it can.
std::optional<std::string> JolietFault(std::string_view name);

}  // namespace cdcheck

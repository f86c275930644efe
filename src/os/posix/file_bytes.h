// Whole-file reads and writes for the posix implementations.
#pragma once

#include <optional>
#include <string>

namespace os::posix {

// The bytes of the file; an empty text when the file does not exist;
// nothing when it exists but cannot be read (or is a folder).
std::optional<std::string> ReadFileBytes(const std::string& path);

// Replaces the file's content with bytes, creating the file when needed.
bool WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace os::posix

#include "os/profile_rules.h"

#include "os/ini_text.h"

namespace os::profile {
namespace {

bool HoldsLineBreak(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// A name without a line break; it may be empty (for reads).
bool IsUsableName(std::string_view name) { return !HoldsLineBreak(name); }

bool IsNonBlank(std::string_view name) { return !ini::Trim(name).empty(); }

}  // namespace

bool IsReadable(std::string_view path, std::string_view section, std::string_view key) {
    return !path.empty() && path.find('\0') == std::string_view::npos && IsUsableName(section) &&
           IsUsableName(key);
}

bool IsWritable(std::string_view path, std::string_view section, std::string_view key,
                std::string_view value) {
    if (!IsReadable(path, section, key) || HoldsLineBreak(value)) return false;
    if (!IsNonBlank(section) || !IsNonBlank(key)) return false;
    if (section.find(']') != std::string_view::npos) return false;
    return key.find('=') == std::string_view::npos && ini::Trim(key).front() != '[';
}

}  // namespace os::profile

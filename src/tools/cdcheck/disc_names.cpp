#include "tools/cdcheck/disc_names.h"

#include <cstdio>

#include "os/unicode.h"

namespace cdcheck {
namespace {

constexpr std::string_view Forbidden = "*/:;?\\";

std::string Shown(char c) {
    if (static_cast<unsigned char>(c) >= 0x20) return std::string("'") + c + "'";
    char code[8];
    std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(c));
    return std::string("das Steuerzeichen U+") + code;
}

}  // namespace

std::optional<std::string> JolietFault(std::string_view name) {
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || Forbidden.find(c) != std::string_view::npos)
            return "enthält " + Shown(c) + ", das Joliet verbietet";
    }
    const std::size_t length = os::unicode::Utf16Units(name);
    if (length > JolietNameLength)
        return "hat " + std::to_string(length) + " Zeichen; Joliet erlaubt " +
               std::to_string(JolietNameLength);
    return std::nullopt;
}

}  // namespace cdcheck

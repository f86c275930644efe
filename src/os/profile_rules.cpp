#include "os/profile_rules.h"

#include "os/ini_text.h"
#include "os/unicode.h"

namespace os::profile {
namespace {

bool HoldsLineBreak(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// A name without a line break; it may be empty (for reads).
bool IsUsableName(std::string_view name) { return !HoldsLineBreak(name); }

bool IsNonBlank(std::string_view name) { return !ini::Trim(name).empty(); }

// Characters that a profile read may take for space at a value's ends: the
// blanks of our own reader, and what the Windows functions count as space
// beyond them (Ctrl+Z, the Unicode spaces).
bool MayReadAsSpace(char32_t c) {
    if (c < 0x80 && ini::IsTrimmed(static_cast<char>(c))) return true;
    switch (c) {
    case 0x1A: case 0x85: case 0xA0:
    case 0x1680: case 0x2028: case 0x2029: case 0x202F: case 0x205F: case 0x3000: case 0xFEFF:
        return true;
    default:
        return c >= 0x2000 && c <= 0x200A;
    }
}

char32_t FirstCharacter(std::string_view text) {
    std::size_t pos = 0;
    return unicode::DecodeUtf8(text, pos, true);
}

char32_t LastCharacter(std::string_view text) {
    // Back to the lead byte of the last character.
    std::size_t pos = text.size() - 1;
    while (pos > 0 && text.size() - pos < 4 && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80)
        --pos;
    std::size_t at = pos;
    const char32_t c = unicode::DecodeUtf8(text, at, true);
    return at == text.size() ? c : static_cast<unsigned char>(text.back());
}

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

std::string StoredForm(std::string_view value) {
    if (value.empty()) return std::string();
    const char32_t first = FirstCharacter(value);
    const char32_t last = LastCharacter(value);
    const bool quoted = (first == '"' || first == '\'') && last == first;
    if (!quoted && !MayReadAsSpace(first) && !MayReadAsSpace(last)) return std::string(value);
    return '"' + std::string(value) + '"';
}

}  // namespace os::profile

// UTF-8 <-> Windows-1252, and the code-point helpers of os/unicode.h that
// these conversions and the Unicode profile files share. The five bytes that Windows-1252 leaves undefined
// (81, 8D, 8F, 90, 9D) map to the C1 controls of the same number, as
// Windows' own conversion does, so that every byte survives a round trip.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "os/os.h"
#include "os/unicode.h"

namespace os {
namespace {

// Code points of the bytes 80 to 9F; the rest of the code page equals
// Latin-1.
constexpr std::array<char16_t, 32> HighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The Windows-1252 byte of code point c, or '?' when the code page lacks it.
char AnsiByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

namespace unicode {

char32_t DecodeUtf8(std::string_view text, std::size_t& pos, bool surrogates) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) return lead;
    int length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 1, c = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 2, c = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 3, c = lead & 0x07, minimum = 0x10000;
    } else {
        return Replacement;
    }
    if (text.size() - pos < static_cast<std::size_t>(length)) return Replacement;
    for (int i = 0; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) return Replacement;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF) return Replacement;
    if (!surrogates && c >= 0xD800 && c <= 0xDFFF) return Replacement;
    pos += length;
    return c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string ValidUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) AppendUtf8(out, DecodeUtf8(text, pos));
    return out;
}

std::size_t Utf16Units(std::string_view text) {
    std::size_t units = 0;
    std::size_t pos = 0;
    while (pos < text.size()) units += DecodeUtf8(text, pos, true) > 0xFFFF ? 2 : 1;
    return units;
}

std::string FirstUtf16Units(std::string_view text, std::size_t units) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t next = pos;
        const std::size_t needed = DecodeUtf8(text, next, true) > 0xFFFF ? 2 : 1;
        if (needed > units) break;
        units -= needed;
        pos = next;
    }
    return std::string(text.substr(0, pos));
}

}  // namespace unicode

std::string Utf8ToAnsi(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) out += AnsiByte(unicode::DecodeUtf8(text, pos));
    return out;
}

std::string AnsiToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        unicode::AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? HighControls[byte - 0x80] : byte);
    }
    return out;
}

}  // namespace os

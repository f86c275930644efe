#include "os/ini_encoding.h"

#include "os/unicode.h"

namespace os::ini {
namespace {

constexpr std::string_view Utf16LeMark("\xFF\xFE", 2);

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUnit(std::string& out, char32_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

}  // namespace

FileText DecodeFile(std::string_view bytes) {
    FileText file;
    if (bytes.substr(0, Utf16LeMark.size()) != Utf16LeMark) {
        file.text = std::string(bytes);
        return file;
    }
    file.encoding = FileEncoding::Utf16Le;
    bytes.remove_prefix(Utf16LeMark.size());
    if (bytes.size() % 2 != 0) {
        file.oddByte = std::string(bytes.substr(bytes.size() - 1));
        bytes.remove_suffix(1);
    }
    const auto unitAt = [&](std::size_t i) -> char32_t {
        return static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
    };
    file.text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char32_t c = unitAt(i);
        if (IsHighSurrogate(c) && i + 3 < bytes.size() && IsLowSurrogate(unitAt(i + 2))) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00);
            i += 2;
        }
        unicode::AppendUtf8(file.text, c);
    }
    return file;
}

std::string EncodeFile(const FileText& file) {
    if (file.encoding == FileEncoding::CodePage) return file.text;
    std::string bytes(Utf16LeMark);
    bytes.reserve(2 * file.text.size() + 3);
    std::size_t pos = 0;
    while (pos < file.text.size()) {
        const char32_t c = unicode::DecodeUtf8(file.text, pos, true);
        if (c > 0xFFFF) {
            AppendUnit(bytes, 0xD800 + ((c - 0x10000) >> 10));
            AppendUnit(bytes, 0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            AppendUnit(bytes, c);
        }
    }
    return bytes + file.oddByte;
}

}  // namespace os::ini

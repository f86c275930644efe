#include "os/ini_text.h"

#include <vector>

#include "os/unicode.h"

namespace os::ini {
namespace {


unsigned char Fold(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 'A' && c <= 'Z') return c + ('a' - 'A');
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;  // À..Þ -> à..þ
    if (c == 0x8A || c == 0x8C || c == 0x8E) return c + 0x10;  // Š Œ Ž
    if (c == 0x9F) return 0xFF;                                // Ÿ
    return c;
}

// The small letter of a capital one, for the letters named in SameName.
char32_t FoldCodePoint(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + ('a' - 'A');
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;  // À..Þ
    if (c == 0x178) return 0xFF;                               // Ÿ
    if (c >= 0x100 && c <= 0x17F) {
        // Latin Extended-A: pairs of capital and small letter; from U+0139
        // to U+0148 and from U+0179 to U+017E the capital has the odd
        // number, elsewhere the even one. İ, ı, ĸ, ŉ and ſ have no pair.
        if (c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) return c;
        const bool oddCapitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        return (c % 2 == 1) == oddCapitals ? c + 1 : c;
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;  // Greek
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;                // Cyrillic А..Я
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;                // Ѐ..Џ
    return c;
}

bool SameUtf8Name(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (FoldCodePoint(unicode::DecodeUtf8(a, i, true)) !=
            FoldCodePoint(unicode::DecodeUtf8(b, j, true)))
            return false;
    }
    return i == a.size() && j == b.size();
}

// One line of the text: [begin, contentEnd) is its content, [contentEnd,
// end) its line ending: CR LF, a lone LF, a lone CR (files written with
// CR-only line ends read the same as CR LF files on Windows), or nothing
// at the end of the text.
struct Line {
    std::size_t begin;
    std::size_t contentEnd;
    std::size_t end;
};

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t brk = text.find_first_of("\r\n", begin);
        if (brk == std::string_view::npos) {
            lines.push_back({begin, text.size(), text.size()});
            break;
        }
        std::size_t end = brk + 1;
        if (text[brk] == '\r' && end < text.size() && text[end] == '\n') ++end;
        lines.push_back({begin, brk, end});
        begin = end;
    }
    return lines;
}

std::string_view Content(std::string_view text, const Line& line) {
    return Trim(text.substr(line.begin, line.contentEnd - line.begin));
}

struct KeyLine {
    std::string_view name;
    std::optional<std::string_view> value;  // nothing when the line has no '='
};

KeyLine SplitKey(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {line, std::nullopt};
    return {Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Index of the header line of the first section named section.
std::optional<std::size_t> FindSection(std::string_view text, const std::vector<Line>& lines,
                                       std::string_view section, Encoding encoding) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(Content(text, lines[i]));
        if (name && SameName(*name, section, encoding)) return i;
    }
    return std::nullopt;
}

}  // namespace

bool IsTrimmed(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsTrimmed(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsTrimmed(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const std::size_t close = line.rfind(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

bool SameName(std::string_view a, std::string_view b, Encoding encoding) {
    if (encoding == Encoding::Utf8) return SameUtf8Name(a, b);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Fold(a[i]) != Fold(b[i])) return false;
    }
    return true;
}

std::optional<std::string> Find(std::string_view text, std::string_view section,
                                std::string_view key, Encoding encoding) {
    const auto lines = SplitLines(text);
    const auto header = FindSection(text, lines, Trim(section), encoding);
    if (!header) return std::nullopt;
    for (std::size_t i = *header + 1; i < lines.size(); ++i) {
        const std::string_view line = Content(text, lines[i]);
        if (SectionName(line)) break;
        if (line.empty()) continue;
        const KeyLine entry = SplitKey(line);
        if (!SameName(entry.name, Trim(key), encoding)) continue;
        if (!entry.value) return std::nullopt;
        return std::string(Unquote(*entry.value));
    }
    return std::nullopt;
}

std::string Assign(std::string_view text, std::string_view section, std::string_view key,
                   std::string_view value, Encoding encoding) {
    section = Trim(section);
    key = Trim(key);
    const auto lines = SplitLines(text);
    const auto header = FindSection(text, lines, section, encoding);
    std::string out(text);
    if (!header) {
        // Text that does not end in a line break (bytes before the first
        // section included) gets one before the new section.
        if (!lines.empty() && lines.back().contentEnd == lines.back().end) out += "\r\n";
        out.append("[").append(section).append("]\r\n");
        out.append(key).append("=").append(value).append("\r\n");
        return out;
    }
    std::size_t last = *header;  // the last non-blank line of the section
    for (std::size_t i = *header + 1; i < lines.size(); ++i) {
        const std::string_view line = Content(text, lines[i]);
        if (SectionName(line)) break;
        if (line.empty()) continue;
        last = i;
        const KeyLine entry = SplitKey(line);
        if (!SameName(entry.name, key, encoding)) continue;
        std::string replacement(entry.name);
        replacement.append("=").append(value);
        out.replace(lines[i].begin, lines[i].contentEnd - lines[i].begin, replacement);
        return out;
    }
    std::string added;
    if (lines[last].contentEnd == lines[last].end) added = "\r\n";
    added.append(key).append("=").append(value).append("\r\n");
    out.insert(lines[last].end, added);
    return out;
}

}  // namespace os::ini

#include "disc_image/names.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <numeric>
#include <set>

#include "os/unicode.h"

namespace disc_image {
namespace {

constexpr std::string_view JolietForbidden = "*/:;?\\";
constexpr std::size_t IsoNameLength = 8;
constexpr std::size_t IsoExtensionLength = 3;
constexpr std::size_t IsoVolumeLength = 32;
constexpr std::size_t JolietVolumeLength = 16;
constexpr std::string_view DefaultLabel = "CDROM";

// The d-characters of the Latin-1 letters U+00C0 to U+00FF.
constexpr std::array<std::string_view, 64> Latin1Letters{
    "A", "A", "A", "A", "AE", "A", "AE", "C", "E", "E", "E", "E", "I",  "I", "I",  "I",
    "D", "N", "O", "O", "O",  "O", "OE", "_", "O", "U", "U", "U", "UE", "Y", "TH", "SS",
    "A", "A", "A", "A", "AE", "A", "AE", "C", "E", "E", "E", "E", "I",  "I", "I",  "I",
    "D", "N", "O", "O", "O",  "O", "OE", "_", "O", "U", "U", "U", "UE", "Y", "TH", "Y"};

bool IsDCharacter(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'; }

// The d-characters standing for one character.
std::string_view DCharacters(char32_t c, char& single) {
    if (c >= 'a' && c <= 'z') c -= 'a' - 'A';
    if (c < 0x80) {
        single = IsDCharacter(static_cast<char>(c)) ? static_cast<char>(c) : '_';
        return {&single, 1};
    }
    if (c >= 0xC0 && c <= 0xFF) return Latin1Letters[c - 0xC0];
    switch (c) {
    case 0x0152:
    case 0x0153:
        return "OE";
    case 0x0160:
    case 0x0161:
        return "S";
    case 0x017D:
    case 0x017E:
        return "Z";
    case 0x0178:
        return "Y";
    default:
        single = '_';
        return {&single, 1};
    }
}

std::string Mapped(std::string_view text) {
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        char single = 0;
        out += DCharacters(os::unicode::DecodeUtf8(text, pos), single);
    }
    return out;
}

struct IsoName {
    std::string name;
    std::string extension;
    bool folder = false;
    // What a reader shows once it has dropped ".;1": the identity of the
    // entry within its folder.
    std::string Key() const { return extension.empty() ? name : name + "." + extension; }
    std::string Identifier() const { return folder ? name : name + "." + extension + ";1"; }
};

IsoName Plain(const NameRequest& entry) {
    IsoName iso;
    iso.folder = entry.folder;
    const std::size_t dot = entry.folder ? std::string::npos : entry.name.rfind('.');
    if (dot == std::string::npos) {
        iso.name = Mapped(entry.name);
    } else {
        iso.name = Mapped(std::string_view(entry.name).substr(0, dot));
        iso.extension = Mapped(std::string_view(entry.name).substr(dot + 1));
    }
    if (iso.name.empty()) iso.name = "_";
    iso.name.resize(std::min(iso.name.size(), IsoNameLength));
    iso.extension.resize(std::min(iso.extension.size(), IsoExtensionLength));
    return iso;
}

}  // namespace

std::optional<std::string> JolietNameFault(std::string_view name) {
    if (os::unicode::ValidUtf8(name) != name) return "ist kein gültiger Unicode-Text";
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(c));
            return std::string("enthält das Steuerzeichen U+") + code + ", das Joliet verbietet";
        }
        if (JolietForbidden.find(c) != std::string_view::npos)
            return std::string("enthält '") + c + "', das Joliet verbietet";
    }
    const std::size_t length = os::unicode::Utf16Units(name);
    if (length > JolietNameLength)
        return "hat " + std::to_string(length) + " Zeichen; Joliet erlaubt " +
               std::to_string(JolietNameLength);
    return std::nullopt;
}

std::u16string Utf16(std::string_view text) {
    std::u16string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = os::unicode::DecodeUtf8(text, pos, true);
        if (c > 0xFFFF) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::vector<std::string> IsoIdentifiers(const std::vector<NameRequest>& entries) {
    std::vector<IsoName> names;
    std::multiset<std::string> plainKeys;
    for (const NameRequest& entry : entries) {
        names.push_back(Plain(entry));
        plainKeys.insert(names.back().Key());
    }
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return entries[a].name < entries[b].name; });
    // Taken: every key that stays as it is, and every number given so far.
    std::set<std::string> taken(plainKeys.begin(), plainKeys.end());
    for (const std::size_t i : order) {
        IsoName& iso = names[i];
        if (plainKeys.count(iso.Key()) == 1) continue;
        const std::string stem = iso.name;
        for (unsigned number = 1;; ++number) {
            const std::string suffix = "_" + std::to_string(number);
            iso.name = stem.substr(0, std::min(stem.size(), IsoNameLength - suffix.size())) + suffix;
            if (taken.insert(iso.Key()).second) break;
        }
    }
    std::vector<std::string> identifiers;
    for (const IsoName& iso : names)
        identifiers.push_back(iso.Identifier());
    return identifiers;
}

std::string IsoVolumeLabel(std::string_view name) {
    std::string label = Mapped(name);
    label.resize(std::min(label.size(), IsoVolumeLength));
    return label.empty() ? std::string(DefaultLabel) : label;
}

std::string JolietVolumeLabel(std::string_view name) {
    std::string label;
    for (std::size_t pos = 0; pos < name.size();) {
        const char32_t c = os::unicode::DecodeUtf8(name, pos);
        if (c < 0x20 ||
            (c < 0x80 && JolietForbidden.find(static_cast<char>(c)) != std::string_view::npos))
            label += '_';
        else
            os::unicode::AppendUtf8(label, c);
    }
    label = os::unicode::FirstUtf16Units(label, JolietVolumeLength);
    return label.empty() ? std::string(DefaultLabel) : label;
}

}  // namespace disc_image

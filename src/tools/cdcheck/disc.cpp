#include "tools/cdcheck/disc.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "os/ini_text.h"

namespace cdcheck {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The names of a path after "." and ".." are applied.
std::vector<std::string> Names(std::string_view path) {
    std::vector<std::string> names;
    std::size_t begin = 0;
    while (begin <= path.size()) {
        std::size_t end = begin;
        while (end < path.size() && !IsSeparator(path[end])) ++end;
        const std::string_view name = path.substr(begin, end - begin);
        if (name == "..") {
            if (!names.empty()) names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.emplace_back(name);
        }
        begin = end + 1;
    }
    return names;
}

// The entry of folder called name: exactly so, or else differing only in
// letter case (the disc's file system knows no letter case).
std::optional<std::string> Entry(const std::filesystem::path& folder, const std::string& name) {
    std::error_code error;
    std::optional<std::string> caseBlind;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string candidate = Utf8(it->path().filename());
        if (candidate == name) return candidate;
        if (!caseBlind && os::ini::SameName(candidate, name, os::ini::Encoding::Utf8))
            caseBlind = candidate;
    }
    return caseBlind;
}

}  // namespace

std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path FromUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

PathKind KindOf(std::string_view path) {
    if (path.empty()) return PathKind::Empty;
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) return PathKind::Network;
    if (IsSeparator(path[0])) return PathKind::OnRoot;
    if (path.size() >= 2 && IsLetter(path[0]) && path[1] == ':') return PathKind::DriveLetter;
    return PathKind::Relative;
}

Disc::Disc(std::filesystem::path root) : root_(std::move(root)) {}

bool Disc::Readable() const {
    std::error_code error;
    std::filesystem::directory_iterator it(root_, error);
    return !error;
}

Lookup Disc::Find(std::string_view path) const {
    Lookup lookup;
    std::filesystem::path here = root_;
    const std::vector<std::string> names = Names(path);
    std::error_code error;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!std::filesystem::is_directory(here, error)) return lookup;
        const std::optional<std::string> name = Entry(here, names[i]);
        if (!name) return lookup;
        here /= FromUtf8(*name);
        lookup.names.push_back(*name);
    }
    if (!std::filesystem::exists(here, error)) return lookup;
    lookup.found = true;
    lookup.folder = std::filesystem::is_directory(here, error);
    lookup.real = here;
    const std::size_t folders = names.size() - (lookup.folder || names.empty() ? 0 : 1);
    lookup.deepestFolderLevel = 1 + static_cast<int>(folders);
    return lookup;
}

std::optional<std::string> Disc::ReadBytes(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    std::ifstream stream(file, std::ios::binary);
    if (!stream) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    if (stream.bad()) return std::nullopt;
    return bytes;
}

}  // namespace cdcheck

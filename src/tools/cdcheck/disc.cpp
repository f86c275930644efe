#include "tools/cdcheck/disc.h"

#include "os/file_system.h"
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
std::optional<std::string> Entry(const std::string& folder, const std::string& name) {
    const std::optional<std::vector<std::string>> names = os::ListFolder(folder);
    if (!names) return std::nullopt;
    std::optional<std::string> caseBlind;
    for (const std::string& candidate : *names) {
        if (candidate == name) return candidate;
        if (!caseBlind && os::ini::SameName(candidate, name, os::ini::Encoding::Utf8))
            caseBlind = candidate;
    }
    return caseBlind;
}

}  // namespace

PathKind KindOf(std::string_view path) {
    if (path.empty()) return PathKind::Empty;
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) return PathKind::Network;
    if (IsSeparator(path[0])) return PathKind::OnRoot;
    if (path.size() >= 2 && IsLetter(path[0]) && path[1] == ':') return PathKind::DriveLetter;
    return PathKind::Relative;
}

Disc::Disc(std::string root) : root_(std::move(root)) {}

bool Disc::Readable() const { return os::ListFolder(root_).has_value(); }

Lookup Disc::Find(std::string_view path) const {
    Lookup lookup;
    std::string here = root_;
    const std::vector<std::string> names = Names(path);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::optional<std::string> name = Entry(here, names[i]);
        if (!name) return lookup;
        here = os::ChildPath(here, *name);
        lookup.names.push_back(*name);
    }
    const std::optional<os::EntryFacts> facts = os::FactsOf(here);
    if (!facts || facts->kind == os::EntryKind::Missing) return lookup;
    lookup.found = true;
    lookup.folder = facts->kind == os::EntryKind::Folder;
    lookup.real = here;
    const std::size_t folders = names.size() - (lookup.folder || names.empty() ? 0 : 1);
    lookup.deepestFolderLevel = 1 + static_cast<int>(folders);
    return lookup;
}

}  // namespace cdcheck

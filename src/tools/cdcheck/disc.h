// The future disc: a folder taken as the root of the CD. Paths on it are
// written as in the project file (folders separated by '\' or '/') and,
// as on the disc, found without regard to letter case.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cdcheck {

// Paths as the OS services and the picture loader take them: UTF-8.
std::string Utf8(const std::filesystem::path& path);
std::filesystem::path FromUtf8(const std::string& path);

// Where a path of the project file points.
enum class PathKind {
    Empty,
    OnRoot,       // "\docs\a.txt": from the root of the menu program's drive
    Relative,     // "docs\a.txt": from the current folder
    DriveLetter,  // "C:\docs\a.txt", "C:a.txt": on a drive of its own
    Network,      // "\\server\share\a.txt"
};
PathKind KindOf(std::string_view path);

// What a path leads to on the disc.
struct Lookup {
    bool found = false;
    bool folder = false;               // found, and a folder
    std::filesystem::path real;        // found: where it lies in the folder
    std::vector<std::string> names;    // the names on the way that were found, as on the disc
    int deepestFolderLevel = 1;        // found: level of the deepest folder (the root is 1)
};

class Disc {
public:
    explicit Disc(std::filesystem::path root);

    // Whether the root is a folder whose content can be listed.
    bool Readable() const;
    const std::filesystem::path& Root() const { return root_; }

    // Follows path from the root: "." stays, ".." goes up (never above the
    // root), each name is taken as written or else as the first name of the
    // folder that differs only in letter case.
    Lookup Find(std::string_view path) const;

    // The whole content of a file on the disc; nothing when it cannot be read.
    static std::optional<std::string> ReadBytes(const std::filesystem::path& file);

private:
    std::filesystem::path root_;
};

}  // namespace cdcheck

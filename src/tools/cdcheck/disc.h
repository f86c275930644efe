// The future disc: a folder taken as the root of the CD. Paths on it are
// written as in the project file (folders separated by '\' or '/') and,
// as on the disc, found without regard to letter case.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cdcheck {

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
    std::string real;                  // found: where it lies in the folder (UTF-8)
    std::vector<std::string> names;    // the names on the way that were found, as on the disc
    int deepestFolderLevel = 1;        // found: level of the deepest folder (the root is 1)
};

class Disc {
public:
    // root: the folder, UTF-8, as the OS services take paths.
    explicit Disc(std::string root);

    // Whether the root is a folder whose content can be listed.
    bool Readable() const;
    const std::string& Root() const { return root_; }

    // Follows path from the root: "." stays, ".." goes up (never above the
    // root), each name is taken as written or else as the first name of the
    // folder that differs only in letter case.
    Lookup Find(std::string_view path) const;

private:
    std::string root_;
};

}  // namespace cdcheck

// Checks of the paths that the menu program hands to the shell (an entry's
// command) and to the picture loader (icon, background, splash), each taken
// on the future disc: a path that begins with "\" from its root (the menu
// program puts its own drive in front), a relative path from the root too
// (where Windows starts the menu from the disc), named as information.
// Every name on the way must fit a Joliet disc.
#pragma once

#include <optional>
#include <set>
#include <string>

#include "forms/backend.h"
#include "tools/cdcheck/disc.h"
#include "tools/cdcheck/report.h"

namespace cdcheck {

class PathChecks {
public:
    PathChecks(const Disc& disc, forms::Backend& pictures, Report& report)
        : disc_(disc), pictures_(pictures), report_(report) {}

    // An entry's command, split into file and parameters as DoShell splits
    // it; a web or mail address is not checked.
    void Command(const Place& where, const std::string& command);

    // A picture path that is not empty: the file must exist, and when
    // load is true the programs' picture loader must take it.
    void Picture(const Place& where, const std::string& path, bool load);

    // The files and folders of the disc (UTF-8 paths) whose names were
    // reported as ones Joliet cannot hold.
    const std::set<std::string>& JolietFaults() const { return jolietFaults_; }

private:
    // Where path points and what lies there; nothing when it points off
    // the disc. quoted: the path came between quotes, so the menu program
    // put no drive in front.
    std::optional<Lookup> Locate(const Place& where, const std::string& path, bool quoted);
    // Whether the menu program would find path on the disc.
    bool Exists(const std::string& path) const;

    const Disc& disc_;
    forms::Backend& pictures_;
    Report& report_;
    std::set<std::string> jolietFaults_;
};

}  // namespace cdcheck

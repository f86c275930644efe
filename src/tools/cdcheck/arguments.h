// The command line of cdcheck:
//
//   cdcheck [--quiet] FOLDER             checks the future disc in FOLDER
//   cdcheck [--quiet] --autorun FOLDER   writes FOLDER's autorun.inf
//   cdcheck [--quiet] [--force] --iso IMAGE FOLDER
//                                        checks, then writes the CD image
//   cdcheck --help                       shows how to call it
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cdcheck {

struct Arguments {
    bool quiet = false;
    bool autorun = false;
    bool help = false;
    bool force = false;
    std::string image;  // --iso: where the CD image goes
    std::string folder;
};

// Nothing when the arguments are no such call.
std::optional<Arguments> ParseArguments(const std::vector<std::string>& args);

// The text --help shows, one line per element.
std::vector<std::string> UsageLines();

}  // namespace cdcheck

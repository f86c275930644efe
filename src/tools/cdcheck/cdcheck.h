// cdcheck: the last step before a disc is burnt. Checks the future disc in
// a folder as the menu program will read it there, or writes its
// autorun.inf. Exit status: 0 nothing wrong, 1 something wrong
// (information alone is not), 2 wrong use or a folder that cannot be read.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "forms/backend.h"
#include "os/services.h"

namespace cdcheck {

// Where the tool's lines go (UTF-8, without line end).
struct Output {
    std::function<void(const std::string&)> out;
    std::function<void(const std::string&)> error;
    // A progress line written over itself (on a terminal); none elsewhere.
    std::function<void(const std::string&)> progress;
};

inline constexpr int StatusClean = 0;
inline constexpr int StatusFaults = 1;
inline constexpr int StatusWrongUse = 2;

// Runs the tool on its arguments (after the program name) and gives its
// exit status. pictures is the programs' picture loader.
int Run(const std::vector<std::string>& args, os::Services& services, forms::Backend& pictures,
        const Output& output);

}  // namespace cdcheck

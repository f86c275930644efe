// How an entry's command is taken apart before it is handed to the shell.
#pragma once

#include <functional>
#include <string>

namespace menu {

struct ShellCommand {
    std::string file;        // what the shell is asked to open
    std::string parameters;  // empty: none
};

// Splits a command into file and parameters:
// - a command that begins with a double quote takes the text up to the
//   closing quote as the file and the rest as the parameters (without a
//   closing quote the whole rest is the file), so paths with blanks can be
//   given parameters;
// - an unquoted command whose whole text names an existing file is the file,
//   without parameters (a path with blanks, started as it is);
// - any other command splits at its first blank: the file is the text before
//   it, the parameters the text from the blank on (the blank included).
ShellCommand SplitCommand(const std::string& command,
                          const std::function<bool(const std::string&)>& fileExists);

// Whether the file part is an address for the shell (web, FTP or mail):
// it begins with "HTTP", "FTP" or "MAILTO" in any letter case.
bool IsAddress(const std::string& file);

}  // namespace menu

// Command lines in the Windows form: a program, then arguments separated by
// blanks, with double quotes around arguments that hold blanks. Used where
// the platform starts programs from an argument list instead.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace os::command_line {

// The arguments of text, split by the rules of the C runtime: blanks (space
// and tab) separate arguments unless inside double quotes; 2n backslashes
// before a quote give n backslashes and the quote opens or closes quoting,
// 2n + 1 give n backslashes and a literal quote; inside quotes "" is a
// literal quote; other backslashes are literal.
std::vector<std::string> SplitArguments(std::string_view text);

// The program and the arguments of a whole command line: the program is
// the text up to the first blank, or between the quotes when it starts with
// one (backslashes there are literal); then the arguments as above.
std::vector<std::string> Split(std::string_view line);

// One argument as it must stand in a command line so that SplitArguments
// gives it back: as it is when it holds no blank, tab or quote and is not
// empty, else in quotes, with backslashes before a quote or the closing
// quote doubled and quotes escaped.
std::string Quote(std::string_view argument);

// The command line of program and arguments: the program in quotes when it
// holds a blank (a program path never holds a quote), then each argument
// quoted as needed, separated by one blank.
std::string Join(std::string_view program, const std::vector<std::string>& arguments);

}  // namespace os::command_line

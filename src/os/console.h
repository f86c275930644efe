// Text lines of a console program on its standard output or standard error,
// given as UTF-8: written as UTF-8 into files and pipes; on a Windows
// console as Unicode text, so that umlauts show whatever the console's code
// page. Lines end as text files do on the platform (CR LF on Windows).
#pragma once

#include <string>

namespace os::console {

enum class Stream { Output, Error };

// Writes text and a line end; false when the stream refused it.
bool WriteLine(Stream stream, const std::string& text);

// Whether the stream goes to a terminal (a console window), where a line
// can be written over.
bool IsTerminal(Stream stream);

// Writes text over the line the cursor stands on (a carriage return
// first, no line end): a progress line that changes in place.
bool WriteOver(Stream stream, const std::string& text);

}  // namespace os::console

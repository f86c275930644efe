// Which profile requests both implementations refuse before the file is
// touched: requests that name no file (Windows would take its own win.ini),
// writes that name no section or key (the ANSI Windows functions crash on
// them), and writes whose text would change the structure of the file (a
// line break starts a new line that could read as another key or section;
// an '=' in a key name would be read back as part of the value) and so
// could not be read back. Reads of an empty section or key name go to the
// file, as on Windows: they find "[]" and "=value" lines.
#pragma once

#include <string>
#include <string_view>

namespace os::profile {

// A read of key in section of path can find something.
bool IsReadable(std::string_view path, std::string_view section, std::string_view key);

// key = value can be written into section of path and read back as written.
bool IsWritable(std::string_view path, std::string_view section, std::string_view key,
                std::string_view value);

// The text to write as a value so that a read gives value back as it is.
// A read drops blanks at a value's ends and one pair of matching quotes
// around it, so a value that begins or ends with a blank (or another
// character a read may drop as space), or that begins and ends with the
// same quote character, is put inside one pair of double quotes; every
// other value is written as it is.
std::string StoredForm(std::string_view value);

}  // namespace os::profile

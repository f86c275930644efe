// The text of an INI file as the Windows profile functions see it, for the
// platforms that have no such functions. Works on the file's bytes in the
// Windows code page, or on the UTF-8 text of a Unicode file (see
// ini_encoding.h); the callers convert names and values. Both kinds of text
// share the characters that shape a file (line ends, blanks, '[', ']', '=',
// quotes); they differ only in how names compare.
//
// Lines end in CR LF, LF or a lone CR. A line whose first non-blank
// character is '[' and that holds a ']' opens
// the section named between them. Any other non-blank line of a section is
// a key: the name before the first '=', the value after it. Names match
// without regard to letter case; blanks around names and values do not
// count. An empty name is a name like any other: "[]" opens the section
// named "", and "=x" is the key named "". Lines before the first section
// belong to no section, not even to "". When a section or a key appears
// twice, the first one counts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace os::ini {

// What the bytes of a text are: characters of the Windows code page, one
// byte each, or UTF-8.
enum class Encoding { CodePage, Utf8 };

// The value of key in section: blanks around it dropped, then one pair of
// matching quotes ('...' or "...") around it dropped. Nothing when the
// section, the key or the key's '=' is missing.
std::optional<std::string> Find(std::string_view text, std::string_view section,
                                std::string_view key, Encoding encoding = Encoding::CodePage);

// The text with key = value in section: an existing key line is rewritten
// in place (its line ending kept), a new key goes after the last non-blank
// line of the section, a new section at the end of the text. New lines end
// in CR LF. Every other byte stays as it was.
std::string Assign(std::string_view text, std::string_view section, std::string_view key,
                   std::string_view value, Encoding encoding = Encoding::CodePage);

// Compares two names without regard to letter case: ASCII and the accented
// letters of Windows-1252 in the code page; in UTF-8 also the other
// letters of Latin Extended-A, Greek and Cyrillic that have a case.
bool SameName(std::string_view a, std::string_view b, Encoding encoding = Encoding::CodePage);

// The name of the section that a line opens (blanks around the line and
// the name dropped), or nothing when the line is no section header.
std::optional<std::string_view> SectionName(std::string_view line);

// Whether a read drops c at the ends of names and values: space, tab, CR,
// vertical tab, form feed.
bool IsTrimmed(char c);

// The text without those characters at either end.
std::string_view Trim(std::string_view text);

}  // namespace os::ini

// Code points in UTF-8 and UTF-16: for the conversions between the Windows
// code page and UTF-8 (encoding.cpp) and between the bytes of a Unicode
// profile file and its text (ini_encoding.cpp), and for counting text as
// the Windows functions count it (in UTF-16 code units).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace os::unicode {

inline constexpr char32_t Replacement = 0xFFFD;

// Decodes one code point at text[pos] (pos < text.size()), advancing pos.
// A malformed sequence (stray continuation byte, overlong form, beyond
// U+10FFFF, cut short) consumes one byte and gives U+FFFD; so does a
// surrogate, unless surrogates is true (text that carries the lone
// surrogates of a UTF-16 file in their three-byte form).
char32_t DecodeUtf8(std::string_view text, std::size_t& pos, bool surrogates = false);

// Appends the UTF-8 form of c (a lone surrogate in its three-byte form).
void AppendUtf8(std::string& out, char32_t c);

// The text with every malformed sequence and lone surrogate replaced by
// U+FFFD.
std::string ValidUtf8(std::string_view text);

// How many UTF-16 code units the text takes: one per code point, two for a
// code point beyond U+FFFF.
std::size_t Utf16Units(std::string_view text);

// The longest beginning of the text that takes at most `units` UTF-16 code
// units, never ending inside a character. This is how the Windows functions
// cut a text to a buffer: a character of the code page is one unit.
std::string FirstUtf16Units(std::string_view text, std::size_t units);

}  // namespace os::unicode

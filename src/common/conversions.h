// Text conversions of values read from the project file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace common {

// The text before its first NUL character; a text without NUL gives the
// empty text (values read into a fixed buffer always carry their NUL).
std::string CutAtNull(const std::string& text);

// The leading decimal number of a text: leading blanks are skipped, reading
// stops at the first character that does not belong to a number (sign,
// digits, one decimal point, an exponent); no number gives 0.
double LeadingNumber(const std::string& text);

// The whole text as a number (blanks around it allowed, a fraction rounded
// half to even), in the range of a 16-bit or 32-bit signed integer; anything
// else gives nothing.
std::optional<std::int16_t> ToInteger16(const std::string& text);
std::optional<std::int32_t> ToInteger32(const std::string& text);

// The nearest whole number, halves going to the even neighbour (9.75 gives
// 10, 10.5 gives 10, 11.5 gives 12); beyond the 32-bit range nothing.
std::optional<std::int32_t> RoundHalfEven(double value);

// "true"/"false" in any letter case, or a number (zero is false); anything
// else gives nothing.
std::optional<bool> ToBoolean(const std::string& text);

}  // namespace common

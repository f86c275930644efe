// Text conversions of values read from the project file.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
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
// 10, 10.5 gives 10, 11.5 gives 12), whatever the rounding mode of the
// floating point unit; beyond the range of Int (or not finite) nothing.
template <class Int = std::int32_t>
std::optional<Int> RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0)) rounded = below + 1;
    if (!std::isfinite(rounded) || rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

// "true"/"false" in any letter case, or a number (zero is false); anything
// else gives nothing.
std::optional<bool> ToBoolean(const std::string& text);

}  // namespace common

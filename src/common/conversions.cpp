#include "common/conversions.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string_view>

namespace common {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Roughly the power of ten of a normalised number ("-12.5e3" gives 5,
// "0.001" gives -2); enough to tell an overflow from an underflow. The
// exponent saturates, so that any number of exponent digits is harmless.
long long DecimalMagnitude(const std::string& normalised) {
    const auto e = normalised.find('e');
    const std::string mantissa = normalised.substr(0, e);
    long long exponent = 0;
    if (e != std::string::npos) {
        std::size_t i = e + 1;
        const bool negative = i < normalised.size() && normalised[i] == '-';
        if (negative) ++i;
        for (; i < normalised.size(); ++i) {
            if (exponent < 1'000'000'000'000LL) exponent = exponent * 10 + (normalised[i] - '0');
        }
        if (negative) exponent = -exponent;
    }
    long long integerDigits = 0;
    long long zerosAfterPoint = 0;
    bool nonZeroSeen = false;
    bool afterPoint = false;
    for (const char c : mantissa) {
        if (c == '.') {
            afterPoint = true;
        } else if (IsDigit(c)) {
            if (c != '0') nonZeroSeen = true;
            if (!afterPoint && nonZeroSeen) ++integerDigits;
            if (afterPoint && !nonZeroSeen) ++zerosAfterPoint;
            if (afterPoint && nonZeroSeen && integerDigits == 0) break;
        }
    }
    if (!nonZeroSeen) return std::numeric_limits<long long>::min() / 2;  // zero never overflows
    return (integerDigits > 0 ? integerDigits : -zerosAfterPoint) + exponent;
}

struct Scanned {
    bool found = false;     // at least one digit of the mantissa was read
    bool overflow = false;  // the number is beyond the range of a double
    double value = 0;
    std::size_t end = 0;    // index after the last character of the number
};

// Reads a decimal number starting at text[pos]: an optional sign, digits with
// at most one decimal point, then an optional exponent ("E" or "D", optional
// sign, digits) that counts only when it has digits. The number is handed to
// from_chars in a normalised form (no "+", "e" for "D"), which reads it
// exactly and reports huge exponents as out of range instead of failing.
Scanned ScanNumber(const std::string& text, std::size_t pos) {
    Scanned result;
    std::string normalised;
    std::size_t i = pos;
    const std::size_t n = text.size();

    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') normalised += '-';
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            digits = true;
            normalised += c;
        } else if (c == '.' && !point) {
            point = true;
            normalised += c;
        } else {
            break;
        }
    }
    if (!digits) return result;
    result.found = true;
    result.end = i;

    if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            if (text[j] == '-') exponent += '-';
            ++j;
        }
        const std::size_t firstDigit = j;
        while (j < n && IsDigit(text[j])) exponent += text[j++];
        if (j > firstDigit) {
            normalised += exponent;
            result.end = j;
        }
    }

    const char* first = normalised.data();
    const char* last = first + normalised.size();
    auto [ptr, ec] = std::from_chars(first, last, result.value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone when out of range.
        const bool negative = normalised[0] == '-';
        if (DecimalMagnitude(normalised) > 0) {
            result.overflow = true;
            result.value = negative ? -std::numeric_limits<double>::infinity()
                                    : std::numeric_limits<double>::infinity();
        } else {
            result.value = negative ? -0.0 : 0.0;
        }
    } else if (ec != std::errc() || ptr != last) {
        // Cannot happen for the text built above; treat it as no number.
        return Scanned{};
    }
    return result;
}

// The whole text, blanks around it allowed, as a finite number.
std::optional<double> WholeNumber(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    if (begin == end) return std::nullopt;
    const Scanned scanned = ScanNumber(text, begin);
    if (!scanned.found || scanned.overflow || scanned.end != end) return std::nullopt;
    return scanned.value;
}

// Rounds to the nearest whole number, a tie to the even one.
double RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5) return below;
    if (fraction > 0.5) return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

template <class Int>
std::optional<Int> ToInteger(const std::string& text) {
    const auto number = WholeNumber(text);
    if (!number) return std::nullopt;
    const double rounded = RoundHalfEven(*number);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i]) return false;
    }
    return true;
}

}  // namespace

std::string CutAtNull(const std::string& text) {
    const auto nul = text.find('\0');
    if (nul == std::string::npos) return {};
    return text.substr(0, nul);
}

double LeadingNumber(const std::string& text) {
    std::size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin])) ++begin;
    const Scanned scanned = ScanNumber(text, begin);
    return scanned.found ? scanned.value : 0.0;
}

std::optional<std::int16_t> ToInteger16(const std::string& text) {
    return ToInteger<std::int16_t>(text);
}

std::optional<std::int32_t> ToInteger32(const std::string& text) {
    return ToInteger<std::int32_t>(text);
}

std::optional<bool> ToBoolean(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    const std::string_view word(text.data() + begin, end - begin);
    if (EqualsIgnoringCase(word, "true")) return true;
    if (EqualsIgnoringCase(word, "false")) return false;
    const auto number = WholeNumber(text);
    if (!number) return std::nullopt;
    return *number != 0;
}

std::optional<std::int32_t> RoundHalfEven(double value) {
    // nearbyint rounds in the default mode, to nearest with ties to even.
    const double rounded = std::nearbyint(value);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

}  // namespace common

#include "common/conversions.h"

#include <cerrno>
#include <cstdlib>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string_view>

namespace common {

namespace {

// The blanks a number may stand between.
bool SurroundsNumber(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Scanned {
    bool found = false;     // at least one digit of the mantissa was read
    bool overflow = false;  // the number is beyond the range of a double
    double value = 0;
    std::size_t end = 0;    // index after the last character of the number
};

// Reads a decimal number starting at text[pos]: an optional sign, digits with
// at most one decimal point, then an optional exponent ("E" or "D", optional
// sign, digits) that counts only when it has digits. The value is the nearest
// double: the significant digits go to strtod with a moderate exponent (a
// number far beyond the range of a double is decided here, and at most 800
// digits, with a last one standing for any non-zero digits left out, decide
// the rounding as all of them would). std::from_chars would read it as well,
// but brings a parser of its own of over 30 KB into the programs.
Scanned ScanNumber(const std::string& text, std::size_t pos) {
    Scanned result;
    std::size_t i = pos;
    const std::size_t n = text.size();

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string significant;  // every digit, the point left out
    long long power = 0;      // the power of ten of the last digit
    bool digits = false;
    bool point = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            digits = true;
            significant += c;
            if (point) --power;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return result;
    result.found = true;
    result.end = i;

    if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        const std::size_t firstDigit = j;
        long long exponent = 0;
        for (; j < n && IsDigit(text[j]); ++j)
            if (exponent < 1'000'000'000'000LL) exponent = exponent * 10 + (text[j] - '0');
        if (j > firstDigit) {
            power += negativeExponent ? -exponent : exponent;
            result.end = j;
        }
    }

    const auto firstNonZero = significant.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        result.value = negative ? -0.0 : 0.0;
        return result;
    }
    significant.erase(0, firstNonZero);
    const auto lastNonZero = significant.find_last_not_of('0');
    power += static_cast<long long>(significant.size() - lastNonZero - 1);
    significant.erase(lastNonZero + 1);

    // The number lies below 10 to the magnitude and at least a tenth of it.
    const long long magnitude = static_cast<long long>(significant.size()) + power;
    if (magnitude > 310) {
        result.overflow = true;
        result.value = negative ? -std::numeric_limits<double>::infinity()
                                : std::numeric_limits<double>::infinity();
        return result;
    }
    if (magnitude < -330) {
        result.value = negative ? -0.0 : 0.0;
        return result;
    }
    constexpr std::size_t kDigits = 800;
    if (significant.size() > kDigits) {
        const bool more = significant.find_first_not_of('0', kDigits) != std::string::npos;
        power += static_cast<long long>(significant.size() - kDigits);
        significant.erase(kDigits);
        if (more) {
            significant += '1';
            --power;
        }
    }
    const std::string normalised =
        (negative ? "-" : "") + significant + "e" + std::to_string(power);
    char* end = nullptr;
    errno = 0;
    result.value = std::strtod(normalised.c_str(), &end);
    if (errno == ERANGE && std::isinf(result.value)) result.overflow = true;
    if (end != normalised.c_str() + normalised.size()) return Scanned{};  // cannot happen
    return result;
}

// The whole text, blanks around it allowed, as a finite number.
std::optional<double> WholeNumber(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && SurroundsNumber(text[begin])) ++begin;
    while (end > begin && SurroundsNumber(text[end - 1])) --end;
    if (begin == end) return std::nullopt;
    const Scanned scanned = ScanNumber(text, begin);
    if (!scanned.found || scanned.overflow || scanned.end != end) return std::nullopt;
    return scanned.value;
}

template <class Int>
std::optional<Int> ToInteger(const std::string& text) {
    const auto number = WholeNumber(text);
    if (!number) return std::nullopt;
    return RoundHalfEven<Int>(*number);
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
    while (begin < text.size() && SurroundsNumber(text[begin])) ++begin;
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
    while (begin < end && SurroundsNumber(text[begin])) ++begin;
    while (end > begin && SurroundsNumber(text[end - 1])) --end;
    const std::string_view word(text.data() + begin, end - begin);
    if (EqualsIgnoringCase(word, "true")) return true;
    if (EqualsIgnoringCase(word, "false")) return false;
    const auto number = WholeNumber(text);
    if (!number) return std::nullopt;
    return *number != 0;
}

}  // namespace common

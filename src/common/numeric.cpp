#include "common/numeric.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "common/failure.h"

namespace ostrel {

namespace {

template <typename Int>
Int RoundTo(double value) {
    // nearbyint rounds in the default mode, to nearest with ties to even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
        ThrowOverflow();
    }
    return static_cast<Int>(rounded);
}

bool IsSkippedBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsExponentMark(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

int DigitValue(char c, int radix) {
    int v = -1;
    if (IsDigit(c)) {
        v = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        v = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        v = c - 'A' + 10;
    }
    return v < radix ? v : -1;
}

int RadixOf(char c) {
    if (c == 'h' || c == 'H') {
        return 16;
    }
    if (c == 'o' || c == 'O') {
        return 8;
    }
    return 0;
}

// The power of ten of the first significant digit of a decimal number
// ("123.4e5": 7, "0.05": -2; 0 for zero). The exponent
// saturates far beyond any double's range, so that no length of text wraps.
std::int64_t LeadingPowerOfTen(const std::string& digits) {
    const std::size_t e = std::min(digits.find_first_of("eE"), digits.size());
    const std::size_t point = std::min(digits.find('.'), e);
    const std::size_t first = digits.find_first_of("123456789");
    if (first >= e) {
        return 0;  // zero
    }
    std::int64_t power = first < point ? static_cast<std::int64_t>(point - first) - 1
                                       : -static_cast<std::int64_t>(first - point);
    std::int64_t exponent = 0;
    for (std::size_t i = e + 1; i < digits.size(); ++i) {
        if (IsDigit(digits[i])) {
            exponent = std::min<std::int64_t>(exponent * 10 + (digits[i] - '0'), 1000000000);
        }
    }
    const bool negativeExponent = e + 1 < digits.size() && digits[e + 1] == '-';
    return power + (negativeExponent ? -exponent : exponent);
}

double ParseDecimal(const std::string& digits) {
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // Too large a magnitude becomes infinite so that any narrowing
        // reports the overflow; too small a magnitude is zero. Which one it
        // is depends on the digits as well as the exponent: "1000...0e-1"
        // with four hundred zeros is too large, "0.000...01" too small.
        return LeadingPowerOfTen(digits) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

}  // namespace

std::int16_t RoundToInt16(double value) {
    return RoundTo<std::int16_t>(value);
}
std::int32_t RoundToInt32(double value) {
    return RoundTo<std::int32_t>(value);
}

std::int16_t NarrowToInt16(std::int32_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        ThrowOverflow();
    }
    return static_cast<std::int16_t>(value);
}

std::uint8_t NarrowToUInt8(std::int32_t value) {
    if (value < 0 || value > 255) {
        ThrowOverflow();
    }
    return static_cast<std::uint8_t>(value);
}

double ReadNumber(std::string_view text) {
    // Blanks, tabs and line feeds count for nothing anywhere in the text.
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (!IsSkippedBlank(c)) {
            s.push_back(c);
        }
    }
    std::size_t i = 0;
    if (i + 1 < s.size() && s[i] == '&' && RadixOf(s[i + 1]) != 0) {
        const int radix = RadixOf(s[i + 1]);
        double value = 0.0;
        for (i += 2; i < s.size() && DigitValue(s[i], radix) >= 0; ++i) {
            value = value * radix + DigitValue(s[i], radix);
        }
        return value;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    std::string digits;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        digits.push_back(s[i]);
    }
    if (i < s.size() && s[i] == '.') {
        digits.push_back('.');
        for (++i; i < s.size() && IsDigit(s[i]); ++i) {
            digits.push_back(s[i]);
        }
    }
    if (digits.empty() || digits == ".") {
        return 0.0;
    }
    if (i < s.size() && IsExponentMark(s[i])) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            exponent.push_back(s[j]);
            ++j;
        }
        const std::size_t firstDigit = j;
        for (; j < s.size() && IsDigit(s[j]); ++j) {
            exponent.push_back(s[j]);
        }
        if (j > firstDigit) {
            digits += exponent;
        }
    }
    const double value = ParseDecimal(digits);
    return negative ? -value : value;
}

bool IsWholeNumber(std::string_view text) {
    const std::string_view s = TrimSpaces(text);
    std::size_t i = 0;
    if (s.size() >= 3 && s[0] == '&' && RadixOf(s[1]) != 0) {
        for (i = 2; i < s.size(); ++i) {
            if (DigitValue(s[i], RadixOf(s[1])) < 0) {
                return false;
            }
        }
        return true;
    }
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t mantissaDigits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        ++mantissaDigits;
    }
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && IsDigit(s[i]); ++i) {
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) {
        return false;
    }
    if (i < s.size() && IsExponentMark(s[i])) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        std::size_t exponentDigits = 0;
        for (; i < s.size() && IsDigit(s[i]); ++i) {
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == s.size();
}

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string UpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

}  // namespace ostrel

#include "common/number_patterns.h"

#include <cmath>
#include <cstdlib>

#include "common/failure.h"

namespace ostrel {

namespace {

std::int64_t RoundToInt64(double value) {
    const double rounded = std::nearbyint(value);  // ties to even
    // 2^63 is exactly representable; anything at or above it does not fit.
    if (!(rounded >= -9223372036854775808.0 && rounded < 9223372036854775808.0)) {
        ThrowOverflow();
    }
    return static_cast<std::int64_t>(rounded);
}

std::string Digits(std::int64_t value) {
    // Through the unsigned magnitude so that the most negative value works.
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    char text[20];
    char* first = text + sizeof text;
    do {
        *--first = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    return std::string(first, text + sizeof text);
}

}  // namespace

std::string FormatGrouped(double value, std::string_view thousandsSeparator) {
    const std::int64_t n = RoundToInt64(value);
    if (n == 0) {
        return "";
    }
    const std::string digits = Digits(n);
    std::string out = n < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out += thousandsSeparator;
        }
        out += digits[i];
    }
    return out;
}

std::string FormatWhole(double value) {
    const std::int64_t n = RoundToInt64(value);
    if (n == 0) {
        return "";
    }
    std::string out = n < 0 ? "-" : "";
    out += Digits(n);
    return out;
}

std::string FormatTwoDigits(std::int32_t value) {
    const std::string digits = Digits(value);
    std::string out = value < 0 ? "-" : "";
    if (digits.size() < 2) {
        out += '0';
    }
    out += digits;
    return out;
}

}  // namespace ostrel

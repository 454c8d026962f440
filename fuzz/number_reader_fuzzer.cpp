// Numbers are read from the command line and the options dialog's fields:
// any text must read as a number (never NaN), agree with the C library's
// reading where the whole text is one number, and round to a handle or a
// field's value only when it is within range.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/failure.h"
#include "common/numeric.h"
#include "property.h"

namespace {

bool IsSkippedBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (!IsSkippedBlank(c)) {
            out.push_back(c);
        }
    }
    return out;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// What the C library reads from a whole number: decimal with the "D"
// exponent mark as "E", or "&H" / "&O" digits while the value is exact in a
// double. False when it has no reading to compare with.
bool LibraryReading(std::string_view whole, double& value) {
    std::string text(whole);
    if (text.size() >= 2 && text[0] == '&') {
        const int radix = (text[1] == 'h' || text[1] == 'H') ? 16 : 8;
        std::string digits = text.substr(2);
        digits.erase(0, digits.find_first_not_of('0'));
        const std::size_t exactDigits = radix == 16 ? 13 : 17;  // 52 and 51 bits
        if (digits.size() > exactDigits) {
            return false;
        }
        value = digits.empty() ? 0.0
                               : static_cast<double>(std::strtoull(digits.c_str(), nullptr, radix));
        return true;
    }
    for (char& c : text) {
        if (c == 'd' || c == 'D') {
            c = 'e';
        }
    }
    value = std::strtod(text.c_str(), nullptr);
    return true;
}

// Rounding to a whole number of a given range: the nearest one, ties to the
// even one, or the overflow failure when that is outside the range.
template <typename Int>
void CheckRounding(double value, Int (*round)(double), double lowest, double highest) {
    const bool fits = value >= lowest - 0.5 && value < highest + 0.5;
    try {
        const double rounded = round(value);
        PROPERTY(fits);
        const double off = std::fabs(rounded - value);
        PROPERTY(off <= 0.5);
        PROPERTY(off < 0.5 || std::fmod(rounded, 2.0) == 0.0);
    } catch (const ostrel::Failure& failure) {
        PROPERTY(failure.number == ostrel::kErrOverflow);
        PROPERTY(!fits);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ostrel;
    const std::string text(reinterpret_cast<const char*>(data), size);

    const double value = ReadNumber(text);
    PROPERTY(!std::isnan(value));
    // Blanks count for nothing, wherever they stand.
    const std::string packed = WithoutBlanks(text);
    PROPERTY(ReadNumber(packed) == value);
    // Only a minus sign makes a number negative.
    const bool minus = !packed.empty() && packed[0] == '-';
    PROPERTY(minus || !(value < 0));
    PROPERTY(!minus || !(value > 0));

    CheckRounding<std::int16_t>(value, RoundToInt16, -32768.0, 32767.0);
    CheckRounding<std::int32_t>(value, RoundToInt32, -2147483648.0, 2147483647.0);

    if (IsWholeNumber(text)) {
        const std::string_view whole = Trimmed(text);
        PROPERTY(IsWholeNumber("  " + text + " "));
        PROPERTY(ReadNumber(whole) == value);
        // The number ends where the text ends: what follows it is not read.
        PROPERTY(ReadNumber(text + "x") == value);
        PROPERTY(ReadNumber(text + "+1") == value);
        double expected = 0.0;
        if (LibraryReading(whole, expected)) {
            PROPERTY(value == expected);
        }
    }
    return 0;
}

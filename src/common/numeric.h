#pragma once
// The numeric conventions every part of the program shares: rounding half to
// even, checked narrowing, and reading a number at the start of a text.

#include <cstdint>
#include <string>
#include <string_view>

namespace ostrel {

// Round to the nearest integer, ties to even. NaN and values outside the
// target range raise the overflow failure.
std::int16_t RoundToInt16(double value);
std::int32_t RoundToInt32(double value);

// Range-checked narrowing of a whole number.
std::int16_t NarrowToInt16(std::int32_t value);
std::uint8_t NarrowToUInt8(std::int32_t value);

// Reads the number at the start of a text: blanks, tabs and line feeds are
// skipped wherever they stand; then an optional sign, digits, a decimal point
// with digits and an exponent, or "&H" / "&O" with hexadecimal or octal
// digits. Reading stops at the first other character; no number gives 0.
double ReadNumber(std::string_view text);

// True when the whole text, spaces around it allowed, is one number in the
// forms ReadNumber accepts.
bool IsWholeNumber(std::string_view text);

// Removes leading and trailing spaces (code 32 only).
std::string_view TrimSpaces(std::string_view text);

// Upper-cases ASCII letters.
std::string UpperCase(std::string_view text);

}  // namespace ostrel

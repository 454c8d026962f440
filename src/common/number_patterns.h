#pragma once
// The number patterns of the information text. Each rounds to a whole
// number, halves to even like every other rounding in the program; a value
// too large for a 64-bit integer (or not a number) raises the overflow
// failure.

#include <cstdint>
#include <string>
#include <string_view>

namespace ostrel {

// "#,###": digits in groups of three joined by the separator; a value that
// rounds to 0 gives an empty text.
std::string FormatGrouped(double value, std::string_view thousandsSeparator);

// "#": plain digits; a value that rounds to 0 gives an empty text.
std::string FormatWhole(double value);

// "0#": at least two digits (7 gives "07", 0 gives "00", 100 gives "100").
std::string FormatTwoDigits(std::int32_t value);

}  // namespace ostrel

#pragma once
// Walking the text of a kernel file or a settings file without ever reading
// past its end: lines, blank-separated fields, and whole numbers that must
// fit their type.

#include <cstdint>
#include <string_view>

namespace ostrel {

// Takes the next line off `rest` (without its line feed).
std::string_view NextLine(std::string_view& rest);

// Takes the next run of characters other than blanks and tabs off `rest`;
// empty when only blanks are left.
std::string_view NextField(std::string_view& rest);

// Drops blanks and tabs at both ends.
std::string_view TrimBlanks(std::string_view text);

// True when the whole text is decimal digits whose value fits 64 bits.
bool ReadDecimal(std::string_view text, std::uint64_t& value);

// True when the whole text is 1 to 16 hexadecimal digits.
bool ReadHexadecimal(std::string_view text, std::uint64_t& value);

// Compares ASCII letters without regard to case.
bool SameLetters(std::string_view a, std::string_view b);

}  // namespace ostrel

#pragma once
// Reading the kernel's small text files whole.

#include <cstddef>
#include <string>

namespace ostrel::x11 {

// Reads up to `limitBytes` of the file into `text`, reusing its storage;
// false when it cannot be opened or read.
bool ReadWholeFile(const char* path, std::string& text, std::size_t limitBytes);

}  // namespace ostrel::x11

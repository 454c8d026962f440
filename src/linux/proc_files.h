#pragma once
// Reading the kernel's small text files, and the settings file, whole.

#include <cstddef>
#include <string>

namespace ostrel::linux_kernel {

// Reads up to `limitBytes` of the file into `text`, reusing its storage.
// Answers 0, or the error number of the open or read that failed.
int ReadWholeFile(const char* path, std::string& text, std::size_t limitBytes);

}  // namespace ostrel::linux_kernel

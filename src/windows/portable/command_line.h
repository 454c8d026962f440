#pragma once
// Reading the screen-saver command line: the arguments after the program's
// path, which run mode they ask for, and the window handles that come with
// /P and /A.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/run_mode.h"

namespace ostrel::win32 {

// The argument text of a raw process command line: what follows the
// program's own path (quoted or not) and the blanks after it, unchanged.
std::string ArgumentText(std::string_view rawCommandLine);

// The first two characters of the line, trimmed of spaces and upper-cased.
std::string RunModeSelector(std::string_view commandLine);

// The longest tail of the trimmed line that reads as a number, rounded to a
// 32-bit handle; 0 when there is none. Raises overflow beyond 32 bits.
std::int32_t PreviewHostHandle(std::string_view commandLine);

// The number right after the two switch characters of the untrimmed line,
// rounded to a 32-bit handle; 0 when there is none.
std::int32_t PasswordParentHandle(std::string_view commandLine);

// What the arguments ask for: /S the saver, /P a preview in the window
// that follows, none or /C the options, /A the password change owned by the
// window that follows, anything else nothing. A window number that cannot
// be read is kept as its failure, for the saver to report where it would
// have used the window.
platform::RunRequest ReadRunRequest(std::string_view arguments);

}  // namespace ostrel::win32

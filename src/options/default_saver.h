#pragma once
// The screen saver of the default user profile, which is used for new users
// and while nobody is logged on, and the value it had before this program
// made itself the default.

#include <string>

namespace ostrel {

inline constexpr const char* kDefaultDesktopKey = ".DEFAULT\\Control Panel\\Desktop";
inline constexpr const char* kScreenSaverValue = "SCRNSAVE.EXE";
inline constexpr const char* kOldDefaultValue = "oldDefaultSS";
inline constexpr const char* kOwnFileName = "ostrel.scr";
inline constexpr const char* kFallbackSaver = "Logon.scr";

// Reads the default profile's screen saver; false (and empty) when it
// cannot be read.
bool ReadDefaultScreenSaver(std::string& value);
void WriteDefaultScreenSaver(const std::string& value);

// True when the value names this program by its bare file name, in any case.
bool IsThisProgram(const std::string& value);

}  // namespace ostrel

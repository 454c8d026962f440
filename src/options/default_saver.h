#pragma once
// The screen saver of the default user profile, which is used for new users
// and while nobody is logged on, and the value it had before this program
// made itself the default (kept among the settings).

#include <string>

namespace ostrel {

inline constexpr const char* kOldDefaultValue = "oldDefaultSS";
inline constexpr const char* kOwnFileName = "ostrel.scr";
inline constexpr const char* kFallbackSaver = "Logon.scr";

// True when the value names this program by its bare file name, in any case.
bool IsThisProgram(const std::string& value);

}  // namespace ostrel

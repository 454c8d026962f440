#pragma once
// The settings file behind the registry functions on Linux.

#include <string>

namespace ostrel::x11 {

// The settings file.
std::string SettingsFilePath();
// Reads it once; what cannot be read is told in one line on standard error.
void LoadSettingsFile();
// Whether written values go to the file (true) or only last this run.
void KeepSettingsInFile(bool keep);

}  // namespace ostrel::x11

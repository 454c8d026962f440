#pragma once
// The settings store on Linux: the file $XDG_CONFIG_HOME/ostrel/settings
// (~/.config/ostrel/settings by default), read once at start-up. Values
// keep the names and types they have on the other platform, so loading,
// defaults and every rule of the settings record stay the same.

#include <string>

#include "linux/portable/settings_file.h"
#include "platform/settings_store.h"

namespace ostrel::platform {

struct SettingsStore {
    std::string path;  // the settings file
    SettingsFileContents contents;
    // Whether written values go to the file (true) or only last this run.
    bool keepInFile = false;
};

}  // namespace ostrel::platform

namespace ostrel::linux_kernel {

// The settings file's path from the environment.
std::string SettingsFilePath();

// Reads the file at `path` into the store; what cannot be read is told in
// one line on standard error.
void LoadSettingsFile(platform::SettingsStore& store, std::string path);

}  // namespace ostrel::linux_kernel

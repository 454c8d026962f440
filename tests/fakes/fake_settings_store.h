#pragma once
// The stored settings as named values that keep their type, and the
// system's default saver; reads and writes can be made to fail by name.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <variant>

#include "platform/settings_store.h"

struct ostrel::platform::SettingsStore {
    std::map<std::string, std::variant<std::int32_t, std::string>> values;
    std::set<std::string> failingReads;       // these names cannot be read
    std::set<std::string> failingWrites;      // nor written
    std::optional<std::string> defaultSaver;  // none: Missing
    bool defaultSaverFails = false;           // reads fail and writes are refused

    // The text of a value, the number as text, or "<none>".
    std::string Shown(const std::string& name) const;
};

#pragma once
// The stored settings: named values, each a number or a text, in the one
// place the program keeps its settings (below HKEY_LOCAL_MACHINE on
// Windows, a settings file on Linux). Also the system's own default screen
// saver, which the options dialog can make this program.

#include <cstdint>
#include <string>

#include "platform/services.h"

namespace ostrel::platform {

enum class ReadStatus {
    Value,      // the value is there and holds its type
    Missing,    // no such value
    WrongType,  // the value is there but is not of the type asked for
    Failed,     // the store could not be read
};

template <typename T>
struct StoredValue {
    ReadStatus status = ReadStatus::Missing;
    T value{};

    bool ok() const { return status == ReadStatus::Value; }
    const T& Or(const T& fallback) const { return ok() ? value : fallback; }
};

using StoredNumber = StoredValue<std::int32_t>;
using StoredText = StoredValue<std::string>;

StoredNumber ReadNumberValue(SettingsStore& store, const std::string& name);
StoredText ReadTextValue(SettingsStore& store, const std::string& name);
// True when the value was written.
bool WriteNumberValue(SettingsStore& store, const std::string& name, std::int32_t number);
bool WriteTextValue(SettingsStore& store, const std::string& name, const std::string& text);

// The screen saver of the default user profile (used for new users and
// while nobody is logged on): its file name. A platform without one answers
// Missing and refuses the write.
StoredText ReadDefaultSaver(SettingsStore& store);
bool WriteDefaultSaver(SettingsStore& store, const std::string& fileName);

}  // namespace ostrel::platform

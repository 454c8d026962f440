#pragma once
// The settings file: the values the other platform keeps in its registry
// key, one "Name = value" line each. A value in double quotes is text, with
// \\ \" \r \n \t and \xHH for the bytes that need them; any other value is
// a 32-bit number, decimal (with a sign) or hexadecimal after 0x. Lines that
// start with '#' and blank lines say nothing. The file comes from outside
// the program: a line that cannot be read is left out and counted.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/settings_store.h"

namespace ostrel {

enum class SettingsValueKind { Number, Text };

struct SettingsFileEntry {
    std::string name;
    SettingsValueKind kind = SettingsValueKind::Number;
    std::string text;  // the bytes of a text
    std::uint32_t number = 0;

    bool operator==(const SettingsFileEntry&) const = default;
};

struct SettingsFileReading {
    std::vector<SettingsFileEntry> entries;  // in file order; a later line of a name replaces it
    std::size_t badLines = 0;
    std::size_t firstBadLine = 0;  // counted from 1; 0 when every line was read
};

SettingsFileReading ReadSettingsFile(std::string_view text);

// The text of a file that reads back as `entries`.
std::string WriteSettingsFile(const std::vector<SettingsFileEntry>& entries);

// The entry of that name, its letters in any case; nullptr when there is none.
SettingsFileEntry* FindSettingsEntry(std::vector<SettingsFileEntry>& entries,
                                     std::string_view name);

// A name the file can hold: 1 to 255 letters, digits, '_', '-' and '.'.
bool IsSettingsName(std::string_view name);

// What the store holds: the file's entries as read at start-up with what
// was written since. Where the file could not be read at all, a value not
// written since failed.
struct SettingsFileContents {
    std::vector<SettingsFileEntry> entries;
    bool unreadable = false;
};

// A value of either kind by its name, its letters in any case. Nothing is
// converted: a number asked for as text (or the other way) is the wrong
// type.
platform::StoredNumber ReadNumberEntry(const SettingsFileContents& contents, std::string_view name);
platform::StoredText ReadTextEntry(const SettingsFileContents& contents, std::string_view name);

// Sets a value, replacing one of that name of either kind in its place;
// false, changing nothing, for a name the file cannot hold.
bool SetNumberEntry(SettingsFileContents& contents, std::string_view name, std::int32_t number);
bool SetTextEntry(SettingsFileContents& contents, std::string_view name, std::string_view text);

}  // namespace ostrel

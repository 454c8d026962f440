// Fuzzes the settings file's reader and writer: whatever a file holds, what
// was read writes out to a file that reads back the same, line for line.

#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_bytes.h"
#include "property.h"
#include "linux/portable/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ostrel::SettingsFileReading r = ostrel::ReadSettingsFile(text);
    PROPERTY((r.badLines == 0) == (r.firstBadLine == 0));
    const ostrel::SettingsFileContents contents{r.entries};
    for (std::size_t i = 0; i < r.entries.size(); ++i) {
        const ostrel::SettingsFileEntry& e = r.entries[i];
        PROPERTY(ostrel::IsSettingsName(e.name));
        // The store answers each value in its own kind only.
        const bool number = e.kind == ostrel::SettingsValueKind::Number;
        PROPERTY(ostrel::ReadNumberEntry(contents, e.name).status ==
                 (number ? ostrel::platform::ReadStatus::Value
                         : ostrel::platform::ReadStatus::WrongType));
        PROPERTY(ostrel::ReadTextEntry(contents, e.name).ok() == !number);
        // Each name once, whatever the case of its letters.
        PROPERTY(ostrel::FindSettingsEntry(r.entries, e.name) == &r.entries[i]);
    }
    const ostrel::SettingsFileReading back =
        ostrel::ReadSettingsFile(ostrel::WriteSettingsFile(r.entries));
    PROPERTY(back.badLines == 0);
    PROPERTY(back.entries == r.entries);
    return 0;
}

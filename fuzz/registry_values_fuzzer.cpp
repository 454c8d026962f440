// Stored settings are whatever a user or another program put in the
// registry: any type and any bytes under the settings' value names. Every
// read must answer true or false, never raise and never leave a key open;
// the settings load or raise only the overflow failure of a number too wide
// for its field.
//
// The input is a list of values, each four bytes (name, type, length low
// and high byte) and then its bytes; a later value replaces an earlier one.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/failure.h"
#include "fakes/fake_platform.h"
#include "platform/registry.h"
#include "property.h"
#include "settings/registry_store.h"
#include "settings/settings.h"

namespace ostrel {
namespace {

constexpr const char* kValueNames[] = {"FontName",     "FontSize",     "FontColour", "BgColour",
                                       "FontSettings", "DisplayItems", "Options",    "Descr",
                                       "MoveOption",   "MoveEBRandom", "TimeFormat", "NotASetting"};
constexpr std::size_t kValueNameCount = sizeof kValueNames / sizeof kValueNames[0];

struct Stored {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> bytes;
};

// The stored values by name, also written to the fake registry.
std::map<std::string, Stored> StoreValues(const std::uint8_t* data, std::size_t size) {
    std::map<std::string, Stored> stored;
    std::size_t at = 0;
    while (size - at >= 4) {
        const std::string name = kValueNames[data[at] % kValueNameCount];
        const std::uint32_t type = data[at + 1];
        std::size_t length = data[at + 2] | static_cast<std::size_t>(data[at + 3]) << 8;
        at += 4;
        length = length < size - at ? length : size - at;
        Stored value{type, std::vector<std::uint8_t>(data + at, data + at + length)};
        at += length;
        fake::Fake().SetRegBytes(SettingsKeyPath(), name, value.type, value.bytes);
        stored[name] = std::move(value);
    }
    return stored;
}

// A value the store can read: one that is there, with at least one byte and
// no more than its read buffer holds.
const Stored* Readable(const std::map<std::string, Stored>& stored, const std::string& name) {
    const auto v = stored.find(name);
    if (v == stored.end() || v->second.bytes.empty() ||
        v->second.bytes.size() > kRegistryReadBufferBytes) {
        return nullptr;
    }
    return &v->second;
}

// A number as stored: little-endian, the bytes it does not have are zero.
std::uint32_t StoredNumber(const Stored& value) {
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < 4 && i < value.bytes.size(); ++i) {
        number |= static_cast<std::uint32_t>(value.bytes[i]) << (8 * i);
    }
    return number;
}

std::optional<std::int32_t> StoredDword(const std::map<std::string, Stored>& stored,
                                        const std::string& name) {
    const Stored* value = Readable(stored, name);
    if (value == nullptr || value->type != platform::kRegDword) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(StoredNumber(*value));
}

// A text as stored, without one final zero byte.
std::optional<std::string> StoredText(const std::map<std::string, Stored>& stored,
                                      const std::string& name) {
    const Stored* value = Readable(stored, name);
    if (value == nullptr || value->type != platform::kRegSz) {
        return std::nullopt;
    }
    std::string text(value->bytes.begin(), value->bytes.end());
    if (text.back() == '\0') {
        text.pop_back();
    }
    return text;
}

void CheckReads(const std::map<std::string, Stored>& stored, const std::string& name) {
    const Stored* value = Readable(stored, name);
    std::string text;
    bool answer = false;
    try {
        answer = ReadRegistryText(platform::kHkeyLocalMachine, SettingsKeyPath(), name, text);
    } catch (...) {
        PROPERTY(!"a text read raised");
    }
    PROPERTY(fake::Fake().openKeys == 0);
    PROPERTY(answer == (value != nullptr));
    if (!answer) {
        PROPERTY(text.empty());
    } else if (value->type == platform::kRegSz) {
        PROPERTY(text == *StoredText(stored, name));
    } else if (value->type == platform::kRegDword) {
        // A number read as text shows as its decimal value.
        PROPERTY(text == std::to_string(StoredNumber(*value)));
    }

    std::int32_t number = 0;
    try {
        answer = ReadRegistryNumber(platform::kHkeyLocalMachine, SettingsKeyPath(), name, number);
    } catch (...) {
        PROPERTY(!"a number read raised");
    }
    PROPERTY(fake::Fake().openKeys == 0);
    const std::optional<std::int32_t> dword = StoredDword(stored, name);
    PROPERTY(answer == dword.has_value());
    PROPERTY(!answer || number == *dword);
}

template <typename Field>
bool Fits(const std::optional<std::int32_t>& number) {
    return !number || (*number >= std::numeric_limits<Field>::min() &&
                       *number <= std::numeric_limits<Field>::max());
}

// A field read from a stored number holds that number; one with nothing
// readable stored has its default, which is not checked here.
template <typename Field>
void CheckNumberField(const std::map<std::string, Stored>& stored, const char* name, Field field) {
    const std::optional<std::int32_t> number = StoredDword(stored, name);
    PROPERTY(!number || static_cast<std::int64_t>(field) == static_cast<Field>(*number));
}

void CheckLoadSettings(const std::map<std::string, Stored>& stored) {
    const bool tooWide = !Fits<std::int16_t>(StoredDword(stored, "FontSize")) ||
                         !Fits<std::int16_t>(StoredDword(stored, "DisplayItems")) ||
                         !Fits<std::int16_t>(StoredDword(stored, "Options")) ||
                         !Fits<std::int16_t>(StoredDword(stored, "MoveOption")) ||
                         !Fits<std::int16_t>(StoredDword(stored, "MoveEBRandom")) ||
                         !Fits<std::uint8_t>(StoredDword(stored, "TimeFormat"));
    Settings settings;
    try {
        LoadSettings(settings);
    } catch (const Failure& failure) {
        PROPERTY(failure.number == kErrOverflow);
        PROPERTY(tooWide);
        PROPERTY(fake::Fake().openKeys == 0);
        return;
    } catch (...) {
        PROPERTY(!"loading the settings raised something other than a failure");
    }
    PROPERTY(!tooWide);
    PROPERTY(fake::Fake().openKeys == 0);

    CheckNumberField(stored, "FontSize", settings.fontSizePoints);
    CheckNumberField(stored, "DisplayItems", settings.displayItems);
    CheckNumberField(stored, "Options", settings.options);
    CheckNumberField(stored, "MoveOption", settings.animationType);
    CheckNumberField(stored, "MoveEBRandom", settings.bounceRandomness);
    CheckNumberField(stored, "TimeFormat", settings.timeFormat);
    CheckNumberField(stored, "FontColour", static_cast<std::int32_t>(settings.fontColour));
    CheckNumberField(stored, "BgColour", static_cast<std::int32_t>(settings.backgroundColour));
    if (const auto fontSettings = StoredDword(stored, "FontSettings")) {
        PROPERTY(settings.fontBold == ((*fontSettings & 1) != 0));
        PROPERTY(settings.fontItalic == ((*fontSettings & 2) != 0));
        PROPERTY(settings.fontStrikethrough == ((*fontSettings & 4) != 0));
        PROPERTY(settings.fontUnderline == ((*fontSettings & 8) != 0));
    }
    if (const auto fontName = StoredText(stored, "FontName")) {
        PROPERTY(settings.fontName == *fontName);
    }
    // The description is kept only while its line is shown.
    if ((settings.displayItems & kShowDescription) == 0) {
        PROPERTY(settings.description.empty());
    } else if (const auto description = StoredText(stored, "Descr")) {
        PROPERTY(settings.description == *description);
    }
}

}  // namespace
}  // namespace ostrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ostrel;
    fake::ResetFake();
    const std::map<std::string, Stored> stored = StoreValues(data, size);
    for (const char* name : kValueNames) {
        CheckReads(stored, name);
    }
    CheckLoadSettings(stored);
    return 0;
}

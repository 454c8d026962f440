// Stored settings are whatever a user or another program put in the
// registry: any type and any bytes under the settings' value names. Every
// read must answer a status and a value, never raise and never leave a key
// open; a text read back must write and read again unchanged.
//
// The input is a list of values, each four bytes (name, type, length low
// and high byte) and then its bytes; a later value replaces an earlier one.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "property.h"
#include "windows/portable/registry_store.h"
#include "windows/fake_registry_values.h"

namespace ostrel::win32 {
namespace {

using platform::ReadStatus;

constexpr const char* kValueNames[] = {"FontName",     "FontSize",     "FontColour", "BgColour",
                                       "FontSettings", "DisplayItems", "Options",    "Descr",
                                       "MoveOption",   "MoveEBRandom", "TimeFormat", "NotASetting"};
constexpr std::size_t kValueNameCount = sizeof kValueNames / sizeof kValueNames[0];
constexpr RegistryRoot kRoot = RegistryRoot::LocalMachine;

// One key of values, as the registry would answer for it.
struct OneKey {
    bool exists = true;
    RegistryValues values;
    int openKeys = 0;

    RegistryAccess Access() {
        RegistryAccess a;
        a.openKey = [this](RegistryRoot root, const std::string& path, bool create,
                           RegistryKey& key) -> long {
            PROPERTY(root == kRoot && path == SettingsKeyPath());
            if (!exists && !create) {
                return kRegFileNotFound;
            }
            exists = true;
            key = 7;
            ++openKeys;
            return kRegSuccess;
        };
        a.queryValue = [this](RegistryKey key, const std::string& name, std::uint32_t& type,
                              std::uint8_t* data, std::uint32_t& size) -> long {
            PROPERTY(key == 7 && openKeys == 1 && size == kRegistryReadBufferBytes);
            return AnswerQuery(values, name, type, data, size);
        };
        a.setValue = [this](RegistryKey key, const std::string& name, std::uint32_t type,
                            const std::uint8_t* data, std::uint32_t size) -> long {
            PROPERTY(key == 7 && openKeys == 1);
            values[name] = RegistryValue{type, std::vector<std::uint8_t>(data, data + size)};
            return kRegSuccess;
        };
        a.closeKey = [this](RegistryKey key) {
            PROPERTY(key == 7);
            --openKeys;
        };
        return a;
    }
};

RegistryValues ReadValues(const std::uint8_t* data, std::size_t size) {
    RegistryValues stored;
    std::size_t at = 0;
    while (size - at >= 4) {
        const std::string name = kValueNames[data[at] % kValueNameCount];
        const std::uint32_t type = data[at + 1];
        std::size_t length = data[at + 2] | static_cast<std::size_t>(data[at + 3]) << 8;
        at += 4;
        length = length < size - at ? length : size - at;
        stored[name] =
            RegistryValue{type, std::vector<std::uint8_t>(data + at, data + at + length)};
        at += length;
    }
    return stored;
}

// A number as stored: little-endian, the bytes it does not have are zero.
std::uint32_t Bits(const RegistryValue& value) {
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < 4 && i < value.bytes.size(); ++i) {
        number |= static_cast<std::uint32_t>(value.bytes[i]) << (8 * i);
    }
    return number;
}

void CheckReads(OneKey& key, const std::string& name) {
    const RegistryAccess access = key.Access();
    const auto v = key.values.find(name);
    const RegistryValue* value = v == key.values.end() ? nullptr : &v->second;
    const bool readable = value != nullptr && !value->bytes.empty() &&
                          value->bytes.size() <= kRegistryReadBufferBytes;

    const platform::StoredText text = ReadRegistryText(access, kRoot, SettingsKeyPath(), name);
    const platform::StoredNumber number =
        ReadRegistryNumber(access, kRoot, SettingsKeyPath(), name);
    PROPERTY(key.openKeys == 0);
    if (value == nullptr) {
        PROPERTY(text.status == ReadStatus::Missing && number.status == ReadStatus::Missing);
    } else if (!readable) {
        PROPERTY(text.status == ReadStatus::Failed && number.status == ReadStatus::Failed);
    }
    if (!text.ok()) {
        PROPERTY(text.value.empty());
    }
    if (!number.ok()) {
        PROPERTY(number.value == 0);
    }
    if (!readable) {
        return;
    }
    if (value->type == kRegSz) {
        std::string expected(value->bytes.begin(), value->bytes.end());
        if (expected.back() == '\0') {
            expected.pop_back();
        }
        PROPERTY(text.ok() && text.value == expected);
        PROPERTY(number.status == ReadStatus::WrongType);
    } else if (value->type == kRegDword) {
        PROPERTY(text.ok() && text.value == std::to_string(Bits(*value)));
        PROPERTY(number.ok() && number.value == static_cast<std::int32_t>(Bits(*value)));
    } else {
        // Another type reads as an empty text and as no number.
        PROPERTY(text.ok() && text.value.empty() && number.status == ReadStatus::WrongType);
    }
    // What was read is written and read back unchanged: a text up to its
    // first zero byte (the store writes texts without a terminator), a
    // number exactly.
    if (text.ok() && text.value.find('\0') == std::string::npos) {
        PROPERTY(WriteRegistryText(access, kRoot, SettingsKeyPath(), name, text.value));
        const platform::StoredText again = ReadRegistryText(access, kRoot, SettingsKeyPath(), name);
        PROPERTY(again.ok() && again.value == text.value);
    }
    if (number.ok()) {
        PROPERTY(WriteRegistryNumber(access, kRoot, SettingsKeyPath(), name, number.value));
        PROPERTY(ReadRegistryNumber(access, kRoot, SettingsKeyPath(), name).value == number.value);
    }
    PROPERTY(key.openKeys == 0);
}

}  // namespace
}  // namespace ostrel::win32

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ostrel::win32;
    OneKey key;
    key.values = ReadValues(data, size);
    for (const char* name : kValueNames) {
        CheckReads(key, name);
    }
    // Without the key every read is missing and none creates it.
    OneKey absent;
    absent.exists = false;
    for (const char* name : kValueNames) {
        const RegistryAccess access = absent.Access();
        PROPERTY(ReadRegistryText(access, kRoot, SettingsKeyPath(), name).status ==
                     ostrel::platform::ReadStatus::Missing &&
                 !absent.exists);
    }
    return 0;
}

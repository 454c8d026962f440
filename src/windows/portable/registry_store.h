#pragma once
// The settings and the default user's screen saver in the registry. Each
// operation opens its key, does one thing and closes the key again, and
// answers how it went instead of raising, so that the program can fall back
// to its defaults. The registry is reached through a few plain calls, so
// that the rules run and are tested without it.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/settings_store.h"

namespace ostrel::win32 {

// The predefined roots the program keeps its values under.
enum class RegistryRoot : std::uint32_t {
    LocalMachine = 0x80000002u,
    Users = 0x80000003u,
};

// Value types and the system's answers that the rules tell apart.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr long kRegSuccess = 0;
inline constexpr long kRegFileNotFound = 2;

// A value is read into a buffer of this size; a longer one cannot be read.
inline constexpr std::uint32_t kRegistryReadBufferBytes = 1024;

using RegistryKey = std::uint64_t;

// The registry's calls; each answers the system's status, 0 for success.
struct RegistryAccess {
    // Opens an existing key, or with `create` opens it making any missing
    // levels.
    std::function<long(RegistryRoot root, const std::string& path, bool create, RegistryKey& key)>
        openKey;
    // `size` holds the buffer's size on entry and the bytes stored on success.
    std::function<long(RegistryKey key, const std::string& name, std::uint32_t& type,
                       std::uint8_t* data, std::uint32_t& size)>
        queryValue;
    std::function<long(RegistryKey key, const std::string& name, std::uint32_t type,
                       const std::uint8_t* data, std::uint32_t size)>
        setValue;
    std::function<void(RegistryKey key)> closeKey;
};

// Where the settings live (below LocalMachine), and the default user's
// desktop key and its screen-saver value (below Users).
std::string SettingsKeyPath();
inline constexpr const char* kDefaultDesktopKeyPath = ".DEFAULT\\Control Panel\\Desktop";
inline constexpr const char* kDefaultSaverValueName = "SCRNSAVE.EXE";

// What a stored value of this type and these bytes reads as: a text (from a
// text, a number as its decimal, any other type as an empty text) or a
// number (from a number only). A value of no bytes at all fails; one final
// zero byte is not part of the value.
platform::StoredText TextOfValue(std::uint32_t type, const std::uint8_t* bytes, std::uint32_t size);
platform::StoredNumber NumberOfValue(std::uint32_t type, const std::uint8_t* bytes,
                                     std::uint32_t size);

platform::StoredText ReadRegistryText(const RegistryAccess& registry, RegistryRoot root,
                                      const std::string& keyPath, const std::string& valueName);
platform::StoredNumber ReadRegistryNumber(const RegistryAccess& registry, RegistryRoot root,
                                          const std::string& keyPath, const std::string& valueName);
// True when the value was written. An empty text is stored as one zero
// byte, any other without a terminating zero; a number as four bytes.
bool WriteRegistryText(const RegistryAccess& registry, RegistryRoot root,
                       const std::string& keyPath, const std::string& valueName,
                       const std::string& text);
bool WriteRegistryNumber(const RegistryAccess& registry, RegistryRoot root,
                         const std::string& keyPath, const std::string& valueName,
                         std::int32_t number);

}  // namespace ostrel::win32

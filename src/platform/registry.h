#pragma once
// Registry services. Text crosses this boundary in the system's ANSI code
// page, as raw bytes. Every call answers with the system's status code,
// 0 for success.

#include <cstdint>
#include <string>

namespace ostrel::platform {

using RegistryKey = std::uint64_t;

inline constexpr std::uint32_t kHkeyLocalMachine = 0x80000002u;
inline constexpr std::uint32_t kHkeyUsers = 0x80000003u;
inline constexpr std::uint32_t kHkeyPerformanceData = 0x80000004u;

inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegDword = 4;

inline constexpr long kRegSuccess = 0;
inline constexpr long kRegMoreData = 234;

// Opens an existing key.
long OpenRegistryKey(std::uint32_t root, const std::string& path, RegistryKey& key);
// Opens a key, creating any missing levels.
long CreateRegistryKey(std::uint32_t root, const std::string& path, RegistryKey& key);
// On success `size` holds the number of bytes stored; a value longer than
// `size` fails with kRegMoreData.
long QueryRegistryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                        std::uint8_t* data, std::uint32_t& size);
long SetRegistryValue(RegistryKey key, const std::string& name, std::uint32_t type,
                      const std::uint8_t* data, std::uint32_t size);
long CloseRegistryKey(RegistryKey key);

}  // namespace ostrel::platform

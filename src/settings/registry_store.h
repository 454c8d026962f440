#pragma once
// The registry store: four small operations that each open their key, do one
// thing, close the key and answer true for success. They never raise, so
// callers can fall back to defaults.

#include <cstdint>
#include <string>

namespace ostrel {

inline constexpr std::uint32_t kRegistryReadBufferBytes = 1024;

bool ReadRegistryText(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                      std::string& text);
bool WriteRegistryText(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                       const std::string& text);
bool ReadRegistryNumber(std::uint32_t root, const std::string& keyPath,
                        const std::string& valueName, std::int32_t& number);
bool WriteRegistryNumber(std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName, std::int32_t number);

}  // namespace ostrel

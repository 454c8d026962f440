#pragma once
// The registry store: four small operations that each open their key, do one
// thing, close the key and answer true for success. They never raise, so
// callers can fall back to defaults.

#include <cstdint>
#include <string>

namespace ostrel {

inline constexpr std::uint32_t kRegReadBufferBytes = 1024;

bool ReadRegString(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                   std::string& text);
bool WriteRegString(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                    const std::string& text);
bool ReadRegDword(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                  std::int32_t& number);
bool WriteRegDword(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                   std::int32_t number);

}  // namespace ostrel

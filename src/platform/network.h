#pragma once
// Network interfaces.

#include <cstdint>

namespace ostrel::platform {

inline constexpr long kIfTableSuccess = 0;
inline constexpr long kIfTableNotSupported = 50;

// The size of the table's entry count and of one interface row, and where a
// row keeps its received and sent byte counters (32-bit, little-endian).
inline constexpr std::uint32_t kIfTableHeaderBytes = 4;
inline constexpr std::uint32_t kIfRowBytes = 860;
inline constexpr std::uint32_t kIfRowInOctets = 552;
inline constexpr std::uint32_t kIfRowOutOctets = 576;

// Copies the interface table, unsorted, into `buffer`, which holds `size`
// bytes: a 32-bit entry count followed by that many rows. With no buffer and
// a size of 0 it only reports the size needed in `size`. Answers the
// system's status: 0 for success, kIfTableNotSupported where there is no
// such table, other codes for other failures.
long QueryInterfaceTable(std::uint8_t* buffer, std::uint32_t& size);

}  // namespace ostrel::platform

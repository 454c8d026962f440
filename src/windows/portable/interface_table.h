#pragma once
// Reading Windows' network interface table: a 32-bit entry count followed
// by that many 860-byte rows, each with its received and sent byte counters.
// The table comes from outside the program: only whole rows that the bytes
// hold are read. Portable, so that it is tested and fuzzed natively.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/network.h"

namespace ostrel {

// The size of the table's entry count and of one interface row, and where a
// row keeps its received and sent byte counters (32-bit, little-endian).
inline constexpr std::uint32_t kIfTableHeaderBytes = 4;
inline constexpr std::uint32_t kIfRowBytes = 860;
inline constexpr std::uint32_t kIfRowInOctets = 552;
inline constexpr std::uint32_t kIfRowOutOctets = 576;

// The counters of every row that the entry count names and the `size` bytes
// hold whole. A negative count names none. Raises the overflow failure when
// the entry count does not fit 16 bits.
std::vector<platform::InterfaceOctets> ReadInterfaceTable(const std::uint8_t* table,
                                                          std::size_t size);

}  // namespace ostrel

#pragma once
// Numbers stored least significant byte first, as Windows' binary layouts
// and its registry keep them.

#include <array>
#include <cstddef>
#include <cstdint>

namespace ostrel {

// The number in the first `count` bytes (at most 8); the caller has checked
// that they are there.
constexpr std::uint64_t ReadLittleEndian(const std::uint8_t* bytes, std::size_t count) {
    std::uint64_t number = 0;
    for (std::size_t i = count; i > 0; --i) {
        number = number << 8 | bytes[i - 1];
    }
    return number;
}

// The four bytes of a 32-bit number.
constexpr std::array<std::uint8_t, 4> LittleEndianBytes(std::uint32_t number) {
    return {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
            static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
}

}  // namespace ostrel

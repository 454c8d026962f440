#pragma once
// System information: identity, version, clocks.

#include <cstdint>

namespace ostrel::platform {

// `size` holds the buffer's size on entry and, on success, the number of
// characters of the name without the terminating zero.
bool ReadComputerName(char* buffer, std::uint32_t& size);

// True when the platform's version can be queried.
bool QueryPlatformVersion();

// Local time of day, in seconds since midnight with the fraction.
double SecondsSinceMidnight();

}  // namespace ostrel::platform

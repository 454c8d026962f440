#pragma once
// Fixed-point numbers: a signed 64-bit integer holding a value times 10000,
// four decimal places. The uptime in seconds and memory counts use them.

#include <cstdint>

namespace ostrel {

inline constexpr std::int64_t kFixedPointOne = 10000;

}  // namespace ostrel

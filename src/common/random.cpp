#include "common/random.h"

#include <cstdint>
#include <cstring>
#include <utility>

namespace ostrel {

void Random::Seed(double secondsSinceMidnight, std::uint32_t salt) {
    // Mix the bits of the time of day so that seeds a few milliseconds apart
    // give unrelated sequences. The salt is spread over the low bits first,
    // so that neighbouring salts are far apart too.
    std::uint64_t bits = 0;
    std::memcpy(&bits, &secondsSinceMidnight, sizeof bits);
    bits ^= static_cast<std::uint64_t>(salt) * 0x9E3779B97F4A7C15ull;
    bits ^= bits >> 29;
    bits *= 0xBF58476D1CE4E5B9ull;
    bits ^= bits >> 32;
    state_ = static_cast<std::uint32_t>(bits) & 0xFFFFFFu;
}

float Random::Draw() {
    if (script_) {
        return script_();
    }
    // A 24-bit linear congruential generator: 24 bits are exactly what a
    // single-precision value in [0, 1) can hold, so every draw is exact.
    state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return static_cast<float>(state_) / 16777216.0f;
}

void Random::Script(std::function<float()> source) {
    script_ = std::move(source);
}

}  // namespace ostrel

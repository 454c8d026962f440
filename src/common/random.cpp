#include "common/random.h"

#include <cstdint>
#include <cstring>
#include <utility>

namespace ostrel {

namespace {

// A 24-bit linear congruential generator: 24 bits are exactly what a
// single-precision value in [0, 1) can hold, so every draw is exact.
std::uint32_t gState = 0x50000u;
std::function<float()> gSource;

float NextFromGenerator() {
    gState = (gState * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return static_cast<float>(gState) / 16777216.0f;
}

}  // namespace

void SeedRandom(double secondsSinceMidnight) {
    // Mix the bits of the time of day so that seeds a few milliseconds apart
    // give unrelated sequences.
    std::uint64_t bits = 0;
    std::memcpy(&bits, &secondsSinceMidnight, sizeof bits);
    bits ^= bits >> 29;
    bits *= 0xBF58476D1CE4E5B9ull;
    bits ^= bits >> 32;
    gState = static_cast<std::uint32_t>(bits) & 0xFFFFFFu;
}

float RandomDraw() {
    return gSource ? gSource() : NextFromGenerator();
}

void SetRandomSource(std::function<float()> source) {
    gSource = std::move(source);
}

}  // namespace ostrel

#pragma once
// The movement engine's random generator, owned by the saver window and
// seeded once at start-up from the time of day. Tests replace the generator
// with a scripted source.

#include <cstdint>
#include <functional>

namespace ostrel {

class Random {
  public:
    // `salt` (0: none) sets apart generators seeded in the same instant.
    void Seed(double secondsSinceMidnight, std::uint32_t salt = 0);

    // A single-precision value, uniform in [0, 1).
    float Draw();

    // Replaces the generator (an empty function restores it).
    void Script(std::function<float()> source);

  private:
    std::uint32_t state_ = 0x50000u;
    std::function<float()> script_;
};

}  // namespace ostrel

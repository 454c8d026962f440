#pragma once
// The movement engine's random generator, owned by the saver window and
// seeded once at start-up from the time of day. Tests replace the generator
// with a scripted source.

#include <cstdint>
#include <functional>

namespace ostrel {

class Random {
  public:
    void Seed(double secondsSinceMidnight);

    // A single-precision value, uniform in [0, 1).
    float Draw();

    // Replaces the generator (an empty function restores it).
    void Script(std::function<float()> source);

  private:
    std::uint32_t state_ = 0x50000u;
    std::function<float()> script_;
};

}  // namespace ostrel

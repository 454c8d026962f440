#pragma once
// The one process-wide random generator, seeded once at start-up from the
// time of day. Only the movement engine draws from it. Tests replace the
// generator with a scripted source.

#include <functional>

namespace ostrel {

void SeedRandom(double secondsSinceMidnight);

// A single-precision value, uniform in [0, 1).
float RandomDraw();

// Replaces the generator (an empty function restores it).
void SetRandomSource(std::function<float()> source);

}  // namespace ostrel

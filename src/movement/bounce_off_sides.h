#pragma once
// Bounce off sides: the block travels diagonally and turns back the velocity
// component that meets a side of the movement area; at each bounce both
// components may be varied at random, as much as the bounce randomness
// setting allows.

#include <cstdint>

#include "movement/block_motion.h"

namespace ostrel {

class BounceOffSides {
  public:
    // `randomnessTenths` is the setting, 0 to 10.
    explicit BounceOffSides(std::int16_t randomnessTenths) : randomnessTenths_(randomnessTenths) {}

    void Step(platform::Windowing& windowing, TextBlock& block, const MovementArea& area,
              IgnoredMouseMoves& ignored, Random& random, bool firstTick);

  private:
    void Initialise(const MovementArea& area, Random& random);
    void VaryBoth(Random& random);

    std::int16_t randomnessTenths_ = 0;
    // Velocity factors in step units per tick; positive is right and down.
    // Both zero means not yet initialised.
    double velocityX_ = 0;
    double velocityY_ = 0;
    // Distance from a side at which a bounce happens; a step unit is twice it.
    std::int32_t marginTwips_ = 0;
    std::int32_t stepTwips_ = 0;
};

// The random change of one velocity factor at a bounce: with probability
// `randomness` (0 to 1) the factor is scaled by a random amount in
// [1 - randomness, 1 + randomness) and its magnitude limited to
// minSpeed .. maxSpeed, keeping its sign; otherwise it is returned as is.
double VaryBounceSpeed(Random& random, double speed, double randomness, double maxSpeed,
                       double minSpeed);

}  // namespace ostrel

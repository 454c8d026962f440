#pragma once
// The animation the settings choose: one object, built once when the saver
// starts, holding the state of its type. Each tick it moves the text block
// one step inside the movement area.

#include <cstdint>
#include <variant>

#include "movement/block_motion.h"
#include "movement/bounce_off_sides.h"
#include "movement/random_jumping.h"
#include "movement/random_path.h"
#include "movement/random_sliding.h"

namespace ostrel {

// The stored animation numbers.
enum class AnimationType : std::int16_t {
    RandomJumping = 0,
    RandomSliding = 1,
    BounceOffSides = 2,
    RandomPath = 3,
    StationaryInCentre = 4,
};

// Stationary in centre: centred on the first tick, then left alone.
struct StationaryInCentre {
    void Step(platform::Windowing& windowing, TextBlock& block, const MovementArea& area,
              IgnoredMouseMoves& ignored, Random& /*random*/, bool firstTick) {
        if (firstTick) {
            MoveToCentre(windowing, block, area, ignored);
        }
    }
};

class Animation {
  public:
    // No animation: the block stays where it is.
    Animation() = default;
    // `type` is the stored number; one outside 0..4 leaves the block where it
    // is. `bounceRandomnessTenths` only matters to Bounce off sides.
    Animation(std::int16_t type, std::int16_t bounceRandomnessTenths);

    void Step(platform::Windowing& windowing, TextBlock& block, const MovementArea& area,
              IgnoredMouseMoves& ignored, Random& random, bool firstTick);

  private:
    std::variant<std::monostate, RandomJumping, RandomSliding, BounceOffSides, RandomPath,
                 StationaryInCentre>
        kind_;
};

}  // namespace ostrel

#pragma once
// Random jumping: the block holds still for five seconds, then jumps to a
// random place inside the movement area.

#include <cstdint>

#include "movement/block_motion.h"

namespace ostrel {

class RandomJumping {
  public:
    void Step(platform::Windowing& windowing, TextBlock& block, const MovementArea& area,
              IgnoredMouseMoves& ignored, Random& random, bool firstTick);

  private:
    // Ticks since the last jump (or since the start); a jump happens on the
    // tick after it has counted up to the hold time, so one every 51 ticks.
    std::int32_t ticksSinceJump_ = 0;
};

}  // namespace ostrel

#pragma once
// Random path: the block travels along a curve whose heading turns by a
// small random rate on every tick, a new rate every 20 ticks; near a side the
// heading is reset to point back into the area. Unlike the other types it
// keeps the block's position itself, in whole twips.

#include <cstdint>

#include "movement/block_motion.h"

namespace ostrel {

class RandomPath {
  public:
    void Step(platform::Windowing& windowing, TextBlock& block, const MovementArea& area,
              IgnoredMouseMoves& ignored, Random& random, bool firstTick);

  private:
    void TurnAtSides(const TextBlock& block, const MovementArea& area, Random& random);

    std::int32_t tickInTurn_ = 0;  // 1, 2, ..., 19, 0, 1, ...
    std::int32_t xTwips_ = 0;
    std::int32_t yTwips_ = 0;
    // Degrees: 0 right, 90 down. Not reduced to a turn, and only the sides
    // set it back; 64 bits keep the accumulation from ever overflowing.
    std::int64_t headingDegrees_ = 0;
    std::int32_t turnDegreesPerTick_ = 0;
};

}  // namespace ostrel

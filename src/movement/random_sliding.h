#pragma once
// Random sliding: the block glides in a straight line toward a random target
// and picks the next one as soon as it comes near the current one on either
// axis.

#include <cstdint>

#include "movement/block_motion.h"

namespace ostrel {

class RandomSliding {
  public:
    void Step(platform::Windowing& windowing, TextBlock& block, const MovementArea& area,
              IgnoredMouseMoves& ignored, Random& random, bool firstTick);

  private:
    void ChooseTarget(const TextBlock& block, const MovementArea& area, Random& random);

    // Target of the block's top-left corner; (0, 0) means none yet.
    std::int32_t targetXTwips_ = 0;
    std::int32_t targetYTwips_ = 0;
    // Displacement per tick in step lengths: +-1 on the axis with the larger
    // distance, the matching fraction on the other.
    double stepX_ = 0;
    double stepY_ = 0;
};

}  // namespace ostrel

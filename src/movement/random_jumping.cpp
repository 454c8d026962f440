#include "movement/random_jumping.h"

#include <cmath>

#include "common/random.h"

namespace ostrel {

namespace {

constexpr double kHoldMs = 5000;
// The count is compared exactly, so an interval that does not divide the
// hold time would never jump.
static_assert(static_cast<int>(kHoldMs) % kTickIntervalMs == 0);

}  // namespace

void RandomJumping::Step(platform::Windowing& windowing, TextBlock& block, const MovementArea& area,
                         IgnoredMouseMoves& ignored, Random& random, bool firstTick) {
    if (firstTick) {
        MoveToCentre(windowing, block, area, ignored);
    }
    const double holdTicks = kHoldMs / kTickIntervalMs;
    if (ticksSinceJump_ != holdTicks) {
        ++ticksSinceJump_;
        return;
    }
    ignored.Raise(1);
    const double width = block.widthTwips;
    const double r1 = random.Draw();
    const double height = block.heightTwips;
    const double r2 = random.Draw();
    const double left = area.leftTwips + std::floor((area.WidthTwips() - width) * r1);
    const double top = area.topTwips + std::floor((area.HeightTwips() - height) * r2);
    MoveBlock(windowing, block, static_cast<float>(left), top);
    ticksSinceJump_ = 0;
}

}  // namespace ostrel

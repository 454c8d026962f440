// Random jumping: the block holds still for five seconds, then jumps to a
// random place inside the movement area.

#include <cmath>
#include <cstdint>

#include "common/global.h"
#include "common/random.h"
#include "movement/animation_state.h"
#include "movement/move.h"

namespace ostrel {

namespace {

constexpr double kHoldMs = 5000;
// The count is compared exactly, so an interval that does not divide the
// hold time would never jump.
static_assert(static_cast<int>(kHoldMs) % kTickIntervalMs == 0);

// Ticks since the last jump (or since the start); a jump happens on the tick
// after it has counted up to the hold time, so one every 51 ticks.
std::int32_t JumpTicks = 0;

}  // namespace

void RandomJumping(Panel& block, std::uint8_t Started) {
    if (Started == 0) {
        MoveToCentre(block);
    }
    const double holdTicks = kHoldMs / kTickIntervalMs;
    if (JumpTicks != holdTicks) {
        ++JumpTicks;
        return;
    }
    RaiseIgnoreMouseMoves(1);
    const double width = block.widthTwips;
    const double r1 = RandomDraw();
    const double height = block.heightTwips;
    const double r2 = RandomDraw();
    const MoveBounds& b = G().bounds;
    const double left = std::floor((b.BoundRight - width) * r1);
    const double top = std::floor((b.BoundBottom - height) * r2);
    MoveBlock(block, static_cast<float>(left), top);
    JumpTicks = 0;
}

void ResetRandomJumping() {
    JumpTicks = 0;
}

}  // namespace ostrel

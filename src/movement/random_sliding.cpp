// Random sliding: the block glides in a straight line toward a random target
// and picks the next one as soon as it comes near the current one on either
// axis.

#include <cmath>
#include <cstdint>

#include "common/global.h"
#include "common/random.h"
#include "movement/animation_state.h"
#include "movement/move.h"

namespace ostrel {

namespace {

constexpr double kStepTwips = 25;
constexpr double kArrivalTwips = 100;

struct SlideState {
    // Target of the block's top-left corner; (0, 0) means none yet.
    std::int32_t SlideTargetX = 0;
    std::int32_t SlideTargetY = 0;
    // Displacement per tick in step lengths: +-1 on the axis with the larger
    // distance, the matching fraction on the other.
    double SlideStepX = 0;
    double SlideStepY = 0;
};

SlideState state;

void ChooseTarget(const Panel& block) {
    const MoveBounds& b = G().bounds;
    const double width = block.widthTwips;
    state.SlideTargetX =
        static_cast<std::int32_t>(std::floor((b.BoundRight - width) * RandomDraw()));
    const double height = block.heightTwips;
    state.SlideTargetY =
        static_cast<std::int32_t>(std::floor((b.BoundBottom - height) * RandomDraw()));

    const double left = block.leftTwips;
    const double top = block.topTwips;
    const double dx = std::fabs(left - state.SlideTargetX);
    const double dy = std::fabs(top - state.SlideTargetY);
    if (dy < dx) {
        state.SlideStepX = left > state.SlideTargetX ? -1 : 1;
        state.SlideStepY = (state.SlideTargetY - top) / dx;
    } else if (dy > 0) {
        state.SlideStepY = top > state.SlideTargetY ? -1 : 1;
        state.SlideStepX = (state.SlideTargetX - left) / dy;
    } else {
        // The target is where the block already stands: no direction to
        // divide out, so the block waits a tick; being on the target, it
        // chooses a new one on the next.
        state.SlideStepX = 0;
        state.SlideStepY = 0;
    }
}

}  // namespace

void RandomSliding(Panel& block, std::uint8_t Started) {
    RaiseIgnoreMouseMoves(2);
    if (Started == 0) {
        MoveToCentre(block);
    }
    const bool nearX =
        std::fabs(block.leftTwips - static_cast<double>(state.SlideTargetX)) < kArrivalTwips;
    const bool nearY =
        std::fabs(block.topTwips - static_cast<double>(state.SlideTargetY)) < kArrivalTwips;
    const bool noTarget = state.SlideTargetX == 0 && state.SlideTargetY == 0;
    if (noTarget || nearY || nearX) {
        ChooseTarget(block);
    }
    const double left = block.leftTwips;
    const double top = block.topTwips;
    MoveBlock(block, static_cast<float>(left + kStepTwips * state.SlideStepX),
              top + kStepTwips * state.SlideStepY);
}

void ResetRandomSliding() {
    state = {};
}

}  // namespace ostrel

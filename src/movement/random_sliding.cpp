#include "movement/random_sliding.h"

#include <cmath>

#include "common/random.h"

namespace ostrel {

namespace {

constexpr double kStepTwips = 25;
constexpr double kArrivalTwips = 100;

}  // namespace

void RandomSliding::ChooseTarget(const TextBlock& block, const MovementArea& area, Random& random) {
    const double width = block.widthTwips;
    targetXTwips_ = area.leftTwips + static_cast<std::int32_t>(
                                         std::floor((area.WidthTwips() - width) * random.Draw()));
    const double height = block.heightTwips;
    targetYTwips_ = area.topTwips + static_cast<std::int32_t>(
                                        std::floor((area.HeightTwips() - height) * random.Draw()));

    const double left = block.leftTwips;
    const double top = block.topTwips;
    const double dx = std::fabs(left - targetXTwips_);
    const double dy = std::fabs(top - targetYTwips_);
    if (dy < dx) {
        stepX_ = left > targetXTwips_ ? -1 : 1;
        stepY_ = (targetYTwips_ - top) / dx;
    } else if (dy > 0) {
        stepY_ = top > targetYTwips_ ? -1 : 1;
        stepX_ = (targetXTwips_ - left) / dy;
    } else {
        // The target is where the block already stands: no direction to
        // divide out, so the block waits a tick; being on the target, it
        // chooses a new one on the next.
        stepX_ = 0;
        stepY_ = 0;
    }
}

void RandomSliding::Step(platform::Windowing& windowing, TextBlock& block, const MovementArea& area,
                         IgnoredMouseMoves& ignored, Random& random, bool firstTick) {
    ignored.Raise(2);
    if (firstTick) {
        MoveToCentre(windowing, block, area, ignored);
    }
    const bool nearX =
        std::fabs(block.leftTwips - static_cast<double>(targetXTwips_)) < kArrivalTwips;
    const bool nearY =
        std::fabs(block.topTwips - static_cast<double>(targetYTwips_)) < kArrivalTwips;
    const bool noTarget = targetXTwips_ == 0 && targetYTwips_ == 0;
    if (noTarget || nearY || nearX) {
        ChooseTarget(block, area, random);
    }
    const double left = block.leftTwips;
    const double top = block.topTwips;
    MoveBlock(windowing, block, static_cast<float>(left + kStepTwips * stepX_),
              top + kStepTwips * stepY_);
}

}  // namespace ostrel

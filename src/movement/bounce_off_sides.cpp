#include "movement/bounce_off_sides.h"

#include <cmath>

#include "common/random.h"

namespace ostrel {

namespace {

constexpr double kMarginFraction = 0.001;
// 17280 twips = 1152 pixels at 15 twips per pixel: the initial speed is
// normalised to the size of the area.
constexpr double kSpeedNormaliserTwips = 17280;
constexpr double kMinSpeed = 0.2;
constexpr double kMaxSpeed = 1.5;
constexpr double kTenths = 10;

// An area without extent gives the slowest start instead of dividing by zero;
// the block has no room to travel there anyway.
double InitialSpeed(double draw, std::int32_t extentTwips) {
    if (extentTwips <= 0) {
        return kMinSpeed;
    }
    return draw * 0.5 * kSpeedNormaliserTwips / extentTwips + kMinSpeed;
}

}  // namespace

double VaryBounceSpeed(Random& random, double speed, double randomness, double maxSpeed,
                       double minSpeed) {
    // Compared in single precision, so that a draw equal to the randomness
    // as the slider gives it (0.2f for 2) still varies.
    if (random.Draw() > static_cast<float>(randomness)) {
        return speed;
    }
    const double draw = random.Draw();
    const double newSpeed = speed * (2 * randomness * draw + (1 - randomness));
    if (speed < 0) {
        return std::fmin(std::fmax(newSpeed, -maxSpeed), -minSpeed);
    }
    return std::fmax(std::fmin(newSpeed, maxSpeed), minSpeed);
}

void BounceOffSides::Initialise(const MovementArea& area, Random& random) {
    // The vertical sides use the same margin, derived from the width.
    marginTwips_ = static_cast<std::int32_t>(std::nearbyint(area.WidthTwips() * kMarginFraction));
    stepTwips_ = 2 * marginTwips_;
    velocityX_ = InitialSpeed(random.Draw(), area.WidthTwips());
    velocityY_ = InitialSpeed(random.Draw(), area.HeightTwips());
}

// Called after a side has turned one component back.
void BounceOffSides::VaryBoth(Random& random) {
    const double randomness = randomnessTenths_ / kTenths;
    velocityX_ = VaryBounceSpeed(random, velocityX_, randomness, kMaxSpeed, kMinSpeed);
    velocityY_ = VaryBounceSpeed(random, velocityY_, randomness, kMaxSpeed, kMinSpeed);
}

void BounceOffSides::Step(platform::Windowing& windowing, TextBlock& block,
                          const MovementArea& area, IgnoredMouseMoves& ignored, Random& random,
                          bool firstTick) {
    ignored.Raise(2);
    if (firstTick) {
        MoveToCentre(windowing, block, area, ignored);
    }
    if (velocityX_ == 0 && velocityY_ == 0) {
        Initialise(area, random);
    }
    const double width = block.widthTwips;
    const double height = block.heightTwips;
    const double margin = marginTwips_;

    const double left = block.leftTwips;
    if (left < area.leftTwips + margin || width + left + margin > area.rightTwips) {
        velocityX_ = -velocityX_;
        VaryBoth(random);
    }
    const double top = block.topTwips;
    if (top < area.topTwips + margin || height + top + margin > area.bottomTwips) {
        velocityY_ = -velocityY_;
        VaryBoth(random);
    }

    // Back inside the area before the step; only the model is corrected, the
    // one move below shows the result. A block wider than the area ends up
    // against the right side, sticking out on the left.
    if (block.leftTwips < area.leftTwips) {
        block.leftTwips = static_cast<float>(area.leftTwips);
    }
    if (block.topTwips < area.topTwips) {
        block.topTwips = static_cast<float>(area.topTwips);
    }
    if (width + block.leftTwips > area.rightTwips) {
        block.leftTwips = static_cast<float>(area.rightTwips - width);
    }
    if (height + block.topTwips > area.bottomTwips) {
        block.topTwips = static_cast<float>(area.bottomTwips - height);
    }

    const double step = stepTwips_;
    MoveBlock(windowing, block, static_cast<float>(std::floor(step * velocityX_ + block.leftTwips)),
              std::floor(step * velocityY_ + block.topTwips));
}

}  // namespace ostrel

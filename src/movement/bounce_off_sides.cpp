// Bounce off sides: the block travels diagonally and turns back the velocity
// component that meets a side of the movement area; at each bounce both
// components may be varied at random, as much as the bounce randomness
// setting allows.

#include <cmath>
#include <cstdint>

#include "common/global.h"
#include "common/random.h"
#include "movement/animation_state.h"
#include "movement/move.h"

namespace ostrel {

namespace {

constexpr double kMarginFraction = 0.001;
// 17280 twips = 1152 pixels at 15 twips per pixel: the initial speed is
// normalised to the size of the area.
constexpr double kSpeedNormaliserTwips = 17280;
constexpr double kMinSpeed = 0.2;
constexpr double kMaxSpeed = 1.5;
constexpr double kRandomnessDivisor = 10;

struct BounceState {
    // Velocity factors in step units per tick; positive is right and down.
    // Both zero means not yet initialised.
    double BounceVX = 0;
    double BounceVY = 0;
    // Distance from a side at which a bounce happens; a step unit is twice it.
    std::int32_t BounceMargin = 0;
    std::int32_t BounceStep = 0;
};

BounceState state;

// An area without extent gives the slowest start instead of dividing by zero;
// the block has no room to travel there anyway.
double InitialSpeed(double draw, std::int32_t boundTwips) {
    if (boundTwips <= 0) {
        return kMinSpeed;
    }
    return draw * 0.5 * kSpeedNormaliserTwips / boundTwips + kMinSpeed;
}

void Initialise() {
    const MoveBounds& b = G().bounds;
    // The vertical sides use the same margin, derived from the width.
    state.BounceMargin = static_cast<std::int32_t>(std::nearbyint(b.BoundRight * kMarginFraction));
    state.BounceStep = 2 * state.BounceMargin;
    state.BounceVX = InitialSpeed(RandomDraw(), b.BoundRight);
    state.BounceVY = InitialSpeed(RandomDraw(), b.BoundBottom);
}

// Called after a side has turned one component back.
void VaryBoth() {
    const double randomness = G().settings.MoveEBRandom / kRandomnessDivisor;
    state.BounceVX = VaryBounceSpeed(state.BounceVX, randomness, kMaxSpeed, kMinSpeed);
    state.BounceVY = VaryBounceSpeed(state.BounceVY, randomness, kMaxSpeed, kMinSpeed);
}

}  // namespace

double VaryBounceSpeed(double Speed, double Randomness, double MaxSpeed, double MinSpeed) {
    // Compared in single precision, so that a draw equal to the randomness
    // as the slider gives it (0.2f for 2) still varies.
    if (RandomDraw() > static_cast<float>(Randomness)) {
        return Speed;
    }
    const double draw = RandomDraw();
    const double newSpeed = Speed * (2 * Randomness * draw + (1 - Randomness));
    if (Speed < 0) {
        return std::fmin(std::fmax(newSpeed, -MaxSpeed), -MinSpeed);
    }
    return std::fmax(std::fmin(newSpeed, MaxSpeed), MinSpeed);
}

void BounceOffSides(Panel& block, std::uint8_t Started) {
    RaiseIgnoreMouseMoves(2);
    if (Started == 0) {
        MoveToCentre(block);
    }
    if (state.BounceVX == 0 && state.BounceVY == 0) {
        Initialise();
    }
    const MoveBounds& b = G().bounds;
    const double width = block.widthTwips;
    const double height = block.heightTwips;
    const double margin = state.BounceMargin;

    const double left = block.leftTwips;
    if (left < margin || width + left + margin > b.BoundRight) {
        state.BounceVX = -state.BounceVX;
        VaryBoth();
    }
    const double top = block.topTwips;
    if (top < margin || height + top + margin > b.BoundBottom) {
        state.BounceVY = -state.BounceVY;
        VaryBoth();
    }

    // Back inside the area before the step; only the model is corrected, the
    // one move below shows the result. A block wider than the area ends up
    // against the right side, sticking out on the left.
    if (block.leftTwips < 0) {
        block.leftTwips = 0;
    }
    if (block.topTwips < 0) {
        block.topTwips = 0;
    }
    if (width + block.leftTwips > b.BoundRight) {
        block.leftTwips = static_cast<float>(b.BoundRight - width);
    }
    if (height + block.topTwips > b.BoundBottom) {
        block.topTwips = static_cast<float>(b.BoundBottom - height);
    }

    const double step = state.BounceStep;
    MoveBlock(block, static_cast<float>(std::floor(step * state.BounceVX + block.leftTwips)),
              std::floor(step * state.BounceVY + block.topTwips));
}

void ResetBounceOffSides() {
    state = {};
}

}  // namespace ostrel

// Random path: the block travels along a curve whose heading turns by a
// small random rate on every tick, a new rate every 20 ticks; near a side the
// heading is reset to point back into the area. Unlike the other types it
// keeps the block's position itself, in whole twips.

#include <array>
#include <cmath>
#include <cstdint>

#include "common/global.h"
#include "common/random.h"
#include "movement/animation_state.h"
#include "movement/move.h"

namespace ostrel {

namespace {

// Turn rates in degrees per tick, drawn by round(draw x 16): the ends come
// half as often as the rest, so +6 has 1/16 and -6 1/32.
constexpr std::array<std::int16_t, 17> kPathTurnTable = {0,  1,  1,  1,  2,  3,  4, 0, 6,
                                                         -1, -1, -1, -2, -3, -4, 0, -6};
constexpr int kTicksPerTurn = 20;
constexpr double kStartHeading = 60;
// Pi as a single-precision value holds it; the headings are whole degrees,
// and this value decides how their sines and cosines round.
constexpr double kPi = 3.1415927410125732;
constexpr double kAmplitudeX = 6;
constexpr double kAmplitudeY = 4;
constexpr std::int32_t kTwipsPerUnit = 3;
constexpr double kEdgeTwips = 20;
// Width of the random heading chosen at a side, and its lowest value for
// each side.
constexpr double kEdgeSpread = 45;
constexpr double kFromRight = 157.5;
constexpr double kFromBottom = -112.5;
constexpr double kFromTop = 67.5;
constexpr double kFromLeft = -22.5;

struct PathState {
    std::int32_t PathTicks = 0;  // 1, 2, ..., 19, 0, 1, ...
    std::int32_t PathX = 0;
    std::int32_t PathY = 0;
    // Degrees: 0 right, 90 down. Not reduced to a turn, and only the sides
    // set it back; 64 bits keep the accumulation from ever overflowing.
    std::int64_t PathHeading = 0;
    std::int32_t PathTurn = 0;
};

PathState state;

std::int32_t RoundToWhole(double value) {
    return static_cast<std::int32_t>(std::nearbyint(value));
}

std::int64_t EdgeHeading(double lowest) {
    return static_cast<std::int64_t>(std::nearbyint(RandomDraw() * kEdgeSpread + lowest));
}

// Runs after the move, so the block may pass a side's line by up to two
// steps before it turns. Later tests override earlier ones, so in a corner
// the later side in the order right, bottom, top, left decides.
void TurnAtSides(const Panel& block) {
    const MoveBounds& b = G().bounds;
    const auto right =
        static_cast<float>(static_cast<double>(b.BoundRight) - block.widthTwips - kEdgeTwips);
    const auto bottom =
        static_cast<float>(static_cast<double>(b.BoundBottom) - block.heightTwips - kEdgeTwips);
    const auto edge = static_cast<float>(kEdgeTwips);
    if (block.leftTwips >= right) {
        state.PathHeading = EdgeHeading(kFromRight);
    }
    if (block.topTwips >= bottom) {
        state.PathHeading = EdgeHeading(kFromBottom);
    }
    if (block.topTwips <= edge) {
        state.PathHeading = EdgeHeading(kFromTop);
    }
    if (block.leftTwips <= edge) {
        state.PathHeading = EdgeHeading(kFromLeft);
    }
}

}  // namespace

void RandomPath(Panel& block, std::uint8_t Started) {
    if (Started == 0) {
        MoveToCentre(block);
        state.PathX = RoundToWhole(block.leftTwips);
        state.PathY = RoundToWhole(block.topTwips);
        state.PathHeading = static_cast<std::int64_t>(kStartHeading);
    }
    state.PathTicks = (state.PathTicks + 1) % kTicksPerTurn;
    if (state.PathTicks == 1) {
        const auto index = static_cast<std::size_t>(std::nearbyint(RandomDraw() * 16.0));
        state.PathTurn = kPathTurnTable[index];
    }
    RaiseIgnoreMouseMoves(2);
    state.PathHeading += state.PathTurn;
    const double radians = static_cast<double>(state.PathHeading) * kPi / 180;
    state.PathY += kTwipsPerUnit * RoundToWhole(std::sin(radians) * kAmplitudeY);
    state.PathX += kTwipsPerUnit * RoundToWhole(std::cos(radians) * kAmplitudeX);
    MoveBlock(block, static_cast<float>(state.PathX), state.PathY);
    if (state.PathTicks % 2 == 0) {
        TurnAtSides(block);
    }
}

void ResetRandomPath() {
    state = {};
}

}  // namespace ostrel

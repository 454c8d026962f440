#include "movement/random_path.h"

#include <array>
#include <cmath>

#include "common/random.h"

namespace ostrel {

namespace {

// Turn rates in degrees per tick, drawn by round(draw x 16): the ends come
// half as often as the rest, so +6 has 1/16 and -6 1/32.
constexpr std::array<std::int16_t, 17> kTurnTable = {0,  1,  1,  1,  2,  3,  4, 0, 6,
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

std::int32_t RoundToWhole(double value) {
    return static_cast<std::int32_t>(std::nearbyint(value));
}

std::int64_t EdgeHeading(Random& random, double lowest) {
    return static_cast<std::int64_t>(std::nearbyint(random.Draw() * kEdgeSpread + lowest));
}

}  // namespace

// Runs after the move, so the block may pass a side's line by up to two
// steps before it turns. Later tests override earlier ones, so in a corner
// the later side in the order right, bottom, top, left decides.
void RandomPath::TurnAtSides(const TextBlock& block, const MovementArea& area, Random& random) {
    const auto right =
        static_cast<float>(static_cast<double>(area.rightTwips) - block.widthTwips - kEdgeTwips);
    const auto bottom =
        static_cast<float>(static_cast<double>(area.bottomTwips) - block.heightTwips - kEdgeTwips);
    const auto leftEdge = static_cast<float>(area.leftTwips + kEdgeTwips);
    const auto topEdge = static_cast<float>(area.topTwips + kEdgeTwips);
    if (block.leftTwips >= right) {
        headingDegrees_ = EdgeHeading(random, kFromRight);
    }
    if (block.topTwips >= bottom) {
        headingDegrees_ = EdgeHeading(random, kFromBottom);
    }
    if (block.topTwips <= topEdge) {
        headingDegrees_ = EdgeHeading(random, kFromTop);
    }
    if (block.leftTwips <= leftEdge) {
        headingDegrees_ = EdgeHeading(random, kFromLeft);
    }
}

void RandomPath::Step(platform::Windowing& windowing, TextBlock& block, const MovementArea& area,
                      IgnoredMouseMoves& ignored, Random& random, bool firstTick) {
    if (firstTick) {
        MoveToCentre(windowing, block, area, ignored);
        xTwips_ = RoundToWhole(block.leftTwips);
        yTwips_ = RoundToWhole(block.topTwips);
        headingDegrees_ = static_cast<std::int64_t>(kStartHeading);
    }
    tickInTurn_ = (tickInTurn_ + 1) % kTicksPerTurn;
    if (tickInTurn_ == 1) {
        const auto index = static_cast<std::size_t>(std::nearbyint(random.Draw() * 16.0));
        turnDegreesPerTick_ = kTurnTable[index];
    }
    ignored.Raise(2);
    headingDegrees_ += turnDegreesPerTick_;
    const double radians = static_cast<double>(headingDegrees_) * kPi / 180;
    yTwips_ += kTwipsPerUnit * RoundToWhole(std::sin(radians) * kAmplitudeY);
    xTwips_ += kTwipsPerUnit * RoundToWhole(std::cos(radians) * kAmplitudeX);
    MoveBlock(windowing, block, static_cast<float>(xTwips_), yTwips_);
    if (tickInTurn_ % 2 == 0) {
        TurnAtSides(block, area, random);
    }
}

}  // namespace ostrel

#include <tuple>

#include "move_fixture.h"

namespace ostrel {
namespace {

using RandomSlidingTest = MoveTest;

// Area 15360 x 11520, block 3000 x 1200: centred at (6180, 5160); targets are
// floor(12360 x R1), floor(10320 x R2).

TEST_F(RandomSlidingTest, FirstTickCentresChoosesATargetAndSteps) {
    // R1 0.9709f: floor(12000.32) = 12000; R2 0.4845f: floor(5000.04) = 5000.
    // DX 5820 > DY 160, so horizontal dominates: step x +1, step y -160 / 5820,
    // i.e. 25 twips right and 0.6873 up per tick. The centring announces 2
    // moves, the step 2 more.
    Script({0.9709f, 0.4845f});
    Tick(AnimationType::RandomSliding);
    EXPECT_EQ(std::tuple(win().textBlockMoves.size(), LastMove().first, ignored.count()),
              std::tuple(2u, 6205.0f, 4));
    EXPECT_NEAR(LastMove().second, 5159.3127, 1e-3);

    // After 87 steps the vertical distance is 160 - 87 x 0.6873 = 100.2; after
    // 88 it is 99.5, so the 89th tick, and no earlier, chooses a new target.
    Tick(AnimationType::RandomSliding, 87);
    Script({0.5f, 0.5f});
    Tick(AnimationType::RandomSliding);
    EXPECT_EQ(DrawsLeft(), 0u);
}

TEST_F(RandomSlidingTest, ATargetOnTheBlockOrItsRowIsLeftAfterOneTick) {
    // Target (floor(12360 x 0.5), floor(10320 x 0.5)) = (6180, 5160), where the
    // block stands: there is no direction, so the block stays a tick.
    // Then target (floor(12360 x 0.9375) = 11587, 5160): DY 0, step (+1, 0).
    // Next tick the vertical distance 0 is below 100: new target
    // (floor(12360 x 0.25) = 3090, 0) from (6205, 5160): DX 3115 < DY 5160,
    // so the vertical takes the full step, step y -1, step x -3115 / 5160.
    Script({0.5f, 0.5f, 0.9375f, 0.5f, 0.25f, 0.0f});
    Tick(AnimationType::RandomSliding, 2);
    EXPECT_EQ(win().textBlockMoves, (Moves{{6180, 5160}, {6180, 5160}, {6205, 5160}}));
    Tick(AnimationType::RandomSliding);
    EXPECT_NEAR(LastMove().first, 6205 - 25 * 3115 / 5160.0, 1e-3);
    EXPECT_EQ(LastMove().second, 5135.0f);
}

TEST_F(RandomSlidingTest, ExactlyOneHundredTwipsAwayIsNotNearYet) {
    // Target (floor(12360 x 0.51015) = 6305, floor(10320 x 0.51216) = 5285),
    // 125 twips off on both axes: one step of 25 on each leaves exactly 100,
    // which is not near, so the second tick takes no new target.
    Script({0.51015f, 0.51216f});
    Tick(AnimationType::RandomSliding, 2);
    EXPECT_EQ(LastMove(), std::make_pair(6230.0f, 5210.0f));
}

TEST_F(RandomSlidingTest, NearOnOneAxisIsEnoughForANewTarget) {
    // Target (floor(12360 x 0.50405) = 6230, 0): 50 twips off across, 5160
    // down. The vertical takes the full step, so the second tick is still
    // under 100 twips across, and that alone draws the next target.
    Script({0.50405f, 0.0f, 0.5f, 0.5f});
    Tick(AnimationType::RandomSliding, 2);
    EXPECT_EQ(DrawsLeft(), 0u);
}

}  // namespace
}  // namespace ostrel

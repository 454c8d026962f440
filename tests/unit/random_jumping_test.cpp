#include <cmath>

#include "move_fixture.h"

namespace ostrel {
namespace {

constexpr float kAlmostOne = 0.99999994f;  // the largest draw below 1

using RandomJumpingTest = MoveTest;

TEST_F(RandomJumpingTest, HoldsFiftyTicksThenJumpsEveryFiftyFirst) {
    // Area 15360 x 11520, block 3000 x 1200: free room 12360 x 10320.
    // Jump 1: floor(12360 x 0.75) = 9270, floor(10320 x 0.1f) = floor(1032.00002) = 1032.
    // Jump 2: floor(12360 x kAlmostOne) = floor(12359.9993) = 12359, top 0.
    // Jump 3: left 0, floor(10320 x kAlmostOne) = floor(10319.9994) = 10319.
    // The centring raises ignoredMouseMoves by 2, each jump by 1 up to the cap.
    Script({0.75f, 0.1f, kAlmostOne, 0.0f, 0.0f, kAlmostOne});
    const struct {
        float left, top;
        std::int16_t ignore;
    } jumps[] = {{9270, 1032, 3}, {12359, 0, 4}, {0, 10319, 4}};
    for (std::size_t n = 0; n < std::size(jumps); ++n) {
        Tick(AnimationType::RandomJumping, 50);
        EXPECT_EQ(MoveCount(), n + 1);       // held still, after the centring
        Tick(AnimationType::RandomJumping);  // the 51st call
        EXPECT_EQ(LastMove(), std::make_pair(jumps[n].left, jumps[n].top));
        EXPECT_EQ(ignored.count(), jumps[n].ignore);
    }
}

TEST_F(RandomJumpingTest, SizeIsReadAtTheJumpAndAWiderBlockLandsLeftOfTheWindow) {
    // Centred at 3000 x 1200, then the text grows to 16001 x 12000, wider and
    // taller than the area: free room -641 x -480.
    // floor(-641 x 0.5) = floor(-320.5) = -321; floor(-480 x kAlmostOne) = -480.
    Script({0.5f, kAlmostOne});
    Tick(AnimationType::RandomJumping);
    block.widthTwips = 16001;
    block.heightTwips = 12000;
    Tick(AnimationType::RandomJumping, 50);
    EXPECT_EQ(LastMove(), std::make_pair(-321.0f, -480.0f));
}

TEST_F(RandomJumpingTest, SeededRunsJumpOnlyInsideTheArea) {
    for (const double seed : {1.0, 4711.5}) {
        RunSeeded(AnimationType::RandomJumping, seed, 51 * 200, 0, 0);
        EXPECT_EQ(MoveCount(), 201u);
        for (const auto& [left, top] : fake().textBlockMoves) {
            EXPECT_EQ(left, std::floor(left));
            EXPECT_EQ(top, std::floor(top));
        }
    }
}

}  // namespace
}  // namespace ostrel

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
    Script({0.75f, 0.1f, kAlmostOne, 0.0f, 0.0f, kAlmostOne});
    Tick(RandomJumping, 50);
    EXPECT_EQ(MoveCount(), 1u);  // the centring only
    EXPECT_EQ(LastMove(), std::make_pair(6180.0f, 5160.0f));
    EXPECT_EQ(G().IgnoreMouseMoves, 2);
    EXPECT_EQ(DrawsLeft(), 6u);

    Tick(RandomJumping);  // the 51st call
    EXPECT_EQ(LastMove(), std::make_pair(9270.0f, 1032.0f));
    EXPECT_EQ(G().IgnoreMouseMoves, 3);

    Tick(RandomJumping, 50);
    EXPECT_EQ(MoveCount(), 2u);
    Tick(RandomJumping);
    EXPECT_EQ(LastMove(), std::make_pair(12359.0f, 0.0f));
    EXPECT_EQ(G().IgnoreMouseMoves, 4);

    Tick(RandomJumping, 51);
    EXPECT_EQ(MoveCount(), 4u);
    EXPECT_EQ(LastMove(), std::make_pair(0.0f, 10319.0f));
    EXPECT_EQ(G().IgnoreMouseMoves, 4);  // capped
}

TEST_F(RandomJumpingTest, SizeIsReadAtTheJumpAndAWiderBlockLandsLeftOfTheWindow) {
    // Centred at 3000 x 1200, then the text grows to 16001 x 12000, wider and
    // taller than the area: free room -641 x -480.
    // floor(-641 x 0.5) = floor(-320.5) = -321; floor(-480 x kAlmostOne) = -480.
    Script({0.5f, kAlmostOne});
    Tick(RandomJumping);
    block.widthTwips = 16001;
    block.heightTwips = 12000;
    Tick(RandomJumping, 50);
    EXPECT_EQ(LastMove(), std::make_pair(-321.0f, -480.0f));
}

TEST_F(RandomJumpingTest, SeededRunsJumpOnlyInsideTheArea) {
    for (const double seed : {1.0, 4711.5}) {
        RunSeeded(RandomJumping, seed, 51 * 200, 0, 0);
        EXPECT_EQ(MoveCount(), 201u);
        for (const auto& [left, top] : fake().panelMoves) {
            EXPECT_EQ(left, std::floor(left));
            EXPECT_EQ(top, std::floor(top));
        }
    }
}

}  // namespace
}  // namespace ostrel

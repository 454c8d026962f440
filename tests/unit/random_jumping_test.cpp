#include <tuple>

#include "move_fixture.h"

namespace ostrel {
namespace {

constexpr float kAlmostOne = 0.99999994f;  // the largest draw below 1

using RandomJumpingTest = MoveTest;

TEST_F(RandomJumpingTest, HoldsFiftyTicksThenJumpsWithinTheRoomLeftEveryFiftyFirst) {
    // Area 15360 x 11520, block 3000 x 1200: free room 12360 x 10320.
    // Jump 1: floor(12360 x 0.75) = 9270, floor(10320 x 0.1f) = floor(1032.00002) = 1032.
    // Jump 2: floor(12360 x kAlmostOne) = floor(12359.9993) = 12359, top 0.
    // Jump 3: left 0, floor(10320 x kAlmostOne) = floor(10319.9994) = 10319.
    // The centring raises ignoredMouseMoves by 2, each jump by 1 up to the cap.
    Script({0.75f, 0.1f, kAlmostOne, 0.0f, 0.0f, kAlmostOne, 0.5f, kAlmostOne});
    const std::tuple<float, float, int> jumps[] = {{9270, 1032, 3}, {12359, 0, 4}, {0, 10319, 4}};
    std::size_t moves = 1;  // the centring
    for (const auto& [left, top, ignore] : jumps) {
        Tick(AnimationType::RandomJumping, 50);
        EXPECT_EQ(win().textBlockMoves.size(), moves++);  // held still
        Tick(AnimationType::RandomJumping);               // the 51st call
        EXPECT_EQ(std::tuple(LastMove(), ignored.count()),
                  std::tuple(std::pair(left, top), ignore));
    }
    // The size is read at the jump: text grown to 16001 x 12000, wider and
    // taller than the area, leaves free room -641 x -480:
    // floor(-641 x 0.5) = floor(-320.5) = -321; floor(-480 x kAlmostOne) = -480.
    block.widthTwips = 16001;
    block.heightTwips = 12000;
    Tick(AnimationType::RandomJumping, 51);
    EXPECT_EQ(LastMove(), std::make_pair(-321.0f, -480.0f));
}

}  // namespace
}  // namespace ostrel

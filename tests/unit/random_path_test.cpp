#include <tuple>

#include "move_fixture.h"

namespace ostrel {
namespace {

using RandomPathTest = MoveTest;

// Steps by heading (3 x round(6 cos), 3 x round(4 sin)), with pi as single
// precision holds it: 22 (18, 3), 60 (9, 9), 90 (0, 12), -90 (0, -12).

TEST_F(RandomPathTest, DrawsATurnEveryTwentyTicksAndAnnouncesTwoMovesEach) {
    // The next rate is drawn on the 21st call, and only then.
    Script({0.5f});
    Tick(AnimationType::RandomPath, 20);
    ignored.set(0);
    Script({0.0f});
    Tick(AnimationType::RandomPath);
    EXPECT_EQ(std::tuple(DrawsLeft(), ignored.count()), std::tuple(0u, 2));
}

TEST_F(RandomPathTest, TheDrawPicksTheTurnRoundingHalfToEven) {
    // A draw of k / 16 turns by entry k of 0, 1, 1, 1, 2, 3, 4, 0, 6, -1, -1,
    // -1, -2, -3, -4, 0, -6 degrees a tick, from the first tick on: positions
    // after twenty ticks from 60 degrees at (6180, 5160). 6.5 / 16 and
    // 8.5 / 16 take entries 6 and 8 (not 7 and 9); the largest draw, entry 16.
    const std::tuple<float, float, float> cases[] = {
        {0, 6360, 5340},  {1, 6300, 5397},    {2, 6300, 5397},    {3, 6300, 5397},
        {4, 6234, 5400},  {5, 6171, 5397},    {6, 6111, 5382},    {7, 6360, 5340},
        {8, 6018, 5328},  {9, 6411, 5340},    {10, 6411, 5340},   {11, 6411, 5340},
        {12, 6453, 5304}, {13, 6483, 5268},   {14, 6498, 5229},   {15, 6360, 5340},
        {16, 6477, 5151}, {6.5f, 6111, 5382}, {8.5f, 6018, 5328}, {15.999999f, 6477, 5151}};
    for (const auto& [sixteenths, left, top] : cases) {
        SetUp();
        Script({sixteenths / 16});
        Tick(AnimationType::RandomPath, 20);
        EXPECT_EQ(LastMove(), std::make_pair(left, top)) << sixteenths;
    }
}

TEST_F(RandomPathTest, LaterSideTestsOverrideEarlierOnes) {
    // Every second tick tests the sides in the order right, bottom, top, left.
    // Each row turns at 0 on the first tick and steps (9, 9) at 60 degrees.
    // - Block 15284 x 11468: centred at (38, 26); right line 56, bottom line
    //   32, top and left lines 20. Tick 2, at (56, 44), tests right, on its
    //   line (R 0 -> 158), then bottom (R 0.5 -> -90), which wins. Ticks 3, 4
    //   go straight up to (56, 20); tick 4 tests right (R 0), then top, on its
    //   line (R 0.5 -> 90), which wins; tick 5 goes down to (56, 32).
    // - Area height 1100, block 3000 x 1200: centred at (6180, -50); after two
    //   steps at (6198, -32), below the bottom line (-120) and above the top
    //   one (20). The bottom's round(0.5 x 45 - 112.5) = -90 gives way to the
    //   top's round(0.5 x 45 + 67.5) = 90: 12 down, to -20.
    // - Block 15356 wide: centred at left 2, right line -16; after two steps
    //   at (20, 5178), on the left line. The right's round(157.5) = 158 gives
    //   way to the left's round(0.99999994 x 45 - 22.5) = 22.
    const std::tuple<int, int, int, std::vector<float>, int, std::pair<float, float>> cases[] = {
        {15284, 11468, 11520, {0, 0, 0.5f, 0, 0.5f}, 5, {56, 32}},
        {3000, 1200, 1100, {0, 0.5f, 0.5f}, 3, {6198, -20}},
        {15356, 1200, 11520, {0, 0, 0.99999994f}, 3, {38, 5181}}};
    for (const auto& [width, height, bottom, draws, ticks, last] : cases) {
        SetUp();
        block = {.widthTwips = width, .heightTwips = height};
        area.bottomTwips = bottom;
        Script(draws);
        Tick(AnimationType::RandomPath, ticks);
        EXPECT_EQ(std::tuple(LastMove(), DrawsLeft()), std::tuple(last, 0u)) << width;
    }
}

}  // namespace
}  // namespace ostrel

#include <tuple>

#include "move_fixture.h"

namespace ostrel {
namespace {

using RandomPathTest = MoveTest;

// Steps by heading (3 x round(6 cos), 3 x round(4 sin)), with pi as single
// precision holds it: 54 (12, 9), 60 (9, 9), 64 (9, 12), 66 (6, 12),
// 72 (6, 12), 78 (3, 12), 84 (3, 12), 90 (0, 12), -90 (0, -12), 0 (18, 0).

TEST_F(RandomPathTest, FirstCallDrawsATurnAndStepsAtSixtyPlusTheTurn) {
    // R 0.5: index 8, turn +6: headings 66, 72, 78, 84, 90 from (6180, 5160).
    Script({0.5f});
    Tick(AnimationType::RandomPath);
    EXPECT_EQ(LastMove(), std::make_pair(6186.0f, 5172.0f));
    EXPECT_EQ(ignored.count(), 4);
    Tick(AnimationType::RandomPath, 4);
    EXPECT_EQ(LastMove(), std::make_pair(6198.0f, 5220.0f));
    // The next rate is drawn on the 21st call, and only then.
    Tick(AnimationType::RandomPath, 15);
    EXPECT_EQ(DrawsLeft(), 0u);
    Script({0.0f});
    Tick(AnimationType::RandomPath);
    EXPECT_EQ(DrawsLeft(), 0u);
}

TEST_F(RandomPathTest, TurnIndexRoundsHalfToEven) {
    // 0 -> index 0, turn 0, heading 60; 6.5 / 16 -> index 6 (not 7), turn 4,
    // heading 64; 8.5 / 16 -> index 8 (not 9), turn 6; the largest draw
    // -> 15.99999904 -> index 16, turn -6, heading 54.
    const std::tuple<float, float, float> cases[] = {
        {0.0f, 9, 9}, {0.40625f, 9, 12}, {0.53125f, 6, 12}, {0.99999994f, 12, 9}};
    for (const auto& [draw, dx, dy] : cases) {
        SetUp();
        Script({draw});
        Tick(AnimationType::RandomPath);
        EXPECT_EQ(LastMove(), std::make_pair(6180 + dx, 5160 + dy)) << draw;
    }
}

TEST_F(RandomPathTest, LaterSideTestsOverrideEarlierOnesInACorner) {
    // Block 15300 x 11480: centred at (30, 20); right line 40, bottom line 20,
    // top and left lines 20. Turn 0, heading 60: (39, 29), then (48, 38).
    // Tick 2 tests: right (R 0 -> 158), bottom (R 0.5 -> -90) wins.
    // Ticks 3, 4 go straight up: (48, 26), (48, 14). Tick 4 tests: right
    // (R 0), top (R 0.5 -> 90) wins; tick 5 goes down to (48, 26).
    block = {.widthTwips = 15300, .heightTwips = 11480};
    Script({0.0f, 0.0f, 0.5f, 0.0f, 0.5f});
    Tick(AnimationType::RandomPath, 2);
    EXPECT_EQ(LastMove(), std::make_pair(48.0f, 38.0f));
    Tick(AnimationType::RandomPath, 2);
    EXPECT_EQ(LastMove(), std::make_pair(48.0f, 14.0f));
    Tick(AnimationType::RandomPath);
    EXPECT_EQ(LastMove(), std::make_pair(48.0f, 26.0f));
    EXPECT_EQ(DrawsLeft(), 0u);
}

TEST_F(RandomPathTest, TheTopSideOverridesTheBottomOneInABlockTallerThanTheArea) {
    // Area 15360 x 1100, block 3000 x 1200: centred at (6180, -50). Turn 0
    // (draw 0); at 60 degrees each step is (+9, +9), so after two the block
    // is at (6198, -32): below the bottom line (-120) and above the top
    // edge (20). The bottom's heading round(0.5 x 45 - 112.5) = -90 is
    // replaced by the top's round(0.5 x 45 + 67.5) = 90: the third step goes
    // 12 down, to -20.
    area = {0, 0, 15360, 1100};
    Script({0.0f, 0.5f, 0.5f});
    Tick(AnimationType::RandomPath, 3);
    EXPECT_EQ(LastMove(), std::make_pair(6198.0f, -20.0f));
}

TEST_F(RandomPathTest, AWiderBlockSwingsAboutTheLeftLine) {
    // Right and left tests both hold while Left <= 20, and the left one wins:
    // after R 0.9 gives the right side 198, R 0.5 gives the left side 0, and
    // the block heads right from (-302, 5178).
    block.widthTwips = 16000;
    Script({0.0f, 0.9f, 0.5f});
    Tick(AnimationType::RandomPath, 3);
    EXPECT_EQ(LastMove(), std::make_pair(-284.0f, 5178.0f));

    // Later it stays within two steps either side of Left = 20.
    SetRandomSource({});
    SeedRandom(5.0);
    for (int i = 0; i < 3000; ++i) {
        Tick(AnimationType::RandomPath);
        if (i > 100) {
            ASSERT_GE(block.leftTwips, 20 - 36) << i;
            ASSERT_LE(block.leftTwips, 20 + 36) << i;
        }
    }
}

TEST_F(RandomPathTest, SeededRunsOvershootTheSidesOnlySlightly) {
    // At one side the block passes a test line by less than two steps, so it
    // stands out by up to 16 twips across and 4 up or down. In a corner the
    // later side's heading can carry it on past the earlier side for two more
    // ticks, by up to 2 x 9 across or 2 x 6 up or down.
    for (const double seed : {11.0, 12.5, 13.0}) {
        RunSeeded(AnimationType::RandomPath, seed, 50000, 16 + 18, 4 + 12);
    }
    Preview();
    RunSeeded(AnimationType::RandomPath, 17.0, 50000, 16 + 18, 4 + 12);
}

}  // namespace
}  // namespace ostrel

#include <tuple>

#include "move_fixture.h"

namespace ostrel {
namespace {

using BounceOffSidesTest = MoveTest;

TEST_F(BounceOffSidesTest, TravelsDiagonallyByFlooredStepsAndACornerTurnsAndVariesBoth) {
    // Margin round(15.36) = 15, step 30. VX = 0.5 x 0.5 x 17280 / 15360 + 0.2
    // = 0.48125, VY = 0.25 x 0.5 x 17280 / 11520 + 0.2 = 0.3875: 14.4375 and
    // 11.625 twips a tick, each floored, from the centre (6180, 5160).
    bounceRandomness = 10;
    Script({0.5f, 0.25f, 0.5f, 0.75f, 0.5f, 0.25f, 0.5f, 0.875f, 0.5f, 0.0f});
    Tick(AnimationType::BounceOffSides);
    EXPECT_EQ(LastMove(), std::make_pair(6194.0f, 5171.0f));
    EXPECT_EQ(ignored.count(), 4);
    Tick(AnimationType::BounceOffSides, 2);
    EXPECT_EQ(LastMove(), std::make_pair(6222.0f, 5193.0f));

    // Randomness 1: every variation takes two draws and scales by 2 x R2.
    // Put into the bottom-right corner: 3000 + 12350 + 15 > 15360 and
    // 1200 + 10310 + 15 > 11520.
    //   right:  VX -0.48125 x 1.5 = -0.721875; VY 0.3875 x 0.5 = 0.19375 -> 0.2
    //   bottom: VY -0.2;  VX -0.721875 x 1.75 = -1.26328125;  VY -0.2 x 0 -> -0.2
    // Step: floor(12350 - 37.898) = 12312, floor(10310 - 6) = 10304.
    block.leftTwips = 12350;
    block.topTwips = 10310;
    Tick(AnimationType::BounceOffSides);
    EXPECT_EQ(LastMove(), std::make_pair(12312.0f, 10304.0f));
    EXPECT_EQ(DrawsLeft(), 0u);
}

TEST_F(BounceOffSidesTest, MarginIsAThousandthOfTheWidthRoundedToEven) {
    // Preview block 750 x 300, draws 0.5: VX = 4320 / right + 0.2, one step
    // from the centre floor((right - 750) / 2); VY = 4320 / 1680 + 0.2 =
    // 2.7714 from top 690.
    // 2280: margin round(2.28) = 2, step 4: 765 + floor(4 x 2.0947) = 773, top 701.
    // 2500: margin round(2.5) = 2, step 4: 875 + floor(4 x 1.928) = 882, top 701.
    // 3500: margin round(3.5) = 4, step 8: 1375 + floor(8 x 1.4343) = 1386, top 712.
    // Without height: VY the slowest 0.2, turned at the bottom; kept inside,
    // top goes to 0 - 300, then floor(4 x -0.2 - 300) = -301.
    const std::tuple<int, int, float, float> cases[] = {{2280, 1680, 773, 701},
                                                        {2500, 1680, 882, 701},
                                                        {3500, 1680, 1386, 712},
                                                        {2280, 0, 773, -301}};
    for (const auto& [right, bottom, left, top] : cases) {
        SetUp();
        Preview(right, bottom);
        Script({0.5f, 0.5f, 0.5f, 0.5f});
        Tick(AnimationType::BounceOffSides);
        EXPECT_EQ(LastMove(), std::make_pair(left, top)) << right << " x " << bottom;
    }
}

TEST_F(BounceOffSidesTest, ABlockExactlyAtTheMarginDoesNotBounce) {
    // Margin 15: at left 15 and top 15, or 15 short of the right and bottom
    // sides (15360 - 3000 - 15, 11520 - 1200 - 15), nothing turns and no
    // draw is taken; the steps are floor(30 x 0.48125) = 14 and
    // floor(30 x 0.3875) = 11 from there.
    const std::pair<float, float> corners[] = {{15, 15}, {12345, 10305}};
    for (const auto& [left, top] : corners) {
        SetUp();
        Script({0.5f, 0.25f});
        Tick(AnimationType::BounceOffSides);
        block.leftTwips = left;
        block.topTwips = top;
        Tick(AnimationType::BounceOffSides);
        EXPECT_EQ(LastMove(), std::make_pair(left + 14, top + 11));
    }
}

TEST_F(BounceOffSidesTest, AWiderBlockIsPinnedRightAndFlipsEveryTick) {
    // Block 16001 wide: centred at -321, which the left test catches; kept
    // inside it goes to 0 and then to 15360 - 16001 = -641. Randomness 0 and
    // draws above it: nothing varies. floor(-641 - 14.4375) = -656 (floor, not
    // truncation), then floor(-641 + 14.4375) = -627, then -656 again.
    block.widthTwips = 16001;
    Script({0.5f, 0.25f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
    for (const float left : {-656.0f, -627.0f, -656.0f}) {
        Tick(AnimationType::BounceOffSides);
        EXPECT_EQ(LastMove().first, left);
    }
}

TEST(VaryBounceSpeed, VariesByChanceAndLimitsKeepingTheSign) {
    // Speed, randomness, the two draws, and the varied speed.
    const std::tuple<double, double, float, float, double> cases[] = {
        {1.0, 0.2, 0.2f, 0.75f, 1.1},     // single-precision test: 0.2f <= 0.2f varies
        {3.0, 0.2, 0.20000002f, 0, 3.0},  // draw above: unchanged, not limited
        {3.0, 0.0, 0.0f, 0.5f, 1.5},      // a zero draw varies by 1, then limits
        {1.0, 1.0, 0.5f, 0.99f, 1.5},     // 1.98 -> 1.5
        {-1.0, 1.0, 0.5f, 0.05f, -0.2},   // -0.1 -> -0.2
        {-1.0, 0.5, 0.5f, 0.75f, -1.25},  // factor 2 x 0.5 x 0.75 + 0.5
    };
    for (const auto& [speed, randomness, r1, r2, expected] : cases) {
        const float draws[] = {r1, r2};
        int next = 0;
        SetRandomSource([&] { return draws[next++]; });
        EXPECT_DOUBLE_EQ(VaryBounceSpeed(speed, randomness, 1.5, 0.2), expected)
            << speed << " " << r1;
    }
    SetRandomSource({});
}

TEST_F(BounceOffSidesTest, SeededRunsLeaveTheAreaByAtMostOneStep) {
    // Kept inside before each step; a step is at most 30 x 1.5 twips here.
    for (std::int16_t randomness : {0, 2, 10}) {
        bounceRandomness = randomness;
        RunSeeded(AnimationType::BounceOffSides, 7.0 + randomness, 20000, 46, 46);
    }
    // A preview starts faster than a varied speed may be: up to 4 x 3.99.
    Preview();
    RunSeeded(AnimationType::BounceOffSides, 3.5, 20000, 17, 22);
}

}  // namespace
}  // namespace ostrel

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
    EXPECT_EQ(std::tuple(LastMove(), ignored.count()), std::tuple(std::pair(6194.0f, 5171.0f), 4));
    Tick(AnimationType::BounceOffSides, 2);
    EXPECT_EQ(LastMove(), std::make_pair(6222.0f, 5193.0f));

    // Randomness 1: every variation takes two draws and scales by 2 x R2.
    // Put past the bottom-right corner, at (12370, 10330):
    //   right:  VX -0.48125 x 1.5 = -0.721875; VY 0.3875 x 0.5 = 0.19375 -> 0.2
    //   bottom: VY -0.2;  VX -0.721875 x 1.75 = -1.26328125;  VY -0.2 x 0 -> -0.2
    // Kept inside at (12360, 10320) before the step:
    // floor(12360 - 37.898) = 12322, floor(10320 - 6) = 10314.
    block.leftTwips = 12370;
    block.topTwips = 10330;
    Tick(AnimationType::BounceOffSides);
    EXPECT_EQ(std::tuple(LastMove(), DrawsLeft()), std::tuple(std::pair(12322.0f, 10314.0f), 0u));
}

TEST_F(BounceOffSidesTest, MarginIsAThousandthOfTheWidthRoundedToEven) {
    // Preview block 750 x 300, draws 0.5: VX = 4320 / right + 0.2, one step
    // from the centre floor((right - 750) / 2); VY = 4320 / 1680 + 0.2 =
    // 2.7714 from top 690.
    // 2280: margin round(2.28) = 2, step 4: 765 + floor(4 x 2.0947) = 773, top 701.
    // 2500: margin round(2.5) = 2, step 4: 875 + floor(4 x 1.928) = 882, top 701.
    // 3500: margin round(3.5) = 4, step 8: 1375 + floor(8 x 1.4343) = 1386, top 712.
    // Without height: VY the slowest 0.2, turned at the bottom; kept inside,
    // top goes to 0 - 300, then floor(4 x -0.2 - 300) = -301. One twip high
    // it is 4320.2, turned at the top: floor(4 x -4320.2 + 1 - 300) = -17580.
    // Without width there is neither margin nor step: turned at the left, kept
    // inside at 0 - 750, and the top stays at 690.
    const std::tuple<int, int, float, float> cases[] = {
        {2280, 1680, 773, 701}, {2500, 1680, 882, 701}, {3500, 1680, 1386, 712},
        {2280, 0, 773, -301},   {2280, 1, 773, -17580}, {0, 1680, -750, 690}};
    for (const auto& [right, bottom, left, top] : cases) {
        SetUp();
        area = {0, 0, right, bottom};
        block = {.widthTwips = 750, .heightTwips = 300};
        Script({0.5f, 0.5f, 0.5f, 0.5f});
        Tick(AnimationType::BounceOffSides);
        EXPECT_EQ(LastMove(), std::make_pair(left, top)) << right << " x " << bottom;
    }
}

TEST_F(BounceOffSidesTest, TurnsOnlyPastTheMargin) {
    // Margin 15: at left and top 15, or 15 short of the right and bottom sides
    // (15360 - 3000 - 15, 11520 - 1200 - 15), nothing turns; the steps are
    // floor(30 x 0.48125) = 14 and floor(30 x 0.3875) = 11. A twip further
    // out a side turns its component: floor(14 - 14.4375) = -1,
    // floor(14 - 11.625) = 2, the other steps on.
    const std::tuple<float, float, float, float> cases[] = {
        {15, 15, 29, 26}, {12345, 10305, 12359, 10316}, {14, 14, -1, 2}, {14, 15, -1, 26},
        {15, 14, 29, 2},  {12346, 10306, 12331, 10294}};
    for (const auto& [left, top, stepLeft, stepTop] : cases) {
        SetUp();
        Script({0.5f, 0.25f, 0.5f, 0.5f, 0.5f, 0.5f});
        Tick(AnimationType::BounceOffSides);
        block.leftTwips = left;
        block.topTwips = top;
        Tick(AnimationType::BounceOffSides);
        EXPECT_EQ(LastMove(), std::make_pair(stepLeft, stepTop)) << left;
    }
}

TEST_F(BounceOffSidesTest, VaryingASpeedGoesByChanceAndLimitsKeepingTheSign) {
    // Speed, randomness, the two draws, and the varied speed. In turn: the
    // single-precision test 0.2f <= 0.2f varies; a draw above leaves it
    // unchanged and unlimited; a zero draw varies by 1, then limits; 1.98 is
    // limited to 1.5; -0.1 to -0.2; -1 varies by 2 x 0.5 x 0.75 + 0.5.
    const std::tuple<double, double, float, float, double> cases[] = {
        {0.5, 0.2, 0.2f, 0.75f, 0.55},  {3.0, 0.2, 0.20000002f, 0, 3.0},
        {3.0, 0.0, 0.0f, 0.5f, 1.5},    {1.0, 1.0, 0.5f, 0.99f, 1.5},
        {-1.0, 1.0, 0.5f, 0.05f, -0.2}, {-1.0, 0.5, 0.5f, 0.75f, -1.25}};
    for (const auto& [speed, randomness, r1, r2, expected] : cases) {
        Script({r1, r2});
        EXPECT_DOUBLE_EQ(VaryBounceSpeed(random, speed, randomness, 1.5, 0.2), expected)
            << speed << " " << r1;
    }
}

}  // namespace
}  // namespace ostrel

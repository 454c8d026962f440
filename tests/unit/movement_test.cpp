// Animation tests: a block of known size in an area of known size, and
// scripted draws; and where the options dialog is placed.

#include <gtest/gtest.h>

#include "fixture.h"
#include "movement/animation.h"
#include "movement/dialog_placement.h"

namespace ostrel {
namespace {

using Moves = std::vector<std::pair<float, float>>;

class MoveTest : public PlatformTest {
  protected:
    void SetUp() override {
        animation.reset();
        ignored = {};
        area = {0, 0, 15360, 11520};
        block = {.widthTwips = 3000, .heightTwips = 1200};
    }
    // Each draw comes from the list; running out throws, failing the test.
    void Script(std::vector<float> draws) {
        script = std::move(draws);
        drawn = 0;
        random.Script([this] { return script.at(drawn++); });
    }
    std::size_t DrawsLeft() const { return script.size() - drawn; }

    // Steps the animation of the type, built on its first step as the saver
    // builds it at start-up.
    void Tick(AnimationType type, int times = 1) {
        for (int i = 0; i < times; ++i) {
            const bool first = !animation;
            if (first) {
                animation.emplace(static_cast<std::int16_t>(type), bounceRandomness);
            }
            animation->Step(win(), block, area, ignored, random, first);
        }
    }
    std::pair<float, float> LastMove() { return win().textBlockMoves.back(); }

    std::optional<Animation> animation;
    std::int16_t bounceRandomness = 0;
    TextBlock block;
    MovementArea area;
    IgnoredMouseMoves ignored;
    std::vector<float> script;
    std::size_t drawn = 0;
    Random random;
};

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

using RandomSlidingTest = MoveTest;

// Area 15360 x 11520, block 3000 x 1200: centred at (6180, 5160); targets are
// floor(12360 x R1), floor(10320 x R2).

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

TEST_F(RandomSlidingTest, ANewTargetOnlyUnderOneHundredTwipsAwayOnEitherAxis) {
    // Target (floor(12360 x 0.51015) = 6305, floor(10320 x 0.51216) = 5285),
    // 125 twips off on both axes: one step of 25 on each leaves exactly 100,
    // which is not near, so the second tick takes no new target.
    Script({0.51015f, 0.51216f});
    Tick(AnimationType::RandomSliding, 2);
    EXPECT_EQ(LastMove(), std::make_pair(6230.0f, 5210.0f));
    // Target (floor(12360 x 0.50405) = 6230, 0): 50 twips off across, 5160
    // down. The vertical takes the full step, so the second tick is still
    // under 100 twips across, and that alone draws the next target.
    SetUp();
    Script({0.50405f, 0.0f, 0.5f, 0.5f});
    Tick(AnimationType::RandomSliding, 2);
    EXPECT_EQ(DrawsLeft(), 0u);
    // Target (3090, 5160), straight left: a full step that way.
    SetUp();
    Script({0.25f, 0.5f});
    Tick(AnimationType::RandomSliding);
    EXPECT_EQ(LastMove(), std::make_pair(6155.0f, 5160.0f));
}

using RandomPathTest = MoveTest;

// Steps by heading (3 x round(6 cos), 3 x round(4 sin)), with pi as single
// precision holds it: 22 (18, 3), 60 (9, 9), 90 (0, 12), -90 (0, -12).

TEST_F(RandomPathTest, DrawsATurnEveryTwentyTicksAndTheDrawPicksItRoundingHalfToEven) {
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
    // The next rate is drawn on the 21st call, and only then.
    Script({0.5f});
    Tick(AnimationType::RandomPath, 20);
    ignored.set(0);
    Script({0.0f});
    Tick(AnimationType::RandomPath);
    EXPECT_EQ(std::tuple(DrawsLeft(), ignored.count()), std::tuple(0u, 2));
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
    // - Block 15320 wide: centred at left 20, right line 20; at 38 after two
    //   steps only the right turns (to 158), and the next step is (-18, 3).
    const std::tuple<int, int, int, std::vector<float>, int, std::pair<float, float>> cases[] = {
        {15284, 11468, 11520, {0, 0, 0.5f, 0, 0.5f}, 5, {56, 32}},
        {3000, 1200, 1100, {0, 0.5f, 0.5f}, 3, {6198, -20}},
        {15356, 1200, 11520, {0, 0, 0.99999994f}, 3, {38, 5181}},
        {15320, 1200, 11520, {0, 0}, 3, {20, 5181}}};
    for (const auto& [width, height, bottom, draws, ticks, last] : cases) {
        SetUp();
        block = {.widthTwips = width, .heightTwips = height};
        area.bottomTwips = bottom;
        Script(draws);
        Tick(AnimationType::RandomPath, ticks);
        EXPECT_EQ(std::tuple(LastMove(), DrawsLeft()), std::tuple(last, 0u)) << width;
    }
}

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

TEST_F(BounceOffSidesTest, TurnsOnlyPastTheMargin) {
    // Margin 15: at left and top 15, or 15 short of the right and bottom sides
    // (15360 - 3000 - 15, 11520 - 1200 - 15), nothing turns; the steps are
    // floor(30 x 0.48125) = 14 and floor(30 x 0.3875) = 11. A twip further
    // out a side turns its component: floor(14 - 14.4375) = -1,
    // floor(14 - 11.625) = 2, the other steps on. Above the top, the block is
    // put back at 0 before it steps.
    const std::tuple<float, float, float, float> cases[] = {
        {15, 15, 29, 26}, {12345, 10305, 12359, 10316}, {14, 14, -1, 2},    {14, 15, -1, 26},
        {15, 14, 29, 2},  {12346, 10306, 12331, 10294}, {15, -100, 29, -12}};
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

using DialogPlacement = PlatformTest;

TEST_F(DialogPlacement, CentresOverARealWindowAndKeepsOnTheScreen) {
    // A 1024 x 768 screen at 15 twips per pixel, a 7200 x 5400 twips dialog.
    constexpr DialogFrame kFrame{7200, 5400, 15360, 11520, 15, 15};
    const struct {
        platform::PixelRect window;
        DialogFrame frame;
        std::int32_t x, y;
    } cases[] = {
        {{100, 100, 500, 550}, kFrame, 900, 2175},    // 1500 + half(-1200), 1500 + half(1350)
        {{-300, 100, 100, 550}, kFrame, 0, 2175},     // off the left edge
        {{900, 700, 1000, 760}, kFrame, 8160, 6120},  // pushed back from the bottom right
        {{0, 0, 0, 0}, kFrame, 0, 0},                 // a window that is gone
        {{600, 300, 601, 301}, kFrame, 5408, 1808},   // half of -7185 is -3592: toward zero
        {{601, 300, 602, 301}, kFrame, 5423, 1808},   // 9015 - 3592, not 9015 - 3592.5
        // 10 twips a pixel down: 1000 + half(4500 - 5400) = 550; across as before.
        {{100, 100, 500, 550}, {7200, 5400, 15360, 7680, 15, 10}, 900, 550},
        // Larger than the screen: flush right and top.
        {{100, 100, 500, 550}, {20000, 14000, 15360, 11520, 15, 15}, 15360 - 20000, 0},
    };
    for (const auto& c : cases) {
        const TwipsPoint p = PlaceOverWindow(c.window, c.frame);
        EXPECT_EQ(std::pair(p.x, p.y), std::pair(c.x, c.y)) << c.window.left;
    }

    // The dialog is moved only for a real handle; an unknown one counts as empty.
    // The fake's dialog is 5400 x 5880 twips; at 12 twips a pixel:
    // 1200 + half(4800 - 5400), 1200 + half(5400 - 5880).
    win().twipsPerPixelX = win().twipsPerPixelY = 12;
    dlg().windowRects[1] = {100, 100, 500, 550};
    for (platform::WindowHandle window : {0, -5, 1, 78}) {
        CentreOverWindow(dlg(), win(), window);
    }
    EXPECT_EQ(dlg().moves, (std::vector<std::pair<double, double>>{{900, 960}, {0, 0}}));
}

}  // namespace
}  // namespace ostrel

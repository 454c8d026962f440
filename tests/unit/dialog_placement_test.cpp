#include <gtest/gtest.h>

#include "fixture.h"
#include "movement/dialog_placement.h"

namespace ostrel {
namespace {

// A 1024 x 768 screen at 15 twips per pixel, a 7200 x 5400 twips dialog.
constexpr DialogFrame kFrame{7200, 5400, 15360, 11520, 15, 15};

TEST(DialogPlacement, CentresOverTheWindowAndKeepsOnTheScreen) {
    const struct {
        platform::PixelRect window;
        std::int32_t x, y;
    } cases[] = {
        {{100, 100, 500, 550}, 900, 2175},    // centred: 1500 + half(-1200), 1500 + half(1350)
        {{-300, 100, 100, 550}, 0, 2175},     // off the left edge
        {{900, 700, 1000, 760}, 8160, 6120},  // pushed back from the bottom right
        {{0, 0, 0, 0}, 0, 0},                 // a window that is gone
        {{600, 300, 601, 301}, 5408, 1808},   // half of -7185 is -3592: toward zero
    };
    for (const auto& c : cases) {
        const TwipsPoint p = PlaceOverWindow(c.window, kFrame);
        EXPECT_EQ(p.x, c.x) << c.window.left;
        EXPECT_EQ(p.y, c.y) << c.window.left;
    }
}

TEST(DialogPlacement, LargerThanTheScreenStaysFlushRightAndTop) {
    const DialogFrame big{20000, 14000, 15360, 11520, 15, 15};
    const TwipsPoint p = PlaceOverWindow({100, 100, 500, 550}, big);
    EXPECT_EQ(p.x, 15360 - 20000);
    EXPECT_EQ(p.y, 0);
}

class CentreOverWindowTest : public PlatformTest {};

TEST_F(CentreOverWindowTest, MovesTheDialogOnlyForARealHandle) {
    fake().optionsWidthTwips = 7200;
    fake().optionsHeightTwips = 5400;
    fake().windowRects[77] = {100, 100, 500, 550};
    CentreOverWindow(0);
    CentreOverWindow(-5);
    EXPECT_TRUE(fake().optionsMoves.empty());
    CentreOverWindow(77);
    CentreOverWindow(78);  // unknown: counts as empty, goes to the corner
    ASSERT_EQ(fake().optionsMoves.size(), 2u);
    EXPECT_EQ(fake().optionsMoves[0], (std::pair<double, double>{900, 2175}));
    EXPECT_EQ(fake().optionsMoves[1], (std::pair<double, double>{0, 0}));
}

}  // namespace
}  // namespace ostrel

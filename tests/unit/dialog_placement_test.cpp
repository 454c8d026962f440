#include <gtest/gtest.h>

#include "fixture.h"
#include "movement/dialog_placement.h"

namespace ostrel {
namespace {

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
    dlg().windowRects[77] = {100, 100, 500, 550};
    for (platform::WindowHandle window : {0, -5, 77, 78}) {
        CentreOverWindow(dlg(), win(), window);
    }
    EXPECT_EQ(dlg().moves, (std::vector<std::pair<double, double>>{{900, 960}, {0, 0}}));
}

}  // namespace
}  // namespace ostrel

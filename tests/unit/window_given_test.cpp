// What a front end that draws in windows other programs give asks of the
// saver: no single-instance check, a readable preview share, seeds that
// differ between copies, and an area that follows the window's size.

#include <gtest/gtest.h>

#include <tuple>

#include "fixture.h"
#include "startup/saver_window.h"

namespace ostrel {
namespace {

using platform::RunMode;

class WindowGiven : public PlatformTest {
  protected:
    void SetUp() override {
        ResetFakes();
        saver = std::make_unique<SaverWindow>(fakes->services());
    }
    auto Area() const {
        const MovementArea& a = saver->movementArea;
        return std::tuple(a.leftTwips, a.rightTwips, a.topTwips, a.bottomTwips);
    }
    std::unique_ptr<SaverWindow> saver;
};

TEST_F(WindowGiven, AnotherCopyEndsItOnlyWhenItKeepsToOneInstance) {
    for (const bool single : {true, false}) {
        SetUp();
        win().windowsByTitle["OstrelSS"] = 77;
        platform::RunRequest r = Request(RunMode::FullScreen);
        r.singleInstance = single;
        saver->Load(r);
        EXPECT_EQ(std::tuple(saver->closed, win().covered.has_value()),
                  std::tuple(single, !single));
    }
}

TEST_F(WindowGiven, PreviewShareHasAReadableFloorBelowTheChosenSize) {
    // size, share, floor -> points: 10 x 0.36 = 3.6 is below 8; 20 x 0.5 = 10
    // is above it; a chosen 6 is never raised to the floor.
    const std::tuple<int, double, float, float> cases[] = {
        {10, 0.36, 8.0f, 8.0f}, {20, 0.5, 8.0f, 10.0f}, {6, 0.36, 8.0f, 6.0f}};
    for (const auto& [size, share, floor, points] : cases) {
        SetUp();
        Store("FontSize", size);
        win().clientRects[1234] = {0, 0, 695, 390};
        platform::RunRequest r = Request(RunMode::Preview, 1234);
        r.previewTextShare = share;
        r.previewSmallestPoints = floor;
        saver->Load(r);
        EXPECT_EQ(saver->infoLabel.font.sizePoints, points) << size;
    }
}

TEST_F(WindowGiven, ASaltSetsApartCopiesStartedInTheSameInstant) {
    Random plain, same, salted;
    plain.Seed(3600.25);
    same.Seed(3600.25, 0);
    salted.Seed(3600.25, 4242);
    const float first = plain.Draw();
    EXPECT_EQ(same.Draw(), first);
    EXPECT_NE(salted.Draw(), first);
}

TEST_F(WindowGiven, AResizedWindowMovesTheAreaAndCentresTheBlockInIt) {
    // Preview 400x300 grown to 800x600: 15 twips across, 12 down.
    win().clientRects[1234] = {0, 0, 400, 300};
    saver->Load(Request(RunMode::Preview, 1234));
    saver->textBlock.leftTwips = 5000;
    win().clientRects[1234] = {0, 0, 800, 600};
    saver->OnResized();
    const TextBlock& b = saver->textBlock;
    EXPECT_EQ(Area(), std::tuple(0, 12000, 0, 7200));
    // The block, 3015x1455 twips, centred whole: (12000 - 3015) / 2 and
    // (7200 - 1455) / 2, each rounded down.
    EXPECT_EQ(std::tuple(b.widthTwips, b.heightTwips, b.leftTwips, b.topTwips),
              std::tuple(3015, 1455, 4492.0f, 2872.0f));
    // Full screen: the monitors shrink to the primary alone.
    SetUp();
    saver->Load(Request(RunMode::FullScreen));
    win().layout = {{0, 0, 1024, 768}, {0, 0, 1024, 768}};
    saver->OnResized();
    EXPECT_EQ(Area(), std::tuple(0, 15360, 0, 9216));
}

}  // namespace
}  // namespace ostrel

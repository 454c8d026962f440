#include <gtest/gtest.h>

#include "fixture.h"
#include "movement/block_motion.h"
#include "startup/saver_window.h"

namespace ostrel {
namespace {

class Tick : public PlatformTest {
  protected:
    void Start(std::uint32_t displayItems, std::uint32_t moveOption = 4) {
        fake().AddMonitor(platform::kDisplayDeviceAttachedToDesktop, {0, 0, 1024, 768});
        fake().SetRegDword(kSettingsKey, "DisplayItems", displayItems);
        fake().SetRegDword(kSettingsKey, "MoveOption", moveOption);
        saver = SaverWindow{};
        saver.Load("/s");
        fake().drawLog.clear();
    }
    // The drawing requests of one tick, joined with "; ".
    std::string TickLog() {
        fake().drawLog.clear();
        saver.OnTick();
        std::string out;
        for (const auto& e : fake().drawLog) {
            out += (out.empty() ? "" : "; ") + (e.rfind("resize", 0) == 0 ? "resize" : e);
        }
        return out;
    }
    SaverWindow saver;
};

TEST_F(Tick, NetworkLineEverySecondTickTextOnceASecondRevealOnTheFirst) {
    const struct {
        std::uint32_t items;
        const char* firstTick;
    } cases[] = {{1151,
                  "redraw NetworkLabel; resize; redraw NetworkLabel now; redraw TextBlock now; "
                  "redraw Window now; move; redraw InfoLabel; redraw NetworkLabel"},
                 {1151 & ~0x40,
                  "resize; redraw NetworkLabel now; redraw TextBlock now; redraw Window now; move; "
                  "redraw InfoLabel"}};
    for (const auto& c : cases) {
        SetUp();
        Start(c.items);
        const bool network = (c.items & 0x40) != 0;
        EXPECT_EQ(TickLog(), c.firstTick);
        // The first layout already holds the network line.
        EXPECT_EQ(saver.textBlock.heightTwips,
                  saver.infoLabel.heightTwips + (network ? saver.networkLabel.heightTwips : 0));
        EXPECT_EQ(saver.networkLabel.topTwips, saver.infoLabel.heightTwips);
        for (int i = 1; i < 21; ++i) {
            const std::string log = TickLog();
            EXPECT_EQ(log.rfind("redraw NetworkLabel", 0) == 0, network && i % 2 == 0) << i;
            EXPECT_EQ(log.find("resize") != std::string::npos, i % 10 == 0) << i;
        }
        EXPECT_EQ(std::tuple(saver.tickInSecond, saver.firstTickDone, saver.infoLabel.visible),
                  std::tuple(1, true, true));
        // The network monitor is never created when its line is not shown.
        EXPECT_EQ(std::tuple(saver.networkLabel.visible, !saver.networkLabel.caption.empty(),
                             saver.networkMonitor != nullptr),
                  std::tuple(network, network, network));
    }
}

TEST_F(Tick, UnknownAnimationMovesNothingButTextStillComes) {
    Start(1151, 5);
    for (int i = 0; i < 12; ++i) {
        saver.OnTick();
    }
    EXPECT_TRUE(fake().textBlockMoves.empty() && saver.ignoredMouseMoves.count() == 0);
    EXPECT_TRUE(saver.infoLabel.visible && !saver.infoLabel.caption.empty());
}

TEST_F(Tick, StationaryBlockFitsItsTextAndCentresOnce) {
    fake().twipsPerPixelY = 12;
    Start(0, 4);
    for (int i = 0; i < 31; ++i) {
        saver.OnTick();
    }
    // The fake measures seven pixels a character and sixteen a line: ";-)"
    // is 21 x 16 pixels, 315 x 192 twips at 15 across and 12 down.
    EXPECT_EQ(std::tuple(saver.textBlock.widthTwips, saver.textBlock.heightTwips),
              std::tuple(315, 192));
    // 15360 - 315 = 15045 -> floor(7522.5) = 7522; 9216 - 192 -> 4512.
    EXPECT_EQ(fake().textBlockMoves, (std::vector<std::pair<float, float>>{{7522.0f, 4512.0f}}));
    EXPECT_EQ(saver.ignoredMouseMoves.count(), 2);
}

using Centring = PlatformTest;

TEST_F(Centring, CentresInTheBoundsOrTheWindowAndReportsOverflow) {
    TextBlock block;
    IgnoredMouseMoves ignored;
    ignored.set(32767);
    MoveToCentre(block, MovementArea{}, ignored);
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(fake().messages[0].text, "Failed to calculate centre position:\r\n[6] Overflow");
    EXPECT_TRUE(block.leftTwips == 240.0f && fake().textBlockMoves.empty());

    ignored.set(0);
    const struct {
        std::int32_t width;
        MovementArea bounds;
        float left, top;
    } cases[] = {
        {3000, {0, 0, 15360, 11520}, 6180, 5160},
        {3000, {19200, 0, 34560, 11520}, 25380, 5160},  // the primary, right of a monitor
        {3000, {0, 9000, 15360, 20520}, 6180, 14160},   // the primary, below a monitor
        {16001, {0, 0, 15360, 11520}, -321, 5160},      // wider: floor of a negative half
        {3000, {15, 0, 15360, 11521}, 6187, 5160},      // odd room: halves floored
    };
    for (const auto& c : cases) {
        block.widthTwips = c.width;
        block.heightTwips = 1200;
        MoveToCentre(block, c.bounds, ignored);
        EXPECT_EQ(std::pair(block.leftTwips, block.topTwips), std::pair(c.left, c.top)) << c.width;
    }
    EXPECT_EQ(ignored.count(), 10);  // +2 a call, no cap here
}

}  // namespace
}  // namespace ostrel

#include <gtest/gtest.h>

#include "fixture.h"
#include "movement/move.h"
#include "startup/frm_main.h"

namespace ostrel {
namespace {

const std::string kKey = "Software\\Ostrel Screen Saver\\Settings";

class Tick : public PlatformTest {
  protected:
    void Start(std::uint32_t displayItems, std::uint32_t moveOption = 4) {
        fake().AddMonitor(platform::kDisplayDeviceAttachedToDesktop, {0, 0, 1024, 768});
        fake().SetRegDword(kKey, "DisplayItems", displayItems);
        fake().SetRegDword(kKey, "MoveOption", moveOption);
        ResetMoveState();
        form = FrmMain{};
        form.Form_Load("/s");
        fake().drawLog.clear();
    }
    // The drawing requests of one tick, joined with "; ".
    std::string TickLog() {
        fake().drawLog.clear();
        form.timUpdate_Timer();
        std::string out;
        for (const auto& e : fake().drawLog) {
            out += (out.empty() ? "" : "; ") + (e.rfind("resize", 0) == 0 ? "resize" : e);
        }
        return out;
    }
    FrmMain form;
};

TEST_F(Tick, NetworkLineEverySecondTickTextOnceASecondRevealOnTheFirst) {
    const struct {
        std::uint32_t items;
        const char* firstTick;
    } cases[] = {{1151,
                  "redraw NetworkLabel; resize; redraw NetworkLabel now; redraw Panel now; "
                  "redraw Window now; move; redraw InfoLabel; redraw NetworkLabel"},
                 {1151 & ~0x40,
                  "resize; redraw NetworkLabel now; redraw Panel now; redraw Window now; move; "
                  "redraw InfoLabel"}};
    for (const auto& c : cases) {
        SetUp();
        Start(c.items);
        const bool network = (c.items & 0x40) != 0;
        EXPECT_EQ(TickLog(), c.firstTick);
        // The first layout already holds the network line.
        EXPECT_EQ(form.pbStuff.heightTwips,
                  form.lblInfo.heightTwips + (network ? form.lblNetwork.heightTwips : 0));
        EXPECT_EQ(form.lblNetwork.topTwips, form.lblInfo.heightTwips);
        for (int i = 1; i < 21; ++i) {
            const std::string log = TickLog();
            EXPECT_EQ(log.rfind("redraw NetworkLabel", 0) == 0, network && i % 2 == 0) << i;
            EXPECT_EQ(log.find("resize") != std::string::npos, i % 10 == 0) << i;
        }
        EXPECT_EQ(std::tuple(form.TickCounter, form.Started, form.lblInfo.visible),
                  std::tuple(1, 1, true));
        // The network monitor is never created when its line is not shown.
        EXPECT_EQ(std::tuple(form.lblNetwork.visible, !form.lblNetwork.caption.empty(),
                             G().ipHelper != nullptr),
                  std::tuple(network, network, network));
    }
}

TEST_F(Tick, UnknownAnimationMovesNothingButTextStillComes) {
    Start(1151, 5);
    for (int i = 0; i < 12; ++i) {
        form.timUpdate_Timer();
    }
    EXPECT_TRUE(fake().panelMoves.empty() && G().IgnoreMouseMoves == 0);
    EXPECT_TRUE(form.lblInfo.visible && !form.lblInfo.caption.empty());
}

TEST_F(Tick, StationaryBlockFitsItsTextAndCentresOnce) {
    Start(0, 4);
    for (int i = 0; i < 31; ++i) {
        form.timUpdate_Timer();
    }
    // The fake measures seven pixels a character and sixteen a line.
    EXPECT_EQ(std::tuple(form.pbStuff.widthTwips, form.pbStuff.heightTwips),
              std::tuple(3 * 7 * 15, 16 * 15));
    // 15360 - 315 = 15045 -> floor(7522.5) = 7522; 11520 - 240 -> 5640.
    EXPECT_EQ(fake().panelMoves, (std::vector<std::pair<float, float>>{{7522.0f, 5640.0f}}));
    EXPECT_EQ(G().IgnoreMouseMoves, 2);
}

using Centring = PlatformTest;

TEST_F(Centring, CentresInTheBoundsOrTheWindowAndReportsOverflow) {
    Panel block;
    G().IgnoreMouseMoves = 32767;
    MoveToCentre(block);
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(fake().messages[0].text, "Failed to calculate centre position:\r\n[6] Overflow");
    EXPECT_TRUE(block.leftTwips == 240.0f && fake().panelMoves.empty());

    G().IgnoreMouseMoves = 0;
    const struct {
        std::int32_t width;
        MoveBounds bounds;
        float left, top;
    } cases[] = {
        {3000, {0, 15360, 0, 11520}, 6180, 5160},
        {3000, {-19200, 15360, 0, 15360}, 15780, 7080},  // a monitor to the left: the whole window
        {16001, {0, 15360, 0, 11520}, -321, 5160},       // wider: floor of a negative half
        {3000, {-15, 15360, 0, 11520}, 6187.5, 5160},    // -15 / 2 is not floored
    };
    for (const auto& c : cases) {
        block.widthTwips = c.width;
        block.heightTwips = 1200;
        G().bounds = c.bounds;
        MoveToCentre(block);
        EXPECT_EQ(std::pair(block.leftTwips, block.topTwips), std::pair(c.left, c.top)) << c.width;
    }
    EXPECT_EQ(G().IgnoreMouseMoves, 8);  // +2 a call, no cap here
}

}  // namespace
}  // namespace ostrel

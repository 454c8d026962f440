#include <gtest/gtest.h>

#include <algorithm>

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

TEST_F(Tick, FirstTickWithNetworkSetsItThenLaysOutThenReveals) {
    Start(1151);
    EXPECT_EQ(TickLog(),
              "redraw NetworkLabel; resize; redraw NetworkLabel now; redraw Panel now; "
              "redraw Window now; move; redraw InfoLabel; redraw NetworkLabel");
    EXPECT_TRUE(form.lblInfo.visible);
    EXPECT_TRUE(form.lblNetwork.visible);
    EXPECT_FALSE(form.lblNetwork.caption.empty());
    EXPECT_EQ(form.Started, 1);
    // The first layout already holds the network line.
    EXPECT_EQ(form.pbStuff.heightTwips, form.lblInfo.heightTwips + form.lblNetwork.heightTwips);
    EXPECT_EQ(form.lblNetwork.topTwips, form.lblInfo.heightTwips);
}

TEST_F(Tick, TwentyOneTicksWithNetwork) {
    Start(1151);
    std::vector<std::string> logs;
    for (int i = 0; i < 21; ++i) {
        logs.push_back(TickLog());
    }
    for (int i = 0; i < 21; ++i) {
        const bool network = i % 2 == 0;
        const bool update = i % 10 == 0;
        EXPECT_EQ(logs[i].rfind("redraw NetworkLabel", 0) == 0, network) << "tick " << i;
        EXPECT_EQ(logs[i].find("resize") != std::string::npos, update) << "tick " << i;
    }
    EXPECT_EQ(form.TickCounter, 1);
}

TEST_F(Tick, WithoutNetworkTheMonitorIsNeverCreated) {
    Start(1151 & ~0x40);
    EXPECT_EQ(TickLog(),
              "resize; redraw NetworkLabel now; redraw Panel now; redraw Window now; move; "
              "redraw InfoLabel");
    for (int i = 1; i < 21; ++i) {
        const std::string log = TickLog();
        EXPECT_EQ(log.find("redraw NetworkLabel") != std::string::npos, i % 10 == 0) << i;
    }
    EXPECT_EQ(G().ipHelper, nullptr);
    EXPECT_FALSE(form.lblNetwork.visible);
    EXPECT_TRUE(form.lblNetwork.caption.empty());
    EXPECT_EQ(form.pbStuff.heightTwips, form.lblInfo.heightTwips);
}

TEST_F(Tick, UnknownAnimationMovesNothingButTextStillComes) {
    Start(1151, 5);
    for (int i = 0; i < 12; ++i) {
        form.timUpdate_Timer();
    }
    EXPECT_TRUE(fake().panelMoves.empty());
    EXPECT_TRUE(form.lblInfo.visible);
    EXPECT_FALSE(form.lblInfo.caption.empty());
    EXPECT_EQ(G().IgnoreMouseMoves, 0);
}

TEST_F(Tick, BlockFitsItsTextAndIsWideAsTheWiderLabel) {
    Start(0);
    form.timUpdate_Timer();
    EXPECT_EQ(form.lblInfo.caption, ";-)");
    // The fake measures seven pixels a character and sixteen a line.
    EXPECT_EQ(form.lblInfo.widthTwips, 3 * 7 * 15);
    EXPECT_EQ(form.pbStuff.widthTwips, 3 * 7 * 15);
    EXPECT_EQ(form.pbStuff.heightTwips, 16 * 15);
}

TEST_F(Tick, StationaryCentresOnceAndGrowsFromThere) {
    Start(0, 4);
    form.timUpdate_Timer();
    // 15360 - 315 = 15045 -> floor(7522.5) = 7522; 11520 - 240 -> 5640.
    ASSERT_EQ(fake().panelMoves.size(), 1u);
    EXPECT_FLOAT_EQ(fake().panelMoves[0].first, 7522.0f);
    EXPECT_FLOAT_EQ(fake().panelMoves[0].second, 5640.0f);
    EXPECT_EQ(G().IgnoreMouseMoves, 2);
    for (int i = 0; i < 30; ++i) {
        form.timUpdate_Timer();
    }
    EXPECT_EQ(fake().panelMoves.size(), 1u);
    EXPECT_EQ(G().IgnoreMouseMoves, 2);
}

class Centring : public PlatformTest {};

TEST_F(Centring, CentresInTheBoundsOrTheWindow) {
    Panel block;
    block.widthTwips = 3000;
    block.heightTwips = 1200;
    G().bounds = {0, 15360, 0, 11520};
    MoveToCentre(block);
    EXPECT_FLOAT_EQ(block.leftTwips, 6180.0f);
    EXPECT_FLOAT_EQ(block.topTwips, 5160.0f);
    // A monitor to the left: the centre of the whole window.
    G().bounds = {-19200, 15360, 0, 15360};
    MoveToCentre(block);
    EXPECT_FLOAT_EQ(block.leftTwips, 15780.0f);
    // Wider than the area: floor of a negative half.
    block.widthTwips = 16001;
    G().bounds = {0, 15360, 0, 11520};
    MoveToCentre(block);
    EXPECT_FLOAT_EQ(block.leftTwips, -321.0f);
    // Only the first half is floored: -15 / 2 keeps its fraction.
    block.widthTwips = 3000;
    G().bounds = {-15, 15360, 0, 11520};
    MoveToCentre(block);
    EXPECT_FLOAT_EQ(block.leftTwips, 6187.5f);
    EXPECT_EQ(G().IgnoreMouseMoves, 8);  // +2 a call, no cap here
}

TEST_F(Centring, OverflowIsReportedAndTheBlockStays) {
    Panel block;
    G().IgnoreMouseMoves = 32767;
    MoveToCentre(block);
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(fake().messages[0].text, "Failed to calculate centre position:\r\n[6] Overflow");
    EXPECT_FLOAT_EQ(block.leftTwips, 240.0f);
    EXPECT_TRUE(fake().panelMoves.empty());
}

}  // namespace
}  // namespace ostrel

namespace ostrel {
namespace {

TEST_F(Tick, PreviewDrawsSmallTextCentredInTheHost) {
    fake().AddMonitor(platform::kDisplayDeviceAttachedToDesktop, {0, 0, 1024, 768});
    fake().clientRects[4242] = {0, 0, 152, 112};
    fake().SetRegDword(kKey, "DisplayItems", 0x0003);
    fake().SetRegDword(kKey, "MoveOption", 4);
    form.Form_Load("/p 4242");
    form.timUpdate_Timer();
    EXPECT_FLOAT_EQ(form.lblInfo.font.sizePoints, 2.0f);
    EXPECT_EQ(form.lblInfo.caption, "TESTBOX:  3:06:10 pm");
    EXPECT_TRUE(form.lblInfo.visible);
    // 20 characters at 7 pixels: 2100 twips wide, 240 high, in 2280 x 1680.
    EXPECT_FLOAT_EQ(form.pbStuff.leftTwips, 90.0f);
    EXPECT_FLOAT_EQ(form.pbStuff.topTwips, 720.0f);
}

}  // namespace
}  // namespace ostrel

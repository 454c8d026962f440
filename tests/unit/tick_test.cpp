#include <gtest/gtest.h>

#include <optional>

#include "fixture.h"
#include "movement/block_motion.h"
#include "startup/saver_window.h"

namespace ostrel {
namespace {

class Tick : public PlatformTest {
  protected:
    void SetUp() override { ResetFakes(); }
    // Loads the full-screen saver with the items and animation, and runs ticks.
    void Start(std::uint32_t displayItems, std::uint32_t moveOption = 4, int ticks = 0) {
        Store("DisplayItems", static_cast<std::int32_t>(displayItems));
        Store("MoveOption", static_cast<std::int32_t>(moveOption));
        saver.emplace(fakes->services());
        saver->Load(Request(platform::RunMode::FullScreen));
        for (int i = 0; i < ticks; ++i) {
            saver->OnTick();
        }
    }
    // The drawing requests of one tick, joined with "; ".
    std::string TickLog() {
        win().drawLog.clear();
        saver->OnTick();
        std::string out;
        for (const auto& e : win().drawLog) {
            out += (out.empty() ? "" : "; ") + (e.rfind("resize", 0) == 0 ? "resize" : e);
        }
        return out;
    }
    std::optional<SaverWindow> saver;
};

TEST_F(Tick, NetworkLineEverySecondTickTextOnceASecondRevealOnTheFirst) {
    for (const bool network : {true, false}) {
        SetUp();
        Start(network ? 1151 : 1151 & ~0x40);
        const std::string line = network ? "redraw NetworkLabel" : "";
        EXPECT_EQ(TickLog(), (network ? line + "; " : line) +
                                 "resize; redraw NetworkLabel now; redraw TextBlock now; "
                                 "redraw Window now; move; redraw InfoLabel" +
                                 (network ? "; " + line : line));
        // The first layout already holds the network line.
        EXPECT_EQ(std::tuple(saver->textBlock.heightTwips, saver->networkLabel.topTwips),
                  std::tuple(saver->infoLabel.heightTwips +
                                 (network ? saver->networkLabel.heightTwips : 0),
                             saver->infoLabel.heightTwips));
        for (int i = 1; i < 21; ++i) {
            net().interfaces = {{100u * i, 0}};  // traffic: the line changes at every reading
            const std::string log = TickLog();
            EXPECT_EQ(log.rfind("redraw NetworkLabel", 0) == 0, network && i % 2 == 0) << i;
            EXPECT_EQ(log.find("resize") != std::string::npos, i % 10 == 0) << i;
        }
        // The network monitor is never created when its line is not shown.
        EXPECT_EQ(std::tuple(saver->tickInSecond, saver->firstTickDone, saver->infoLabel.visible,
                             saver->networkLabel.visible, !saver->networkLabel.caption.empty(),
                             saver->networkMonitor != nullptr),
                  std::tuple(1, true, true, network, network, network));
    }
}

TEST_F(Tick, NetworkLineIsRedrawnOnlyWhenItReadsDifferently) {
    Start(1151);
    // One reading every second tick; bytes received at each, none sent.
    const std::tuple<std::uint32_t, const char*, bool> readings[] = {
        {0, "||", true},      // the first line: nothing shown before
        {0, "||", false},     // no traffic: the same line
        {100, "/|", true},    // traffic turns the spinner
        {250, "\\|", true},   // and turns it back
        {250, "||", true},    // it stops
        {250, "||", false}};  // the first reading of the next second, no traffic
    for (const auto& [received, spinners, redrawn] : readings) {
        net().interfaces = {{received, 0}};
        const std::string log = TickLog();
        EXPECT_EQ(std::pair(saver->networkLabel.caption.substr(22),
                            log.rfind("redraw NetworkLabel", 0) == 0),
                  std::pair(std::string(1, spinners[0]) + "  tx: " + spinners[1], redrawn))
            << received << " " << log;
        EXPECT_EQ(TickLog().find("NetworkLabel"), std::string::npos);  // no reading
    }
}

TEST_F(Tick, StationaryBlockFitsItsTextAndCentresOnceAndAnUnknownAnimationNeverMoves) {
    Start(0, 4, 31);
    // The fake measures seven pixels a character and sixteen a line: ";-)"
    // is 21 x 16 pixels, 315 x 192 twips at 15 across and 12 down.
    // Over all the fake's monitors, 53760 x 21504 twips: 53760 - 315 = 53445
    // -> floor(26722.5) = 26722; 21504 - 192 -> 10656.
    EXPECT_EQ(std::tuple(saver->textBlock.widthTwips, saver->textBlock.heightTwips,
                         win().textBlockMoves, saver->ignoredMouseMoves.count()),
              std::tuple(315, 192, std::vector<std::pair<float, float>>{{26722.0f, 10656.0f}}, 2));
    SetUp();  // an unknown animation: the text still comes
    Start(1151, 5, 12);
    EXPECT_EQ(std::tuple(win().textBlockMoves.size(), saver->ignoredMouseMoves.count(),
                         saver->infoLabel.caption.empty()),
              std::tuple(0u, 0, false));
}

using Centring = PlatformTest;

TEST_F(Centring, CentresInTheBoundsOrTheWindowAndReportsOverflow) {
    TextBlock block;
    IgnoredMouseMoves ignored;
    ignored.set(32767);
    MoveToCentre(win(), block, MovementArea{}, ignored);
    EXPECT_EQ(std::tuple(win().messages.at(0).text, win().messages.size(), block.leftTwips,
                         win().textBlockMoves.size()),
              std::tuple("Failed to calculate centre position:\r\n[6] Overflow", 1u, 240.0f, 0u));

    ignored.set(0);
    // The primary right of a monitor, and below one; wider than the bounds,
    // the floor of a negative half; odd room, halves floored.
    const std::tuple<std::int32_t, MovementArea, float, float> cases[] = {
        {3000, {19200, 0, 34560, 11520}, 25380, 5160},
        {3000, {0, 9000, 15360, 20520}, 6180, 14160},
        {16001, {0, 0, 15360, 11520}, -321, 5160},
        {3000, {15, 0, 15360, 11521}, 6187, 5160}};
    for (const auto& [width, bounds, left, top] : cases) {
        block = {.widthTwips = width, .heightTwips = 1200};
        MoveToCentre(win(), block, bounds, ignored);
        EXPECT_EQ(std::pair(block.leftTwips, block.topTwips), std::pair(left, top)) << width;
    }
    EXPECT_EQ(ignored.count(), 8);  // +2 a call, no cap here
}

}  // namespace
}  // namespace ostrel

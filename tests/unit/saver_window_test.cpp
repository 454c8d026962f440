// The saver window from start-up to its end, over fresh fakes; a front end
// that draws in windows other programs give also asks for no single-instance
// check, a readable preview share, seeds that differ between copies, and an
// area that follows the window's size.

#include <gtest/gtest.h>

#include "fixture.h"
#include "movement/block_motion.h"
#include "startup/saver_window.h"

namespace ostrel {
namespace {

using platform::RunMode;
using platform::RunRequest;
using Rect = platform::PixelRect;

// A burst of pointer movements: the first at a time, their count, the seconds
// between them.
using Burst = std::tuple<double, int, double>;

class SaverTest : public PlatformTest {
  protected:
    // Also called again by tests that start several times in a row.
    void SetUp() override {
        ResetFakes();
        saver = std::make_unique<SaverWindow>(fakes->services());
    }
    bool Closed() const { return fakes->windowing.saverDestroyed; }
    auto Bounds() const {
        const MovementArea& b = saver->movementArea;
        return std::tuple(b.leftTwips, b.rightTwips, b.topTwips, b.bottomTwips);
    }
    // Loads the full-screen saver, its block still in the centre, with the items.
    void Start(std::int32_t displayItems) {
        Store("DisplayItems", displayItems);
        Store("MoveOption", 4);
        saver->Load(Request(RunMode::FullScreen));
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
    void Move(const std::vector<Burst>& bursts) {
        for (const auto& [from, count, step] : bursts) {
            for (int i = 0; i < count; ++i) {
                sys().secondsSinceMidnight = from + i * step;
                saver->OnMouseMove();
            }
        }
    }
    std::unique_ptr<SaverWindow> saver;
};

using StartUp = SaverTest;
using WindowGiven = SaverTest;
using Tick = SaverTest;

class Dismissal : public SaverTest {
  protected:
    void SetUp() override {
        SaverTest::SetUp();
        saver->Load(Request(RunMode::FullScreen));
    }
};

TEST_F(StartUp, FullScreenCoversEveryMonitorAndOtherModesDoTheirOneJobAndClose) {
    // Twips per pixel 15 across, 12 down. The area is in the window's
    // coordinates (left, right, top, bottom), which start at the top-left
    // corner of all monitors.
    const std::tuple<Rect, Rect, std::int32_t, std::tuple<int, int, int, int>> cases[] = {
        // monitors left of, above and right of the primary: all of them
        {{-1280, -1024, 2304, 768}, {0, 0, 1024, 768}, 0, {0, 53760, 0, 21504}},
        // the primary: 1280 pixels across and 1024 down the window
        {{-1280, -1024, 2304, 768}, {0, 0, 1024, 768}, 1, {19200, 34560, 12288, 21504}}};
    // Another copy runs, but a front end that draws in a window given it does
    // not keep to one instance (one that does ends: below).
    RunRequest request = Request(RunMode::FullScreen);
    request.singleInstance = false;
    for (const auto& [all, primary, constrain, area] : cases) {
        SetUp();
        win().windowsByTitle["OstrelSS"] = 0x2222;
        win().layout = {all, primary};
        Store("Options", constrain);
        saver->Load(request);
        EXPECT_EQ(std::tuple(win().covered, Bounds(), win().saverCaption, win().pointerVisible,
                             win().tickIntervalMs,
                             Closed() || saver->previewMode || saver->infoLabel.visible ||
                                 saver->networkLabel.visible || saver->cpuSampler == nullptr),
                  std::tuple(all, area, "OstrelSS", std::vector<bool>{false}, 100, false))
            << all.left << " " << constrain;
    }
    // Destroyed by the system, the window closes once: the pointer shown
    // again, the figures let go, and the window not destroyed a second time.
    saver->OnDestroyed();
    saver->Close();
    EXPECT_EQ(std::tuple(win().pointerVisible, Closed(), saver->cpuSampler.get()),
              std::tuple(std::vector<bool>{false, true}, false, nullptr));
    // Each case: the request, the options dialog shown, the owner of a
    // password change asked for (-1: none). Another full-screen instance runs
    // throughout: only the full screen looks for it.
    const std::tuple<RunRequest, int, platform::WindowHandle> modes[] = {
        {Request(RunMode::Options), 1, -1},
        {Request(RunMode::ChangePassword, 1234), 0, 1234},
        {Request(RunMode::ChangePassword, 0), 0, 0},
        {Request(RunMode::FullScreen), 0, -1},
        {Request(RunMode::None, 1234), 0, -1}};
    for (const auto& [request, options, password] : modes) {
        SetUp();
        win().windowsByTitle["OstrelSS"] = 0x2222;
        saver->Load(request);
        using Owners = std::vector<platform::WindowHandle>;
        EXPECT_EQ(std::tuple(Closed(), win().programEnded, win().covered.has_value(),
                             win().messages.size(), win().saverCaption, saver->cpuSampler.get(),
                             win().tickIntervalMs, dlg().windowShown, shell().passwordChanges,
                             win().pointerVisible),
                  std::tuple(true, false, false, 0u, "", nullptr, std::nullopt, options,
                             password < 0 ? Owners{} : Owners{password},
                             std::vector<bool>{true}))  // the pointer shown again on closing
            << static_cast<int>(request.mode);
    }
}

TEST_F(StartUp, EveryModeFirstSeedsItsDrawsAndTakesTheNameTheColoursAndWhatItCanOfTheFont) {
    // 2160 points is the largest size a font takes. A face or a size the
    // system refuses leaves the design-time one, and the rest is still taken.
    // Both start at the same time of day, so both draw the same numbers.
    std::vector<float> firstDraws;
    for (const auto& [face, size, shownFace, shownSize] :
         {std::tuple("Tahoma", 2160, "Tahoma", 2160.0f),
          std::tuple("No Such Face", 2161, "Verdana", 9.75f)}) {
        SetUp();
        Store("FontName", std::string(face));
        Store("FontSize", size);
        Store("FontSettings", 11);  // bold, italic and underlined
        Store("FontColour", 0x00FF00);
        Store("BgColour", 255);
        saver->Load(Request(RunMode::Options, 0, std::nullopt, "/c:1234"));
        firstDraws.push_back(saver->random.Draw());
        for (const Label* l : {&saver->infoLabel, &saver->networkLabel}) {
            const TextFont& f = l->font;
            EXPECT_EQ(std::tuple(saver->computerName, win().saverBackground, saver->backColour,
                                 win().messages.size(), f.name, f.sizePoints, f.bold, f.italic,
                                 f.strikethrough, f.underline, l->foreColour),
                      std::tuple("TESTBOX", 255u, 255u, 0u, shownFace, shownSize, true, true, false,
                                 true, 0x00FF00u))
                << face;
        }
    }
    // A salt sets apart copies started in the same instant.
    SetUp();
    sys().computerName.reset();
    RunRequest salted = Request(RunMode::None);
    salted.seedSalt = 4242;
    saver->Load(salted);
    EXPECT_EQ(std::tuple(firstDraws[0], saver->computerName, saver->random.Draw() != firstDraws[0]),
              std::tuple(firstDraws[1], "", true));
}

TEST_F(StartUp, FailuresWhileLoadingAreShownAndNeverTick) {
    // Critical in every mode, ending the program; a preview's set-up failure
    // is told plainly and closes the preview, even with a host.
    using platform::MessageIcon;
    const auto expectFailure = [&](RunRequest request, const std::string& error,
                                   MessageIcon icon = MessageIcon::Critical) {
        saver->Load(request);
        const auto& m = win().messages.at(0);
        const bool critical = icon == MessageIcon::Critical;
        EXPECT_EQ(std::tuple(win().messages.size(), m.text, m.caption, m.icon, Closed(),
                             win().programEnded, dlg().windowShown, shell().passwordChanges.size(),
                             win().tickIntervalMs.has_value(), win().covered || win().embedded),
                  std::tuple(1u,
                             (critical ? "Critical Error encountered while loading screen saver: \r"
                                       : "Failed to setup preview mode:\r\n") +
                                 error,
                             "Ostrel Screen Saver", icon, true, critical, 0, 0u, false, false));
        SetUp();
    };
    shell().passwordFailure =
        Failure{453, "Can't find DLL entry point PwdChangePasswordA in mpr", ""};
    expectFailure(Request(RunMode::ChangePassword),
                  "Can't find DLL entry point PwdChangePasswordA in mpr [453]");
    // An owner whose number could not be read fails before the dialog shows.
    expectFailure(Request(RunMode::ChangePassword, 0, Failure{6, "Overflow", ""}), "Overflow [6]");
    Store("DisplayItems", 40000);
    expectFailure(Request(RunMode::FullScreen), "Overflow [6]");
    sys().processorFiguresAvailable = false;
    expectFailure(Request(RunMode::Options), "Can't get the Windows version [-2147213503]");
    // An area too wide or too tall for its numbers fails before the window
    // covers it.
    for (const Rect& all : {Rect{INT32_MIN, 0, 100, 768}, Rect{0, INT32_MIN, 100, 768}}) {
        win().layout = {all, {0, 0, 100, 768}};
        expectFailure(Request(RunMode::FullScreen), "Overflow [6]");
    }
    // A host whose number could not be read; a font a quarter of which no label takes.
    win().clientRects[0] = {0, 0, 152, 112};
    expectFailure(Request(RunMode::Preview, 0, Failure{6, "Overflow", ""}), "[6] Overflow",
                  MessageIcon::None);
    win().clientRects[1234] = {0, 0, 152, 112};
    Store("FontSize", -8);
    expectFailure(Request(RunMode::Preview, 1234), "[380] Invalid property value",
                  MessageIcon::None);
}

TEST_F(StartUp, PreviewEmbedsInItsHostWithAQuarterOfTheFont) {
    // The font size rounds half to even. A host that names no window (the
    // only one is elsewhere) ends the preview after its set-up: nothing else
    // ever would. A front end may give its own share (0: none given) and a
    // readable floor: 10 x 0.36 = 3.6 is below 8; 20 x 0.5 = 10 is above it;
    // a chosen 6 is never raised to the floor.
    const std::tuple<int, double, float, float, bool> cases[] = {{10, 0, 0, 2, true},
                                                                 {14, 0, 0, 4, false},
                                                                 {10, 0.36, 8, 8, true},
                                                                 {20, 0.5, 8, 10, true},
                                                                 {6, 0.36, 8, 6, true}};
    for (const auto& [size, share, floor, points, host] : cases) {
        SetUp();
        Store("FontSize", size);
        win().clientRects[host ? 1234 : 99] = {0, 0, 152, 112};
        RunRequest request = Request(RunMode::Preview, 1234);
        if (share > 0) {
            request.previewTextShare = share;
        }
        request.previewSmallestPoints = floor;
        saver->Load(request);
        // A preview ignores the pointer, keys and clicks.
        saver->ignoredMouseMoves.set(3);
        Move({{1000, 20, 0}});
        saver->OnKeyDown();
        saver->OnMouseDown();
        EXPECT_EQ(std::tuple(saver->infoLabel.font.sizePoints, saver->networkLabel.font.sizePoints,
                             saver->previewMode, saver->previewHost, win().embedded, Closed(),
                             win().tickIntervalMs.has_value(), win().messages.empty(),
                             saver->infoLabel.visible || saver->networkLabel.visible,
                             saver->countedMoves, saver->ignoredMouseMoves.count()),
                  std::tuple(points, points, true, 1234,
                             fake::Embedding{1234, host ? 152 : 0, host ? 112 : 0}, !host, host,
                             true, false, 0, 3))
            << size;
        EXPECT_EQ(Bounds(), std::tuple(0, host ? 2280 : 0, 0, host ? 1344 : 0));
    }
}

TEST_F(WindowGiven, AResizedWindowMovesTheAreaAndCentresTheBlockInIt) {
    // Preview 400x300 grown to 800x600: 15 twips across, 12 down.
    win().clientRects[1234] = {0, 0, 400, 300};
    saver->Load(Request(RunMode::Preview, 1234));
    saver->textBlock.leftTwips = 5000;
    win().clientRects[1234] = {0, 0, 800, 600};
    saver->OnResized();
    const TextBlock& b = saver->textBlock;
    EXPECT_EQ(Bounds(), std::tuple(0, 12000, 0, 7200));
    // The block, 3015x1455 twips, centred whole: (12000 - 3015) / 2 and
    // (7200 - 1455) / 2, each rounded down.
    EXPECT_EQ(std::tuple(b.widthTwips, b.heightTwips, b.leftTwips, b.topTwips),
              std::tuple(3015, 1455, 4492.0f, 2872.0f));
    // Full screen: the monitors shrink to the primary alone.
    SetUp();
    // The animation that has begun begins again in the new area.
    saver->Load(Request(RunMode::FullScreen));
    saver->OnTick();
    win().layout = {{0, 0, 1024, 768}, {0, 0, 1024, 768}};
    saver->OnResized();
    EXPECT_EQ(std::tuple(Bounds(), saver->firstTickDone),
              std::tuple(std::tuple(0, 15360, 0, 9216), false));
}

TEST_F(Dismissal, TenthCountedMoveEndsAndOnlyReportedMovesOfTheBlockAreSwallowed) {
    // The movements, those announced beforehand; whether the saver ended, the
    // count and the time of the first counted movement after them.
    const std::tuple<std::vector<Burst>, std::int16_t, bool, int, int> cases[] = {
        {{{1000, 9, 0.5}}, 0, false, 9, 1000},               // nine quick
        {{{1000, 9, 0.5}, {1005, 1, 0}}, 0, true, 0, 1000},  // ten quick
        {{{1000, 9, 1}, {1030, 1, 0}}, 0, true, 0, 1000},    // nine and a late tenth
        {{{1000, 13, 0}}, 4, false, 9, 1000},                // four announced: swallowed
        // A late ninth is counted, then the time runs out: counting starts again.
        {{{1000, 8, 1}, {1011, 1, 0}}, 0, false, 0, 0},
        {{{1000, 8, 1}, {1011, 1, 0}, {1012, 9, 0.1}, {1013, 1, 0}}, 0, true, 0, 1012},
        // Opened five seconds before midnight: 25 seconds later it starts again.
        {{{86395, 5, 0.5}, {20, 1, 0}}, 0, false, 0, 0},
        {{{86398, 5, 0.1}, {3, 1, 0}}, 0, false, 6, 86398},  // still open across midnight
        // 0.3 rounds to 0, "no window of time": the next movement opens one.
        {{{0.3, 1, 0}, {5, 1, 0}}, 0, false, 2, 5},
        {{{99.6, 1, 0}, {99.7, 1, 0}}, 0, false, 2, 100},   // a first time rounded up: no expiry
        {{{1000, 1, 0}, {1010, 1, 0}}, 0, false, 2, 1000},  // ten seconds exactly: still open
        {{{1000, 1, 0}, {1010.01, 1, 0}}, 0, false, 0, 0},  // just past them: closed
    };
    for (const auto& [moves, announced, closed, count, first] : cases) {
        SetUp();
        saver->ignoredMouseMoves.set(announced);
        Move(moves);
        EXPECT_EQ(std::tuple(win().saverDestroyed, saver->countedMoves, saver->firstMoveSecond,
                             saver->ignoredMouseMoves.count()),
                  std::tuple(closed, count, first, 0))
            << std::get<0>(moves[0]) << " " << moves.size();
    }
    // Random sliding centres on its first tick and slides: four announced.
    for (const bool reports : {true, false}) {
        SetUp();
        win().reportsBlockMoves = reports;
        saver->animation = Animation(1, 0);
        saver->OnTick();
        Move({{1000, 1, 0}});
        EXPECT_EQ(std::tuple(saver->ignoredMouseMoves.count(), saver->countedMoves),
                  reports ? std::tuple(3, 0) : std::tuple(0, 1));
    }
}

TEST_F(Tick, NetworkLineEverySecondTickRedrawnOnlyWhenItReadsDifferently) {
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
    SetUp();
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

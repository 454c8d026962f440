#include <gtest/gtest.h>

#include <tuple>

#include "fixture.h"
#include "sources/computer_name.h"
#include "startup/saver_window.h"

namespace ostrel {
namespace {

constexpr auto kSaver = fake::FakePlatform::kSaverWindow;
using PasswordChanges = std::vector<std::pair<std::string, std::int64_t>>;
using ParentChanges = std::vector<std::pair<platform::WindowHandle, platform::WindowHandle>>;

class StartUp : public PlatformTest {
  protected:
    // Also called again by tests that start several times in a row.
    void SetUp() override {
        PlatformTest::SetUp();
        saver = SaverWindow{};
        fake().AddMonitor(platform::kDisplayDeviceAttachedToDesktop, {0, 0, 1024, 768});
        fake().twipsPerPixelY = 12;
    }
    bool Closed() const { return fake::Fake().saverDestroyed; }
    // The one placement of the saver window: window, z-order, x, y, cx, cy, flags.
    auto Placed() {
        EXPECT_EQ(fake().placements.size(), 1u);
        const auto p = fake().placements.empty() ? fake::Placement{} : fake().placements[0];
        return std::tuple(p.window, p.insertAfter, p.x, p.y, p.cx, p.cy, p.flags);
    }
    auto Bounds() const {
        const MovementArea& b = saver.movementArea;
        return std::tuple(b.leftTwips, b.rightTwips, b.topTwips, b.bottomTwips);
    }
    SaverWindow saver;
};

TEST_F(StartUp, FullScreenSpansEveryMonitorAndTheOptionNarrowsOnlyTheArea) {
    // Beside the 1024 x 768 primary at (0, 0): a 1280 x 1024 monitor on its
    // left, or an 800 x 600 one above it. Twips per pixel 15 across, 12 down.
    // The window starts at the top-left of all monitors; the area is in the
    // window's coordinates (left, right, top, bottom). Each case: the line,
    // the other monitor, the option, the window (x, y, cx, cy), the area.
    using Four = std::tuple<int, int, int, int>;
    const std::tuple<const char*, platform::PixelRect, std::uint32_t, Four, Four> cases[] = {
        // all monitors: 2304 x 1024 pixels
        {"/s", {-1280, 0, 0, 1024}, 0, {-1280, 0, 2304, 1024}, {0, 34560, 0, 12288}},
        // the primary: 1280 pixels into the window
        {"/S", {-1280, 0, 0, 1024}, 1, {-1280, 0, 2304, 1024}, {19200, 34560, 0, 9216}},
        // the primary: 600 pixels down a window of 1024 x 1368 pixels
        {"  /Sx  ", {0, -600, 800, 0}, 1, {0, -600, 1024, 1368}, {0, 15360, 7200, 16416}},
        // only right of the primary: the area is what it always was
        {"/s", {1024, 0, 2048, 900}, 1, {0, 0, 2048, 900}, {0, 15360, 0, 9216}},
    };
    for (const auto& [line, other, constrain, window, area] : cases) {
        SetUp();
        fake().AddMonitor(platform::kDisplayDeviceAttachedToDesktop, other);
        fake().SetRegDword(kSettingsKey, "Options", constrain);
        saver.Load(line);
        EXPECT_EQ(std::tuple(Placed(), Bounds(), fake().saverCaption, fake().cursorCalls,
                             fake().tickIntervalMs,
                             Closed() || saver.previewMode || saver.infoLabel.visible ||
                                 saver.networkLabel.visible || saver.cpuSampler == nullptr),
                  std::tuple(std::tuple_cat(std::tuple(kSaver, -1), window, std::tuple(0x40u)),
                             area, "OstrelSS", std::vector<bool>{false}, 100, false))
            << line << " " << other.left;
    }
}

TEST_F(StartUp, OtherSelectorsDoTheirOneJobAndClose) {
    // Each case: the line, the options dialog shown, the handle of a password
    // change asked for (-1: none). Only the untrimmed line gives that handle.
    // Another full-screen instance runs throughout: only /s looks for it.
    const std::tuple<const char*, int, std::int64_t> cases[] = {
        {"", 1, -1},        {"   ", 1, -1},  {"/c", 1, -1}, {"/a 1234", 0, 1234}, {"/a", 0, 0},
        {" /a 1234", 0, 0}, {"\t/s", 0, -1}, {"/s", 0, -1}, {"/C:9", 1, -1},      {"/a 2.5", 0, 2}};
    for (const auto& [line, options, password] : cases) {
        SetUp();
        fake().windowsByTitle["OstrelSS"] = 0x2222;
        saver.Load(line);
        EXPECT_EQ(
            std::tuple(Closed(), fake().programEnded, fake().placements.size(),
                       fake().messages.size(), fake().saverCaption, saver.cpuSampler.get(),
                       fake().tickIntervalMs, fake().optionsWindowShown, fake().passwordChanges,
                       fake().cursorCalls),
            std::tuple(true, false, 0u, 0u, "", nullptr, std::nullopt, options,
                       password < 0 ? PasswordChanges{} : PasswordChanges{{"SCRSAVE", password}},
                       std::vector<bool>{true}))  // the pointer shown again on closing
            << line;
    }
}

TEST_F(StartUp, EveryModeFirstSeedsItsDrawsAndTakesTheNameTheColoursAndWhatItCanOfTheFont) {
    // 2160 points is the largest size a font takes. A face or a size the
    // system refuses leaves the design-time one, and the rest is still taken.
    // Both start at the same time of day, so both draw the same numbers.
    std::vector<float> firstDraws;
    for (const auto& [face, size, shownFace, shownSize] :
         {std::tuple("Tahoma", 2160u, "Tahoma", 2160.0f),
          std::tuple("No Such Face", 2161u, "Verdana", 9.75f)}) {
        SetUp();
        fake().SetRegText(kSettingsKey, "FontName", face);
        fake().SetRegDword(kSettingsKey, "FontSize", size);
        fake().SetRegDword(kSettingsKey, "FontSettings", 11);  // bold, italic and underlined
        fake().SetRegDword(kSettingsKey, "FontColour", 0x00FF00);
        fake().SetRegDword(kSettingsKey, "BgColour", 255);
        saver.Load("/c");
        firstDraws.push_back(RandomDraw());
        for (const Label* l : {&saver.infoLabel, &saver.networkLabel}) {
            const TextFont& f = l->font;
            EXPECT_EQ(std::tuple(saver.computerName, fake().saverBackground, saver.backColour,
                                 fake().messages.size(), f.name, f.sizePoints, f.bold, f.italic,
                                 f.strikethrough, f.underline, l->foreColour),
                      std::tuple("TESTBOX", 255u, 255u, 0u, shownFace, shownSize, true, true, false,
                                 true, 0x00FF00u))
                << face;
        }
    }
    EXPECT_EQ(firstDraws[0], firstDraws[1]);
}

TEST_F(StartUp, FailuresWhileLoadingAreCriticalInEveryModeAndNeverTick) {
    const auto expectCritical = [&](const char* line, const std::string& error) {
        saver.Load(line);
        const auto& m = fake().messages.at(0);
        EXPECT_EQ(
            std::tuple(fake().messages.size(), m.text, m.caption, m.style, Closed(),
                       fake().programEnded, fake().optionsWindowShown,
                       fake().tickIntervalMs.has_value()),
            std::tuple(1u, "Critical Error encountered while loading screen saver: \r" + error,
                       "Ostrel Screen Saver", 16u, true, true, 0, false));
        SetUp();
    };
    fake().passwordFailure =
        Failure{453, "Can't find DLL entry point PwdChangePasswordA in mpr", ""};
    expectCritical("/a", "Can't find DLL entry point PwdChangePasswordA in mpr [453]");
    fake().SetRegDword(kSettingsKey, "DisplayItems", 40000);
    expectCritical("/s", "Overflow [6]");
    fake().versionAvailable = false;
    expectCritical("/c", "Can't get the Windows version [-2147213503]");
}

TEST_F(StartUp, TicksStartOnlyOnceAMessageDuringStartUpIsGone) {
    // The screen extremes fail in the middle of a full-screen start.
    fake().failAtDevice = 0;
    saver.Load("/s");
    EXPECT_EQ(std::tuple(fake().messages.at(0).ticking, fake().tickIntervalMs),
              std::tuple(false, 100));
}

TEST_F(StartUp, CloseHandlerRunsOnceHoweverTheWindowEnds) {
    for (bool fromOutside : {false, true}) {
        SetUp();
        saver.Load("/s");
        fromOutside ? saver.OnDestroyed() : saver.OnKeyDown();
        const std::vector<bool> afterFirst = fake().cursorCalls;  // shown again at once
        fromOutside ? saver.Close() : saver.OnDestroyed();
        EXPECT_EQ(std::tuple(afterFirst, fake().cursorCalls, saver.cpuSampler.get()),
                  std::tuple(std::vector<bool>{false, true}, afterFirst, nullptr))
            << fromOutside;
    }
}

TEST_F(StartUp, PreviewSitsInsideItsHostWithAQuarterOfTheFont) {
    // The font size rounds half to even. A handle that names no window (the
    // only one is elsewhere) ends the preview after its set-up: nothing else
    // ever would.
    for (const auto& [size, points, host] :
         {std::tuple(10u, 2.0f, true), std::tuple(14u, 4.0f, false)}) {
        SetUp();
        fake().SetRegDword(kSettingsKey, "FontSize", size);
        fake().clientRects[host ? 1234 : 99] = {0, 0, 152, 112};
        // A pop-up that clips its children and siblings becomes a plain child.
        fake().windowWords[{kSaver, platform::kGwlStyle}] = static_cast<std::int32_t>(0x86000000u);
        saver.Load("/p 1234");
        EXPECT_EQ(
            std::tuple(saver.infoLabel.font.sizePoints, saver.networkLabel.font.sizePoints,
                       saver.previewMode, saver.previewHost,
                       fake().windowWords[{kSaver, platform::kGwlStyle}],
                       fake().windowWords[{kSaver, platform::kGwlHwndParent}], fake().parentChanges,
                       Closed(), fake().tickIntervalMs.has_value(), fake().messages.empty(),
                       saver.infoLabel.visible || saver.networkLabel.visible),
            std::tuple(points, points, true, 1234, 0x46000000, 1234, ParentChanges{{kSaver, 1234}},
                       !host, host, true, false))
            << size;
        EXPECT_EQ(Placed(), std::tuple(kSaver, -1, 0, 0, host ? 152 : 0, host ? 112 : 0, 0x54u));
        EXPECT_EQ(Bounds(), std::tuple(0, host ? 2280 : 0, 0, host ? 1344 : 0));
    }
}

TEST_F(StartUp, AFailedPreviewSetUpIsReportedAndEndsEvenWithAHost) {
    // An overflowing handle, and a font a quarter of which no label takes.
    const std::tuple<const char*, std::uint32_t, const char*> cases[] = {
        {"/p 99999999999", 10, "Failed to setup preview mode:\r\n[6] Overflow"},
        {"/p 1234", 10000, "Failed to setup preview mode:\r\n[380] Invalid property value"}};
    for (const auto& [line, size, text] : cases) {
        SetUp();
        fake().clientRects[1234] = {0, 0, 152, 112};
        fake().SetRegDword(kSettingsKey, "FontSize", size);
        saver.Load(line);
        const auto& m = fake().messages.at(0);
        EXPECT_EQ(std::tuple(fake().messages.size(), m.text, m.caption, m.style,
                             saver.previewMode && Closed() && !fake().tickIntervalMs &&
                                 fake().placements.empty() && fake().parentChanges.empty()),
                  std::tuple(1u, text, "Ostrel Screen Saver", 0u, true));
    }
}

using ComputerName = PlatformTest;

TEST_F(ComputerName, ComesBackWholeWithoutTheTerminator) {
    fake().computerName = "ABCDEFGHIJKLMNO";
    EXPECT_EQ(QueryComputerName(), "ABCDEFGHIJKLMNO");
    fake().reportedNameSize = 16;  // a length that counts the zero
    EXPECT_EQ(QueryComputerName(), "ABCDEFGHIJKLMNO");
    fake().reportedNameSize = 100000;  // never read past the buffer
    EXPECT_EQ(QueryComputerName().substr(0, 15), "ABCDEFGHIJKLMNO");
    fake().computerName.reset();
    EXPECT_EQ(QueryComputerName(), "");
}

}  // namespace
}  // namespace ostrel

#include <gtest/gtest.h>

#include <tuple>

#include "fixture.h"
#include "sources/computer_name.h"
#include "startup/saver_window.h"

namespace ostrel {
namespace {

const std::string kCritical = "Critical Error encountered while loading screen saver: \r";
constexpr auto kSaver = fake::FakePlatform::kSaverWindow;
using Message = std::tuple<std::string, std::string, std::uint32_t>;
using PasswordChanges = std::vector<std::pair<std::string, std::int64_t>>;

class StartUp : public PlatformTest {
  protected:
    // Also called again by tests that start several times in a row.
    void SetUp() override {
        PlatformTest::SetUp();
        saver = SaverWindow{};
        fake().AddMonitor(platform::kDisplayDeviceAttachedToDesktop, {0, 0, 1024, 768});
    }
    bool Closed() const { return fake::Fake().saverDestroyed; }
    Message OnlyMessage() {
        const auto& m = fake().messages;
        EXPECT_EQ(m.size(), 1u);
        return m.empty() ? Message{} : Message{m[0].text, m[0].caption, m[0].style};
    }
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

TEST_F(StartUp, FullScreenSpansEveryMonitorAndTheOptionNarrowsOnlyTheBounds) {
    for (const char* line : {"/s", "/S", "  /S  ", "/Sx"}) {
        SetUp();
        saver.Load(line);
        EXPECT_EQ(fake().saverCaption, "OstrelSS") << line;
        EXPECT_FALSE(Closed() || saver.previewMode || saver.infoLabel.visible ||
                     saver.networkLabel.visible)
            << line;
        EXPECT_EQ(Placed(), std::tuple(kSaver, -1, 0, 0, 1024, 768, 0x40u)) << line;
        EXPECT_EQ(Bounds(), std::tuple(0, 15360, 0, 11520)) << line;
        EXPECT_EQ(fake().cursorCalls, std::vector<bool>{false});
    }
}

TEST_F(StartUp, TheAreaLiesInTheWindowOverAllMonitorsOrThePrimaryOne) {
    // Beside the 1024 x 768 primary at (0, 0): a 1280 x 1024 monitor on its
    // left, or an 800 x 600 one above it. Twips per pixel 15 across, 12 down.
    // The window starts at the top-left of all monitors; the area is in the
    // window's coordinates (left, right, top, bottom).
    const struct {
        platform::PixelRect other;
        std::uint32_t constrain;
        std::tuple<int, int, int, int> window;  // x, y, cx, cy
        std::tuple<int, int, int, int> area;
    } cases[] = {
        // all monitors: 2304 x 1024 pixels
        {{-1280, 0, 0, 1024}, 0, {-1280, 0, 2304, 1024}, {0, 34560, 0, 12288}},
        // the primary: 1280 pixels into the window
        {{-1280, 0, 0, 1024}, 1, {-1280, 0, 2304, 1024}, {19200, 34560, 0, 9216}},
        // all monitors: 1024 x 1368 pixels
        {{0, -600, 800, 0}, 0, {0, -600, 1024, 1368}, {0, 15360, 0, 16416}},
        // the primary: 600 pixels down the window
        {{0, -600, 800, 0}, 1, {0, -600, 1024, 1368}, {0, 15360, 7200, 16416}},
        // only right of the primary: the area is what it always was
        {{1024, 0, 2048, 900}, 1, {0, 0, 2048, 900}, {0, 15360, 0, 9216}},
    };
    for (const auto& c : cases) {
        SetUp();
        fake().twipsPerPixelY = 12;
        fake().AddMonitor(platform::kDisplayDeviceAttachedToDesktop, c.other);
        fake().SetRegDword(kSettingsKey, "Options", c.constrain);
        saver.Load("/s");
        const auto [x, y, cx, cy] = c.window;
        EXPECT_EQ(Placed(), std::tuple(kSaver, -1, x, y, cx, cy, 0x40u));
        EXPECT_EQ(Bounds(), c.area) << c.other.left << " " << c.constrain;
    }
}

TEST_F(StartUp, OtherSelectorsDoTheirOneJobAfterTheSharedPreparationsAndClose) {
    // password < 0: no password change asked for.
    const struct {
        const char* line;
        int options;
        std::int64_t password;
        bool running = false;  // another full-screen instance
    } cases[] = {{"", 1, -1},        {"   ", 1, -1},       {"/c", 1, -1},    {"/C:1234", 1, -1},
                 {"/c 1234", 1, -1}, {"/a 1234", 0, 1234}, {"/a", 0, 0},     {" /a 1234", 0, 0},
                 {"/A:99", 0, 0},    {"/a1234", 0, 1234},  {"/a 2.5", 0, 2}, {"/a 12 34", 0, 1234},
                 {"-s", 0, -1},      {"/x", 0, -1},        {"s", 0, -1},     {"/", 0, -1},
                 {"\t/s", 0, -1},    {"/s", 0, -1, true}};
    for (const auto& c : cases) {
        SetUp();
        fake().windowsByTitle["OstrelSS"] = c.running ? 0x2222 : 0;
        fake().SetRegDword(kSettingsKey, "BgColour", 255);
        fake().SetRegDword(kSettingsKey, "FontColour", 0x00FF00);
        fake().SetRegDword(kSettingsKey, "FontSettings", 3);
        fake().SetRegText(kSettingsKey, "FontName", "Tahoma");
        saver.Load(c.line);
        EXPECT_TRUE(Closed() && !fake().programEnded && fake().placements.empty() &&
                    fake().messages.empty() && fake().saverCaption.empty() &&
                    saver.cpuSampler == nullptr)
            << c.line;
        EXPECT_EQ(fake().optionsWindowShown, c.options) << c.line;
        EXPECT_EQ(fake().passwordChanges,
                  (c.password < 0 ? PasswordChanges{} : PasswordChanges{{"SCRSAVE", c.password}}))
            << c.line;
        EXPECT_EQ(fake().cursorCalls, std::vector<bool>{true}) << c.line;  // shown again on closing
        EXPECT_EQ(std::tuple(saver.computerName, fake().saverBackground, saver.backColour),
                  std::tuple("TESTBOX", 255u, 255u));
        for (const Label* l : {&saver.infoLabel, &saver.networkLabel}) {
            const TextFont& f = l->font;
            EXPECT_EQ(
                std::tuple(f.name, f.sizePoints, f.bold, f.italic, f.strikethrough, l->foreColour),
                std::tuple("Tahoma", 10.0f, true, true, false, 0x00FF00u));
        }
    }
}

TEST_F(StartUp, FailuresWhileLoadingAreCriticalInEveryMode) {
    const auto expectCritical = [&](const char* line, const std::string& error) {
        saver.Load(line);
        EXPECT_EQ(OnlyMessage(), Message(kCritical + error, "Ostrel Screen Saver", 16u));
        EXPECT_TRUE(Closed() && fake().programEnded && fake().optionsWindowShown == 0) << error;
        SetUp();
    };
    fake().passwordFailure =
        Failure{453, "Can't find DLL entry point PwdChangePasswordA in mpr", ""};
    expectCritical("/a", "Can't find DLL entry point PwdChangePasswordA in mpr [453]");
    fake().SetRegDword(kSettingsKey, "DisplayItems", 40000);
    expectCritical("/c", "Overflow [6]");
    fake().versionAvailable = false;
    expectCritical("/c", "Can't get the Windows version [-2147213503]");
}

TEST_F(StartUp, UnknownFontKeepsTheDesignTimeFaceButTakesTheRest) {
    fake().SetRegText(kSettingsKey, "FontName", "No Such Face");
    fake().SetRegDword(kSettingsKey, "FontSize", 20);
    fake().SetRegDword(kSettingsKey, "FontSettings", 8);
    saver.Load("/s");
    const TextFont& f = saver.infoLabel.font;
    EXPECT_EQ(std::tuple(f.name, f.sizePoints, f.underline), std::tuple("Verdana", 20.0f, true));

    // 2160 points is the largest size a font takes; beyond it the design size stays.
    for (const auto& [stored, points] : {std::pair(2160u, 2160.0f), std::pair(2161u, 9.75f)}) {
        SetUp();
        fake().SetRegDword(kSettingsKey, "FontSize", stored);
        saver.Load("/s");
        EXPECT_TRUE(saver.networkLabel.font.sizePoints == points && fake().messages.empty())
            << stored;
    }
}

TEST_F(StartUp, CloseHandlerRunsOnceHoweverTheWindowEnds) {
    for (bool fromOutside : {false, true}) {
        SetUp();
        saver.Load("/s");
        ASSERT_NE(saver.cpuSampler, nullptr);
        fromOutside ? saver.OnDestroyed() : saver.OnKeyDown();
        fromOutside ? saver.Close() : saver.OnDestroyed();
        EXPECT_EQ(fake().cursorCalls, (std::vector<bool>{false, true})) << fromOutside;
        EXPECT_EQ(saver.cpuSampler, nullptr);
    }
}

TEST_F(StartUp, PreviewSitsInsideItsHostWithAQuarterOfTheFont) {
    // The font size rounds half to even. A handle that names no window ends
    // the preview after its set-up: nothing else ever would.
    const struct {
        std::uint32_t size;
        float points;
        bool host;
    } cases[] = {{10, 2, true}, {12, 3, false}, {14, 4, true}, {18, 4, false}, {6, 2, false}};
    for (const auto& c : cases) {
        SetUp();
        fake().SetRegDword(kSettingsKey, "FontSize", c.size);
        if (c.host) {
            fake().clientRects[1234] = {0, 0, 152, 112};
        }
        // A pop-up that clips its children and siblings becomes a plain child.
        fake().windowWords[{kSaver, platform::kGwlStyle}] = static_cast<std::int32_t>(0x86000000u);
        saver.Load("/p 1234");
        EXPECT_EQ(std::tuple(saver.infoLabel.font.sizePoints, saver.networkLabel.font.sizePoints),
                  std::tuple(c.points, c.points))
            << c.size;
        EXPECT_TRUE(saver.previewMode && fake().messages.empty());
        EXPECT_EQ(std::tuple(saver.previewHost, fake().saverCaption), std::tuple(1234, ""));
        EXPECT_EQ(std::tuple(fake().windowWords[{kSaver, platform::kGwlStyle}],
                             fake().windowWords[{kSaver, platform::kGwlHwndParent}]),
                  std::tuple(0x46000000, 1234));
        EXPECT_EQ(fake().parentChanges,
                  (std::vector<std::pair<platform::WindowHandle, platform::WindowHandle>>{
                      {kSaver, 1234}}));
        EXPECT_EQ(Placed(),
                  std::tuple(kSaver, -1, 0, 0, c.host ? 152 : 0, c.host ? 112 : 0, 0x54u));
        EXPECT_EQ(Bounds(), std::tuple(0, c.host ? 2280 : 0, 0, c.host ? 1680 : 0));
        EXPECT_EQ(std::tuple(Closed(), fake().tickIntervalMs.has_value()),
                  std::tuple(!c.host, c.host));
    }
}

TEST_F(StartUp, AFailedPreviewSetUpIsReportedAndEndsEvenWithAHost) {
    // An overflowing handle, and a font a quarter of which no label takes.
    const std::pair<const char*, std::uint32_t> cases[] = {{"/p 99999999999", 10},
                                                           {"/p 1234", 10000}};
    const char* const texts[] = {"Failed to setup preview mode:\r\n[6] Overflow",
                                 "Failed to setup preview mode:\r\n[380] Invalid property value"};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SetUp();
        fake().clientRects[1234] = {0, 0, 152, 112};
        fake().SetRegDword(kSettingsKey, "FontSize", cases[i].second);
        saver.Load(cases[i].first);
        EXPECT_EQ(OnlyMessage(), Message(texts[i], "Ostrel Screen Saver", 0u));
        EXPECT_TRUE(saver.previewMode && Closed() && !fake().tickIntervalMs);
        EXPECT_TRUE(fake().placements.empty() && fake().parentChanges.empty());
    }
}

TEST_F(StartUp, TicksStartOnlyAfterStartUpAndNeverUnderItsMessages) {
    // The screen extremes fail in the middle of a full-screen start: the box
    // comes up before any tick, and the ticks start once the load is done.
    fake().failAtDevice = 0;
    saver.Load("/s");
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_FALSE(fake().messages[0].ticking);
    EXPECT_EQ(fake().tickIntervalMs, 100);
    // A critical failure, the options dialog and the password change never tick.
    for (const char* line : {"/s", "/c", "/a", "/x"}) {
        SetUp();
        if (line == std::string("/s")) {
            fake().SetRegDword(kSettingsKey, "DisplayItems", 40000);
        }
        saver.Load(line);
        EXPECT_FALSE(fake().tickIntervalMs.has_value()) << line;
        for (const auto& m : fake().messages) {
            EXPECT_FALSE(m.ticking) << line;
        }
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

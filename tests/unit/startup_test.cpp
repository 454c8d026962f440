#include <gtest/gtest.h>

#include <tuple>

#include "fixture.h"
#include "sources/computer_name.h"
#include "startup/saver_window.h"

namespace ostrel {
namespace {

const std::string kKey = "Software\\Ostrel Screen Saver\\Settings";
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
    // A 1280 x 1024 monitor left of the 1024 x 768 primary.
    for (std::uint32_t constrain : {0u, 1u}) {
        SetUp();
        fake().AddMonitor(platform::kDisplayDeviceAttachedToDesktop, {-1280, 0, 0, 1024});
        fake().SetRegDword(kKey, "Options", constrain);
        saver.Load("/s");
        EXPECT_EQ(Placed(), std::tuple(kSaver, -1, -1280, 0, 2304, 1024, 0x40u));
        EXPECT_EQ(Bounds(),
                  constrain ? std::tuple(0, 15360, 0, 11520) : std::tuple(-19200, 15360, 0, 15360));
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
        fake().SetRegDword(kKey, "BgColour", 255);
        fake().SetRegDword(kKey, "FontColour", 0x00FF00);
        fake().SetRegDword(kKey, "FontSettings", 3);
        fake().SetRegText(kKey, "FontName", "Tahoma");
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
    fake().SetRegDword(kKey, "DisplayItems", 40000);
    expectCritical("/c", "Overflow [6]");
    fake().versionAvailable = false;
    expectCritical("/c", "Can't get the Windows version [-2147213503]");
}

TEST_F(StartUp, UnknownFontKeepsTheDesignTimeFaceButTakesTheRest) {
    fake().SetRegText(kKey, "FontName", "No Such Face");
    fake().SetRegDword(kKey, "FontSize", 20);
    fake().SetRegDword(kKey, "FontSettings", 8);
    saver.Load("/s");
    const TextFont& f = saver.infoLabel.font;
    EXPECT_EQ(std::tuple(f.name, f.sizePoints, f.underline), std::tuple("Verdana", 20.0f, true));

    SetUp();
    fake().SetRegDword(kKey, "FontSize", 5000);  // no font is that large
    saver.Load("/s");
    EXPECT_TRUE(saver.networkLabel.font.sizePoints == 9.75f && fake().messages.empty());
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

TEST_F(StartUp, PreviewSitsInsideItsHostWithAQuarterOfTheFontAndIgnoresInput) {
    // The font size rounds half to even; a missing host leaves the window empty.
    const struct {
        std::uint32_t size;
        float points;
        bool host;
    } cases[] = {{10, 2, true}, {12, 3, false}, {14, 4, true}, {18, 4, false}, {6, 2, false}};
    for (const auto& c : cases) {
        SetUp();
        fake().SetRegDword(kKey, "FontSize", c.size);
        if (c.host) {
            fake().clientRects[1234] = {0, 0, 152, 112};
        }
        fake().windowWords[{kSaver, platform::kGwlStyle}] = 0x06000000;
        saver.Load("/p 1234");
        EXPECT_EQ(std::tuple(saver.infoLabel.font.sizePoints, saver.networkLabel.font.sizePoints),
                  std::tuple(c.points, c.points))
            << c.size;
        EXPECT_TRUE(saver.previewMode && fake().messages.empty() && fake().cursorCalls.empty());
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
        saver.OnKeyDown();
        saver.OnMouseDown();
        EXPECT_FALSE(Closed());
    }
}

TEST_F(StartUp, PreviewHandleOverflowIsReportedAndStopsTheSetUp) {
    saver.Load("/p 99999999999");
    EXPECT_EQ(OnlyMessage(),
              Message("Failed to setup preview mode:\r\n[6] Overflow", "Ostrel Screen Saver", 0u));
    EXPECT_TRUE(saver.previewMode && !Closed());
    EXPECT_TRUE(fake().placements.empty() && fake().parentChanges.empty());
}

using computerName = PlatformTest;

TEST_F(computerName, ComesBackWholeWithoutTheTerminator) {
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

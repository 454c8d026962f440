#include <gtest/gtest.h>

#include "fixture.h"
#include "options/frm_options.h"
#include "sources/cpu_load.h"
#include "sources/pc_user_name.h"
#include "startup/frm_main.h"

namespace ostrel {
namespace {

const std::string kKey = "Software\\Ostrel Screen Saver\\Settings";
constexpr auto kSaver = fake::FakePlatform::kSaverWindow;

class StartUp : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        fake().AddMonitor(platform::kDisplayDeviceAttachedToDesktop, {0, 0, 1024, 768});
    }
    void Load(const std::string& line) { form.Form_Load(line); }
    bool Closed() const { return fake::Fake().saverDestroyed; }
    FrmMain form;
};

TEST_F(StartUp, FullScreenSelectorsShowTheTitledWindow) {
    for (const char* line : {"/s", "/S", "  /S  ", "/Sx"}) {
        SetUp();
        form = FrmMain{};
        Load(line);
        EXPECT_EQ(fake().saverCaption, "OstrelSS") << line;
        EXPECT_FALSE(Closed()) << line;
        EXPECT_FALSE(form.PreviewMode);
        ASSERT_EQ(fake().placements.size(), 1u);
        const auto& p = fake().placements[0];
        EXPECT_EQ(p.window, kSaver);
        EXPECT_EQ(p.insertAfter, -1);
        EXPECT_EQ(p.x, 0);
        EXPECT_EQ(p.cx, 1024);
        EXPECT_EQ(p.cy, 768);
        EXPECT_EQ(p.flags, 0x40u);
        EXPECT_EQ(fake().cursorCalls, std::vector<bool>{false});
        EXPECT_FALSE(form.lblInfo.visible);
        EXPECT_FALSE(form.lblNetwork.visible);
    }
}

TEST_F(StartUp, SecondFullScreenInstanceEndsSilently) {
    fake().windowsByTitle["OstrelSS"] = 0x2222;
    Load("/s");
    EXPECT_TRUE(Closed());
    EXPECT_TRUE(fake().placements.empty());
    EXPECT_EQ(fake().saverCaption, "");
    EXPECT_TRUE(fake().messages.empty());
    EXPECT_EQ(fake().cursorCalls, std::vector<bool>{true});  // unload shows the pointer
    EXPECT_EQ(G().cpuLoad, nullptr);
}

TEST_F(StartUp, OptionsDialogForEmptyAndC) {
    for (const char* line : {"", "/c", "/C:1234", "/c 1234"}) {
        SetUp();
        form = FrmMain{};
        Load(line);
        EXPECT_EQ(fake().optionsWindowShown, 1) << line;
        EXPECT_EQ(OptionsForm().Caption, "Ostrel Screen Saver Setup");
        EXPECT_TRUE(Closed());
        EXPECT_FALSE(fake().programEnded);
    }
}

TEST_F(StartUp, PasswordChangeTakesTheHandleAfterTheSwitch) {
    const struct {
        const char* line;
        std::int64_t handle;
    } cases[] = {{"/a 1234", 1234}, {"/a", 0}, {" /a 1234", 0}, {"/A:99", 0}};
    for (const auto& c : cases) {
        SetUp();
        form = FrmMain{};
        Load(c.line);
        ASSERT_EQ(fake().passwordChanges.size(), 1u) << c.line;
        EXPECT_EQ(fake().passwordChanges[0].first, "SCRSAVE");
        EXPECT_EQ(fake().passwordChanges[0].second, c.handle) << c.line;
        EXPECT_TRUE(Closed());
    }
}

TEST_F(StartUp, MissingPasswordEntryPointIsCritical) {
    fake().passwordFailure =
        Failure{453, "Can't find DLL entry point PwdChangePasswordA in mpr", ""};
    Load("/a");
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(fake().messages[0].text,
              "Critical Error encountered while loading screen saver: \rCan't find DLL entry "
              "point PwdChangePasswordA in mpr [453]");
    EXPECT_EQ(fake().messages[0].style, 16u);
    EXPECT_TRUE(Closed());
    EXPECT_TRUE(fake().programEnded);
}

TEST_F(StartUp, OtherSelectorsEndWithoutAWord) {
    for (const char* line : {"-s", "/x", "s", "/"}) {
        SetUp();
        form = FrmMain{};
        Load(line);
        EXPECT_TRUE(Closed()) << line;
        EXPECT_TRUE(fake().messages.empty());
        EXPECT_TRUE(fake().placements.empty());
        EXPECT_EQ(fake().optionsWindowShown, 0);
        EXPECT_TRUE(fake().passwordChanges.empty());
    }
}

TEST_F(StartUp, SharedPreparationsRunBeforeTheCommandLine) {
    fake().SetRegDword(kKey, "BgColour", 255);
    fake().SetRegDword(kKey, "FontColour", 0x00FF00);
    fake().SetRegDword(kKey, "FontSize", 12);
    fake().SetRegDword(kKey, "FontSettings", 3);
    fake().SetRegText(kKey, "FontName", "Tahoma");
    Load("/x");
    EXPECT_EQ(form.ComputerName, "TESTBOX");
    EXPECT_EQ(G().settings.FontName, "Tahoma");
    EXPECT_EQ(fake().saverBackground, 255u);
    EXPECT_EQ(form.pbStuff.backColour, 255u);
    EXPECT_EQ(G().ScreenExtremes.Right, 1024);
    EXPECT_EQ(G().PrimaryScreen.Bottom, 768);
    for (const Label* l : {&form.lblInfo, &form.lblNetwork}) {
        EXPECT_EQ(l->font.name, "Tahoma");
        EXPECT_FLOAT_EQ(l->font.sizePoints, 12.0f);
        EXPECT_TRUE(l->font.bold);
        EXPECT_TRUE(l->font.italic);
        EXPECT_FALSE(l->font.strikethru);
        EXPECT_EQ(l->foreColour, 0x00FF00u);
    }
}

TEST_F(StartUp, UnknownFontKeepsTheDesignTimeFaceButTakesTheRest) {
    fake().SetRegText(kKey, "FontName", "No Such Face");
    fake().SetRegDword(kKey, "FontSize", 20);
    fake().SetRegDword(kKey, "FontSettings", 8);
    Load("/s");
    EXPECT_TRUE(fake().messages.empty());
    EXPECT_EQ(form.lblInfo.font.name, "Verdana");
    EXPECT_FLOAT_EQ(form.lblInfo.font.sizePoints, 20.0f);
    EXPECT_TRUE(form.lblInfo.font.underline);
    EXPECT_EQ(fake().saverCaption, "OstrelSS");

    SetUp();
    form = FrmMain{};
    fake().SetRegDword(kKey, "FontSize", 5000);  // no font is that large
    Load("/s");
    EXPECT_FLOAT_EQ(form.lblNetwork.font.sizePoints, 9.75f);
    EXPECT_TRUE(fake().messages.empty());
}

TEST_F(StartUp, OverflowingSettingIsCriticalEvenForTheOptionsDialog) {
    fake().SetRegDword(kKey, "DisplayItems", 40000);
    Load("/c");
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(fake().messages[0].text,
              "Critical Error encountered while loading screen saver: \rOverflow [6]");
    EXPECT_EQ(fake().messages[0].caption, "Ostrel Screen Saver");
    EXPECT_EQ(fake().messages[0].style, 16u);
    EXPECT_EQ(fake().optionsWindowShown, 0);
    EXPECT_TRUE(Closed());
    EXPECT_TRUE(fake().programEnded);
    EXPECT_EQ(fake().cursorCalls, std::vector<bool>{true});
}

TEST_F(StartUp, SamplerCreationFailureIsCriticalInEveryMode) {
    fake().versionAvailable = false;
    Load("/c");
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(fake().messages[0].text,
              "Critical Error encountered while loading screen saver: \rCan't get the Windows "
              "version [-2147213503]");
    EXPECT_EQ(fake().optionsWindowShown, 0);
    EXPECT_TRUE(fake().programEnded);
}

TEST_F(StartUp, SamplerStartsUnsampledAndGoesAtUnload) {
    CPULoad sampler;
    EXPECT_EQ(sampler.CPUCount(), -1);
    EXPECT_EQ(sampler.BufferSize(), 4096);
    Load("/s");
    ASSERT_NE(G().cpuLoad, nullptr);
    form.Form_KeyDown();
    EXPECT_TRUE(Closed());
    EXPECT_EQ(G().cpuLoad, nullptr);
    EXPECT_EQ(fake().cursorCalls, (std::vector<bool>{false, true}));
}

TEST_F(StartUp, RegularModeSpansAllMonitorsAndBoundsFollowTheOption) {
    fake().AddMonitor(platform::kDisplayDeviceAttachedToDesktop, {-1280, 0, 0, 1024});
    Load("/s");
    const auto& p = fake().placements.at(0);
    EXPECT_EQ(p.x, -1280);
    EXPECT_EQ(p.y, 0);
    EXPECT_EQ(p.cx, 2304);
    EXPECT_EQ(p.cy, 1024);
    const MoveBounds& b = G().bounds;
    EXPECT_EQ(b.BoundLeft, -19200);
    EXPECT_EQ(b.BoundRight, 15360);
    EXPECT_EQ(b.BoundTop, 0);
    EXPECT_EQ(b.BoundBottom, 15360);

    SetUp();
    form = FrmMain{};
    fake().AddMonitor(platform::kDisplayDeviceAttachedToDesktop, {-1280, 0, 0, 1024});
    fake().SetRegDword(kKey, "Options", 1);
    Load("/s");
    EXPECT_EQ(fake().placements.at(0).cx, 2304);
    EXPECT_EQ(G().bounds.BoundLeft, 0);
    EXPECT_EQ(G().bounds.BoundRight, 15360);
    EXPECT_EQ(G().bounds.BoundBottom, 11520);
}

TEST_F(StartUp, PreviewSitsInsideItsHost) {
    fake().clientRects[1234] = {0, 0, 152, 112};
    fake().windowWords[{kSaver, platform::kGwlStyle}] = 0x06000000;
    Load("/p 1234");
    EXPECT_TRUE(form.PreviewMode);
    EXPECT_EQ(form.PreviewParent, 1234);
    EXPECT_EQ(fake().saverCaption, "");
    EXPECT_TRUE(fake().cursorCalls.empty());
    EXPECT_EQ(form.WindowStyle, 0x46000000);
    EXPECT_EQ((fake().windowWords[{kSaver, platform::kGwlStyle}]), 0x46000000);
    EXPECT_EQ((fake().windowWords[{kSaver, platform::kGwlHwndParent}]), 1234);
    ASSERT_EQ(fake().parentChanges.size(), 1u);
    EXPECT_EQ(fake().parentChanges[0].second, 1234);
    const auto& p = fake().placements.at(0);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.cx, 152);
    EXPECT_EQ(p.cy, 112);
    EXPECT_EQ(p.flags, 0x54u);
    EXPECT_EQ(G().bounds.BoundRight, 2280);
    EXPECT_EQ(G().bounds.BoundBottom, 1680);
    EXPECT_FLOAT_EQ(form.lblInfo.font.sizePoints, 2.0f);  // 10 / 4 = 2.5 rounds to even

    // Input never ends a preview.
    form.Form_KeyDown();
    form.Form_MouseDown();
    EXPECT_FALSE(Closed());
}

TEST_F(StartUp, PreviewFontSizesRoundHalfToEven) {
    const struct {
        std::uint32_t size;
        float points;
    } cases[] = {{10, 2}, {12, 3}, {14, 4}, {18, 4}, {6, 2}};
    for (const auto& c : cases) {
        SetUp();
        form = FrmMain{};
        fake().SetRegDword(kKey, "FontSize", c.size);
        Load("/p 5");
        EXPECT_FLOAT_EQ(form.lblInfo.font.sizePoints, c.points) << c.size;
        EXPECT_FLOAT_EQ(form.lblNetwork.font.sizePoints, c.points) << c.size;
    }
}

TEST_F(StartUp, PreviewOfAMissingHostIsEmptyAndSilent) {
    Load("/p 1234");
    EXPECT_TRUE(fake().messages.empty());
    EXPECT_EQ(fake().placements.at(0).cx, 0);
    EXPECT_EQ(G().bounds.BoundRight, 0);
    EXPECT_EQ(G().bounds.BoundBottom, 0);
}

TEST_F(StartUp, PreviewHandleOverflowIsReportedAndStopsTheSetUp) {
    Load("/p 99999999999");
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(fake().messages[0].text, "Failed to setup preview mode:\r\n[6] Overflow");
    EXPECT_EQ(fake().messages[0].style, 0u);
    EXPECT_TRUE(form.PreviewMode);
    EXPECT_TRUE(fake().placements.empty());
    EXPECT_TRUE(fake().parentChanges.empty());
    EXPECT_FALSE(Closed());
}

TEST_F(StartUp, DestroyedFromOutsideStillUnloadsOnce) {
    Load("/p 5");
    form.OnDestroyed();
    form.Close();
    EXPECT_EQ(fake().cursorCalls, std::vector<bool>{true});
    EXPECT_EQ(G().cpuLoad, nullptr);
}

class ComputerName : public PlatformTest {};

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

#include <gtest/gtest.h>

#include "fixture.h"
#include "movement/multi_monitor.h"

namespace ostrel {
namespace {

constexpr std::uint32_t kAttached = platform::kDisplayDeviceAttachedToDesktop;
constexpr std::uint32_t kMirror = platform::kDisplayDeviceMirroringDriver;

class ScreenExtremesTest : public PlatformTest {
  protected:
    void Run() { GetScreenExtremes(extremes, primary); }
    void ExpectExtremes(std::int32_t l, std::int32_t r, std::int32_t t, std::int32_t b) {
        EXPECT_EQ(extremes.Left, l);
        EXPECT_EQ(extremes.Right, r);
        EXPECT_EQ(extremes.Top, t);
        EXPECT_EQ(extremes.Bottom, b);
    }
    ScreenEdges extremes;
    ScreenEdges primary;
};

TEST_F(ScreenExtremesTest, OneMonitor) {
    fake().AddMonitor(kAttached, {0, 0, 1024, 768});
    Run();
    ExpectExtremes(0, 1024, 0, 768);
    EXPECT_EQ(primary.Left, 0);
    EXPECT_EQ(primary.Right, 1024);
    EXPECT_EQ(primary.Top, 0);
    EXPECT_EQ(primary.Bottom, 768);
}

TEST_F(ScreenExtremesTest, LargerMonitorLeftOfThePrimary) {
    fake().AddMonitor(kAttached, {0, 0, 1024, 768});
    fake().AddMonitor(kAttached, {-1280, 0, 0, 1024});
    Run();
    ExpectExtremes(-1280, 1024, 0, 1024);
    EXPECT_EQ(primary.Right, 1024);
    EXPECT_EQ(primary.Bottom, 768);
}

TEST_F(ScreenExtremesTest, MirroringAndDetachedDevicesAddNothing) {
    fake().AddMonitor(kAttached, {0, 0, 1024, 768});
    fake().AddMonitor(kAttached | kMirror, {-1280, -200, 0, 1024});
    fake().AddMonitor(0, {1024, 0, 2048, 900});  // not attached: re-merges the primary
    Run();
    ExpectExtremes(0, 1024, 0, 768);
}

TEST_F(ScreenExtremesTest, NoMonitorFallsBackToTheDesktop) {
    fake().desktop = {0, 0, 800, 600};
    fake().devices.push_back({{"\\\\.\\DISPLAY1", kAttached}, platform::DisplaySettings{5, 5}, {}});
    Run();
    ExpectExtremes(0, 800, 0, 600);
}

TEST_F(ScreenExtremesTest, UnreadableSettingsUseRegistryThenThePreviousPosition) {
    fake().AddMonitor(kAttached, {0, 0, 1024, 768});
    fake().AddMonitor(kAttached, {0, -600, 800, 0});
    fake().devices[1].current.reset();
    fake().devices[1].registry = platform::DisplaySettings{0, -600};
    Run();
    ExpectExtremes(0, 1024, -600, 768);

    fake::ResetFake();
    extremes = {};
    fake().AddMonitor(kAttached, {0, 0, 1024, 768});
    fake().AddMonitor(kAttached, {0, -600, 800, 0});
    fake().devices[1].current.reset();  // neither: keeps device 0's position
    Run();
    ExpectExtremes(0, 1024, 0, 768);
}

TEST_F(ScreenExtremesTest, FailureIsReportedAndKeepsWhatWasAccumulated) {
    fake().AddMonitor(kAttached, {0, 0, 1024, 768});
    fake().AddMonitor(kAttached, {-1280, 0, 0, 1024});
    fake().failAtDevice = 1;
    Run();
    ExpectExtremes(0, 1024, 0, 768);
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(fake().messages[0].text,
              "Failed to get screen extremes:\r\n[5] Invalid procedure call or argument");
    EXPECT_EQ(fake().messages[0].caption, "Ostrel Screen Saver");
    EXPECT_EQ(fake().messages[0].style, 0u);

    fake::ResetFake();
    extremes = {};
    fake().failAtDevice = 0;  // before any monitor: no desktop fallback either
    Run();
    ExpectExtremes(0, 0, 0, 0);
}

}  // namespace
}  // namespace ostrel

#include <gtest/gtest.h>

#include <tuple>

#include "fixture.h"
#include "movement/screen_extremes.h"

namespace ostrel {
namespace {

constexpr std::uint32_t kAttached = platform::kDisplayDeviceAttachedToDesktop;
using Edges = std::tuple<int, int, int, int>;  // left, right, top, bottom
using ScreenExtremesTest = PlatformTest;

// The edges of all monitors found, or of the primary one.
Edges Extremes(bool primary = false) {
    const ScreenExtremes found = FindScreenExtremes();
    const platform::PixelRect& r = primary ? found.primary : found.allMonitors;
    return {r.left, r.right, r.top, r.bottom};
}

TEST_F(ScreenExtremesTest, AttachedMonitorsAddUpAroundThePrimary) {
    fake().AddMonitor(kAttached, {0, 0, 1024, 768});
    fake().AddMonitor(kAttached | platform::kDisplayDeviceMirroringDriver,
                      {-1280, -200, 0, 1024});   // adds nothing
    fake().AddMonitor(0, {1024, 0, 2048, 900});  // not attached: merges the primary again
    EXPECT_EQ(Extremes(), Edges(0, 1024, 0, 768));
    fake().AddMonitor(kAttached, {-1280, 0, 0, 1024});
    EXPECT_EQ(std::tuple(Extremes(), Extremes(true)),
              std::tuple(Edges(-1280, 1024, 0, 1024), Edges(0, 1024, 0, 768)));
}

TEST_F(ScreenExtremesTest, NoMonitorFallsBackToTheDesktop) {
    fake().desktop = {0, 0, 800, 600};
    fake().devices.push_back({{"\\\\.\\DISPLAY1", kAttached}, platform::DisplaySettings{5, 5}, {}});
    EXPECT_EQ(Extremes(), Edges(0, 800, 0, 600));
}

TEST_F(ScreenExtremesTest, UnreadableSettingsUseRegistryThenThePreviousPosition) {
    fake().AddMonitor(kAttached, {0, 0, 1024, 768});
    fake().AddMonitor(kAttached, {0, -600, 800, 0});
    fake().devices[1].current.reset();
    fake().devices[1].registry = platform::DisplaySettings{0, -600};
    EXPECT_EQ(Extremes(), Edges(0, 1024, -600, 768));
    fake().devices[1].registry.reset();  // neither: keeps device 0's position
    EXPECT_EQ(Extremes(), Edges(0, 1024, 0, 768));

    // The position kept is the device before's, wherever it was: here the
    // monitor above finds itself again, not the monitor at the origin.
    SetUp();
    fake().monitors.push_back({0, 0, {0, 0, 1024, 768}});
    fake().AddMonitor(kAttached, {-800, -600, 0, 0});
    fake().AddMonitor(kAttached, {0, 0, 1024, 768});
    fake().devices[1].current.reset();
    EXPECT_EQ(Extremes(), Edges(-800, 0, -600, 0));
}

TEST_F(ScreenExtremesTest, FailureIsReportedAndKeepsWhatWasAccumulated) {
    fake().AddMonitor(kAttached, {0, 0, 1024, 768});
    fake().AddMonitor(kAttached, {-1280, 0, 0, 1024});
    fake().failAtDevice = 1;
    EXPECT_EQ(Extremes(), Edges(0, 1024, 0, 768));
    const auto& m = fake().messages.at(0);
    EXPECT_EQ(std::tuple(m.text, m.caption, m.style, fake().messages.size()),
              std::tuple("Failed to get screen extremes:\r\n[5] Invalid procedure call or argument",
                         "Ostrel Screen Saver", 0u, 1u));
    fake().failAtDevice = 0;  // before any monitor: no desktop fallback either
    EXPECT_EQ(Extremes(), Edges(0, 0, 0, 0));
}

}  // namespace
}  // namespace ostrel

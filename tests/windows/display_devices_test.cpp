#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>
#include <vector>

#include "common/failure.h"
#include "windows/portable/display_devices.h"

namespace ostrel::win32 {
namespace {

using platform::PixelRect;
using Edges = std::tuple<int, int, int, int>;  // left, right, top, bottom
constexpr std::uint32_t kAttached = kDisplayDeviceAttachedToDesktop;

// A system of display devices, each named by its index and with its
// monitor, found at the monitor's top-left corner unless a test moves it.
struct FakeDisplays {
    struct Device {
        DisplayDevice device;
        PixelRect monitor;
        std::optional<DisplayPosition> current, stored = {};
    };
    PixelRect desktop{0, 0, 1024, 768};
    std::vector<Device> devices;
    int failAtDevice = -1;
    std::vector<std::pair<std::string, std::string>> messages;

    void AddMonitor(std::uint32_t flags, const PixelRect& r) {
        devices.push_back(
            {{std::to_string(devices.size()), flags}, r, DisplayPosition{r.left, r.top}});
    }

    // The span of every monitor and the primary monitor.
    std::pair<Edges, Edges> Walk() {
        DisplaySystem s;
        s.desktopRect = [this] { return desktop; };
        s.device = [this](std::uint32_t index, DisplayDevice& d) {
            if (static_cast<int>(index) == failAtDevice) {
                throw Failure{5, "Invalid procedure call or argument", ""};
            }
            return index < devices.size() && (d = devices[index].device, true);
        };
        s.settings = [this](const std::string& name, DisplaySettingsKind kind, DisplayPosition& p) {
            const Device& d = devices.at(std::stoul(name));
            const auto& wanted = kind == DisplaySettingsKind::Current ? d.current : d.stored;
            return wanted && (p = *wanted, true);
        };
        s.monitorAt = [this](std::int32_t x, std::int32_t y) -> MonitorId {
            const auto at = std::find_if(devices.begin(), devices.end(), [&](const Device& d) {
                return d.monitor.left == x && d.monitor.top == y;
            });
            return at == devices.end() ? 0 : at - devices.begin() + 1;
        };
        s.monitorRect = [this](MonitorId id, PixelRect& r) {
            return (r = devices.at(id - 1).monitor, true);
        };
        s.showMessage = [this](const std::string& text, const std::string& caption) {
            messages.emplace_back(text, caption);
        };
        const platform::MonitorLayout found = WalkDisplayDevices(s);
        const PixelRect &a = found.allMonitors, &p = found.primary;
        return {{a.left, a.right, a.top, a.bottom}, {p.left, p.right, p.top, p.bottom}};
    }
};

TEST(DisplayDevices, AttachedMonitorsAddUpOnEverySideOfThePrimary) {
    FakeDisplays fake;
    fake.AddMonitor(kAttached, {0, 0, 1024, 768});
    fake.AddMonitor(kAttached | kDisplayDeviceMirroringDriver, {-1280, -200, 0, 1024});  // none
    fake.AddMonitor(0, {1024, 0, 2048, 900});  // not attached: merges the primary again
    EXPECT_EQ(fake.Walk().first, Edges(0, 1024, 0, 768));
    fake.AddMonitor(kAttached, {-1280, 0, 0, 1024});     // left
    fake.AddMonitor(kAttached, {1024, -900, 2624, 0});   // above right
    fake.AddMonitor(kAttached, {200, 768, 1000, 1368});  // below
    EXPECT_EQ(std::tuple(fake.Walk(), fake.messages.size()),
              std::tuple(std::pair(Edges(-1280, 2624, -900, 1368), Edges(0, 1024, 0, 768)), 0u));
}

TEST(DisplayDevices, NoMonitorFallsBackToTheDesktop) {
    FakeDisplays fake;
    fake.desktop = {0, 0, 800, 600};
    fake.devices.push_back({{"0", kAttached}, {}, DisplayPosition{5, 5}});
    EXPECT_EQ(fake.Walk(), std::pair(Edges(0, 800, 0, 600), Edges(0, 800, 0, 600)));
}

TEST(DisplayDevices, UnreadableSettingsUseTheStoredOnesThenThePreviousPosition) {
    FakeDisplays fake;
    fake.AddMonitor(kAttached, {0, 0, 1024, 768});
    fake.AddMonitor(kAttached, {0, -600, 800, 0});
    fake.devices[1].current.reset();
    fake.devices[1].stored = DisplayPosition{0, -600};
    EXPECT_EQ(fake.Walk().first, Edges(0, 1024, -600, 768));
    fake.devices[1].stored.reset();  // neither: keeps device 0's position
    EXPECT_EQ(fake.Walk().first, Edges(0, 1024, 0, 768));

    // The position kept is the device before's, wherever it was: here the
    // monitor above-left finds itself again, not the monitor at the origin.
    FakeDisplays other;
    other.AddMonitor(kAttached, {-800, -600, 0, 0});
    other.AddMonitor(kAttached, {0, 0, 1024, 768});
    other.devices[1].current.reset();
    EXPECT_EQ(other.Walk().first, Edges(-800, 0, -600, 0));
}

TEST(DisplayDevices, FailureIsShownAndKeepsWhatWasFound) {
    FakeDisplays fake;
    fake.AddMonitor(kAttached, {0, 0, 1024, 768});
    fake.AddMonitor(kAttached, {-1280, 0, 0, 1024});
    fake.failAtDevice = 1;
    EXPECT_EQ(fake.Walk(), std::pair(Edges(0, 1024, 0, 768), Edges(0, 1024, 0, 768)));
    EXPECT_EQ(fake.messages,
              (std::vector{std::pair<std::string, std::string>(
                  "Failed to get screen extremes:\r\n[5] Invalid procedure call or argument",
                  "Ostrel Screen Saver")}));
    fake.failAtDevice = 0;  // before any monitor: no desktop fallback either
    EXPECT_EQ(fake.Walk().first, Edges(0, 0, 0, 0));
}

}  // namespace
}  // namespace ostrel::win32

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "platform/linux_data/monitor_layout.h"

namespace ostrel {
namespace {

using Rect = platform::PixelRect;
using Edges = std::vector<std::array<std::int32_t, 4>>;  // left, top, right, bottom

// The monitors' edges, then the primary's index and the window's corner.
std::pair<Edges, std::array<std::int32_t, 3>> Fields(const MonitorLayout& l) {
    Edges edges;
    for (const Rect& r : l.monitors) {
        edges.push_back({r.left, r.top, r.right, r.bottom});
    }
    return {edges, {static_cast<std::int32_t>(l.primary), l.windowLeft, l.windowTop}};
}

TEST(LinuxMonitorLayout, MonitorsAreTheWindowsPartsAroundThePrimarysCorner) {
    // Monitors on every side of a 1920x1080 primary at (1280,200) in the root.
    const std::vector<Rect> four{{1280, 200, 3200, 1280},
                                 {0, 0, 1280, 1024},
                                 {3200, 300, 4000, 900},
                                 {1280, 1280, 2304, 2048}};
    const Edges all{
        {0, 0, 1920, 1080}, {-1280, -200, 0, 824}, {1920, 100, 2720, 700}, {0, 1080, 1024, 1848}};
    const struct {
        std::vector<Rect> monitors;
        std::size_t primary;
        Rect window;
        Edges edges;
        std::array<std::int32_t, 3> primaryAndCorner;
    } cases[] = {
        // The root window: every monitor, the left one at negative x.
        {four, 0, {0, 0, 4000, 2048}, all, {0, -1280, -200}},
        // A window on the second monitor only, as XScreenSaver gives each monitor its own.
        {four, 0, {0, 0, 1280, 1024}, {{0, 0, 1280, 1024}}, {0, 0, 0}},
        // A window across the primary's lower half and the monitor below.
        {four, 0, {1280, 740, 2304, 1600}, {{0, 0, 1024, 540}, {0, 540, 1024, 860}}, {0, 0, 0}},
        // No primary named: the first monitor the window covers serves.
        {four, 9, {0, 0, 4000, 2048}, all, {0, -1280, -200}},
        {four,
         1,
         {0, 0, 4000, 2048},
         {{1280, 200, 3200, 1280},
          {0, 0, 1280, 1024},
          {3200, 300, 4000, 900},
          {1280, 1280, 2304, 2048}},
         {1, 0, 0}},
        // A window off every monitor, or no monitors at all: the window is one.
        {four, 0, {5000, 5000, 5300, 5200}, {{0, 0, 300, 200}}, {0, 0, 0}},
        {{}, 0, {10, 20, 810, 620}, {{0, 0, 800, 600}}, {0, 0, 0}},
        {{}, 0, {10, 20, 5, 10}, {{0, 0, 0, 0}}, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Fields(ArrangeMonitors(c.monitors, c.primary, c.window)),
                  std::pair(c.edges, c.primaryAndCorner))
            << c.window.left << "," << c.window.top;
    }
}

TEST(LinuxMonitorLayout, ResolutionFromTheResourceElseTheScreensSize) {
    struct Case {
        const char* resource;
        std::int32_t pixels;
        std::int32_t millimetres;
        std::int32_t dpi;
    };
    const Case cases[] = {
        {"", 1024, 271, 96},      // 1024 / (271 / 25.4) = 95.98
        {"", 3840, 344, 284},     // 283.53
        {"120", 1024, 271, 120},  // the resource wins
        {" 144.5 ", 1024, 271, 144},
        {"abc", 1920, 508, 96},  // 96.0
        {"5", 1920, 0, 96},      // neither tells
        {"", 1920, 1, 96},       // 48768: not a screen
        {"99999999999999999999999", 1024, 271, 96},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScreenDotsPerInch(c.resource, c.pixels, c.millimetres), c.dpi) << c.resource;
    }
}

}  // namespace
}  // namespace ostrel

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "x11/portable/monitor_layout.h"

namespace ostrel {
namespace {

using Rect = platform::PixelRect;
using Rects = std::vector<Rect>;

// Monitors on every side of a 1920x1080 primary, arranged around its corner.
const Rects kAll{
    {0, 0, 1920, 1080}, {-1280, -200, 0, 824}, {1920, 100, 2720, 700}, {0, 1080, 1024, 1848}};

TEST(LinuxMonitorLayout, MonitorsAreTheWindowsPartsAndTheSpanReachesEveryOne) {
    // Monitors on every side of a 1920x1080 primary at (1280,200) in the root.
    const std::vector<Rect> four{{1280, 200, 3200, 1280},
                                 {0, 0, 1280, 1024},
                                 {3200, 300, 4000, 900},
                                 {1280, 1280, 2304, 2048}};
    const Rect root{0, 0, 4000, 2048};
    // The monitors, the primary's index, the window; then the parts' edges,
    // the primary's index and the window's corner.
    using Corner = std::pair<std::int32_t, std::int32_t>;
    const std::tuple<Rects, std::size_t, Rect, Rects, std::size_t, Corner> cases[] = {
        // The root window: every monitor, the left one at negative x.
        {four, 0, root, kAll, 0, {-1280, -200}},
        // No primary named: the first monitor the window covers serves.
        {four, 9, root, kAll, 0, {-1280, -200}},
        // A window on the second monitor only, as XScreenSaver gives each monitor its own.
        {four, 0, {0, 0, 1280, 1024}, {{0, 0, 1280, 1024}}, 0, {0, 0}},
        // A window across the primary's lower half and the monitor below.
        {four, 0, {1280, 740, 2304, 1600}, {{0, 0, 1024, 540}, {0, 540, 1024, 860}}, 0, {0, 0}},
        // A window off every monitor, or no monitors at all: the window is one.
        {four, 0, {5000, 5000, 5300, 5200}, {{0, 0, 300, 200}}, 0, {0, 0}},
        {{}, 0, {10, 20, 5, 10}, {{0, 0, 0, 0}}, 0, {0, 0}}};
    for (const auto& [monitors, primary, window, edges, primaryPart, corner] : cases) {
        const CoveredMonitors l = ArrangeMonitors(monitors, primary, window);
        EXPECT_EQ(std::tuple(l.monitors, l.primary, l.windowLeft, l.windowTop),
                  std::tuple(edges, primaryPart, corner.first, corner.second))
            << window.left << "," << window.top;
    }
    // Only a window on another monitor than the primary leaves the primary out.
    EXPECT_EQ(std::pair(ArrangeMonitors(four, 0, {0, 0, 1280, 1024}).primaryCovered,
                        ArrangeMonitors(four, 1, {0, 0, 1280, 1024}).primaryCovered),
              std::pair(false, true));
    using Layout = platform::MonitorLayout;
    const std::tuple<Rects, std::size_t, Layout> spans[] = {
        // Leftmost -1280, top -200, right 1920 + 800, bottom 1080 + 768.
        {kAll, 0, {{-1280, -200, 2720, 1848}, {0, 0, 1920, 1080}}},
        // The one below as the primary: its own size, 1024x768.
        {kAll, 3, {{-1280, -200, 2720, 1848}, {0, 0, 1024, 768}}},
        // A monitor away from the origin: the span still reaches it.
        {{{0, 0, 800, 600}, {1000, 700, 1200, 900}}, 0, {{0, 0, 1200, 900}, {0, 0, 800, 600}}},
        // A window of no width: nothing across, the primary's size stands.
        {{{0, 0, 0, 600}}, 0, {{0, 0, 0, 600}, {0, 0, 0, 600}}}};
    for (const auto& [monitors, primary, span] : spans) {
        EXPECT_EQ(SpanMonitors({monitors, primary}), span) << monitors.size() << "," << primary;
    }
}

TEST(LinuxMonitorLayout, ResolutionFromTheResourceElseTheScreensSize) {
    // Either is believed from 24 to 960 dots per inch. 3840 pixels over 344 mm
    // are 283.53; 254 mm are ten inches.
    const std::tuple<const char*, std::int32_t, std::int32_t, std::int32_t> cases[] = {
        {"", 3840, 344, 284},      {"960", 3840, 344, 960},
        {" 24.5 ", 3840, 344, 24}, {"961", 3840, 344, 284},
        {"23", 1920, 0, 96},       {"", 240, 254, 24},
        {"", 230, 254, 96},        {"", 9600, 254, 960},
        {"", 9610, 254, 96},       {"99999999999999999999999", 3840, 344, 284}};
    for (const auto& [resource, pixels, millimetres, dpi] : cases) {
        EXPECT_EQ(ScreenDotsPerInch(resource, pixels, millimetres), dpi) << resource;
    }
}

}  // namespace
}  // namespace ostrel

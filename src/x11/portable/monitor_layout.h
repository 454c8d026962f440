#pragma once
// The monitors as the program sees them on X: only the parts of them that
// the window it draws in covers, in coordinates whose origin is the primary
// monitor's top-left corner (so a monitor left of the primary has negative
// coordinates), and the screen's resolution. The figures come from the X
// server: nothing here trusts them to be sensible.

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/windowing.h"

namespace ostrel {

struct CoveredMonitors {
    std::vector<platform::PixelRect> monitors;  // never empty
    std::size_t primary = 0;                    // index into `monitors`
    // Whether the server's primary monitor is among them; when it is not
    // (a window on another monitor only), `primary` is the first covered.
    bool primaryCovered = true;
    // Where the window's own top-left corner lies in the monitors' coordinates.
    std::int32_t windowLeft = 0;
    std::int32_t windowTop = 0;
};

// `monitors` and `window` in root-window pixels; `primary` is the index of
// the primary monitor, or any other value when the server names none (the
// first monitor the window covers then serves). A window that covers no
// monitor is one monitor of its own.
CoveredMonitors ArrangeMonitors(const std::vector<platform::PixelRect>& monitors,
                                std::size_t primary, const platform::PixelRect& window);

// The monitors as the program spans them: the rectangle around every one
// (and the origin), and the primary's size at the origin. Each monitor
// counts as the first listed that holds its top-left corner, so a clone of
// a larger monitor at the same place adds nothing.
platform::MonitorLayout SpanMonitors(const CoveredMonitors& covered);

// Dots per inch: the Xft.dpi resource where it is set to a sensible number,
// else the screen's size in pixels over its size in millimetres, rounded;
// 96 where neither tells.
std::int32_t ScreenDotsPerInch(std::string_view xftDpi, std::int32_t pixels,
                               std::int32_t millimetres);

}  // namespace ostrel

// Fuzzes the monitor layout with monitors and windows of any size: the
// primary always sits at the origin, every monitor lies in the window, and
// the span around them holds the origin.

#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz_bytes.h"
#include "property.h"
#include "x11/portable/monitor_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzBytes in(data, size);
    // X carries coordinates as 16-bit numbers and sizes as 16-bit unsigned ones.
    const auto rect = [&in] {
        const auto x = static_cast<std::int16_t>(in.Take(2));
        const auto y = static_cast<std::int16_t>(in.Take(2));
        const auto w = static_cast<std::int32_t>(in.Take(2));
        const auto h = static_cast<std::int32_t>(in.Take(2));
        return ostrel::platform::PixelRect{x, y, x + w, y + h};
    };
    const ostrel::platform::PixelRect window = rect();
    const std::size_t primary = static_cast<std::size_t>(in.Take(1));
    std::vector<ostrel::platform::PixelRect> monitors;
    while (!in.empty() && monitors.size() < 16) {
        monitors.push_back(rect());
    }
    const ostrel::CoveredMonitors l = ostrel::ArrangeMonitors(monitors, primary, window);
    PROPERTY(!l.monitors.empty() && l.primary < l.monitors.size());
    PROPERTY(l.monitors[l.primary].left == 0 && l.monitors[l.primary].top == 0);
    for (const ostrel::platform::PixelRect& m : l.monitors) {
        PROPERTY(m.left >= l.windowLeft && m.top >= l.windowTop);
        PROPERTY(m.right <= l.windowLeft + (window.right - window.left) ||
                 window.right < window.left);
        PROPERTY(m.left <= m.right && m.top <= m.bottom);
    }
    // The span reaches the origin from every side it covers, and the primary
    // stands at it.
    const ostrel::platform::MonitorLayout span = ostrel::SpanMonitors(l);
    PROPERTY(span.primary.left == 0 && span.primary.top == 0);
    PROPERTY(span.allMonitors.left <= 0 && span.allMonitors.top <= 0);
    PROPERTY(span.allMonitors.right >= 0 && span.allMonitors.bottom >= 0);
    const std::string_view text(reinterpret_cast<const char*>(data), size < 24 ? size : 24);
    const std::int32_t dpi = ostrel::ScreenDotsPerInch(text, window.right, window.bottom);
    PROPERTY(dpi >= 24 && dpi <= 960);
    return 0;
}

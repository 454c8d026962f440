#include "x11/portable/monitor_layout.h"

#include <algorithm>
#include <cmath>

#include "linux/portable/text_fields.h"

namespace ostrel {

namespace {

constexpr std::int32_t kDefaultDpi = 96;
constexpr std::int32_t kLowestDpi = 24;
constexpr std::int32_t kHighestDpi = 960;
constexpr double kMillimetresPerInch = 25.4;

bool Intersect(const platform::PixelRect& a, const platform::PixelRect& b,
               platform::PixelRect& out) {
    out = platform::PixelRect{std::max(a.left, b.left), std::max(a.top, b.top),
                              std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    return out.left < out.right && out.top < out.bottom;
}

platform::PixelRect Shifted(const platform::PixelRect& r, std::int64_t dx, std::int64_t dy) {
    // Root coordinates are 16-bit on the wire, so the shifted ones fit.
    return platform::PixelRect{
        static_cast<std::int32_t>(r.left - dx), static_cast<std::int32_t>(r.top - dy),
        static_cast<std::int32_t>(r.right - dx), static_cast<std::int32_t>(r.bottom - dy)};
}

}  // namespace

CoveredMonitors ArrangeMonitors(const std::vector<platform::PixelRect>& monitors,
                                std::size_t primary, const platform::PixelRect& window) {
    CoveredMonitors layout;
    std::vector<platform::PixelRect> covered;
    std::size_t primaryCovered = monitors.size();
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        platform::PixelRect part;
        if (Intersect(monitors[i], window, part)) {
            if (i == primary) {
                primaryCovered = covered.size();
            }
            covered.push_back(part);
        }
    }
    const bool offEveryMonitor = covered.empty();
    if (offEveryMonitor) {
        platform::PixelRect whole = window;
        if (whole.right < whole.left) {
            whole.right = whole.left;
        }
        if (whole.bottom < whole.top) {
            whole.bottom = whole.top;
        }
        covered.push_back(whole);
    }
    layout.primary = primaryCovered < covered.size() ? primaryCovered : 0;
    layout.primaryCovered =
        primaryCovered < covered.size() || primary >= monitors.size() || offEveryMonitor;
    const std::int64_t originX = covered[layout.primary].left;
    const std::int64_t originY = covered[layout.primary].top;
    for (const platform::PixelRect& r : covered) {
        layout.monitors.push_back(Shifted(r, originX, originY));
    }
    layout.windowLeft = static_cast<std::int32_t>(window.left - originX);
    layout.windowTop = static_cast<std::int32_t>(window.top - originY);
    return layout;
}

platform::MonitorLayout SpanMonitors(const CoveredMonitors& covered) {
    const std::vector<platform::PixelRect>& monitors = covered.monitors;
    platform::PixelRect primary;
    if (covered.primary < monitors.size()) {
        const platform::PixelRect& p = monitors[covered.primary];
        primary = {0, 0, p.right - p.left, p.bottom - p.top};
    }
    platform::PixelRect all;
    for (const platform::PixelRect& m : monitors) {
        const auto holder = std::find_if(monitors.begin(), monitors.end(), [&m](const auto& r) {
            return m.left >= r.left && m.left < r.right && m.top >= r.top && m.top < r.bottom;
        });
        if (holder != monitors.end()) {
            all = {std::min(all.left, holder->left), std::min(all.top, holder->top),
                   std::max(all.right, holder->right), std::max(all.bottom, holder->bottom)};
        }
    }
    // Nothing across at the origin: the primary is all there is.
    if (all.left == 0 && all.right == 0) {
        all = primary;
    }
    return {all, primary};
}

std::int32_t ScreenDotsPerInch(std::string_view xftDpi, std::int32_t pixels,
                               std::int32_t millimetres) {
    // The resource may carry a fraction ("96.0"); its whole part is enough.
    const std::string_view text = TrimBlanks(xftDpi);
    std::uint64_t resource = 0;
    if (ReadDecimal(text.substr(0, text.find('.')), resource) && resource >= kLowestDpi &&
        resource <= kHighestDpi) {
        return static_cast<std::int32_t>(resource);
    }
    if (pixels > 0 && millimetres > 0) {
        const double dpi = std::round(pixels * kMillimetresPerInch / millimetres);
        if (dpi >= kLowestDpi && dpi <= kHighestDpi) {
            return static_cast<std::int32_t>(dpi);
        }
    }
    return kDefaultDpi;
}

}  // namespace ostrel

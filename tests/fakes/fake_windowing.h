#pragma once
// The saver window, drawing and monitors, recorded for the tests to inspect.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/windowing.h"

namespace ostrel::fake {

struct MessageShown {
    std::string text;
    std::string caption;
    platform::MessageIcon icon = platform::MessageIcon::None;
    bool ownedByOptions = false;  // the options window was open to own it
};

struct Embedding {
    platform::WindowHandle host = 0;
    std::int32_t widthPixels = 0;
    std::int32_t heightPixels = 0;
    bool operator==(const Embedding&) const = default;
};

}  // namespace ostrel::fake

struct ostrel::platform::Windowing {
    std::vector<fake::MessageShown> messages;
    std::function<void()> whileMessageShown;     // runs as if the user acted under the box
    std::function<bool()> optionsWindowOpen;     // whether a box would be the options window's
    std::optional<std::int32_t> tickIntervalMs;  // set once the tick has started
    std::string saverCaption;
    std::uint32_t saverBackground = 0;
    bool saverDestroyed = false, programEnded = false;
    std::optional<PixelRect> covered;
    std::optional<fake::Embedding> embedded;
    std::vector<bool> pointerVisible;
    std::map<std::string, WindowHandle> windowsByTitle;
    std::map<WindowHandle, PixelRect> clientRects;  // the windows that exist
    // Different across and down, so that a swapped axis shows.
    double twipsPerPixelX = 15.0, twipsPerPixelY = 12.0;
    std::set<std::string> fonts{"Verdana", "Tahoma", "Arial"};
    std::vector<std::pair<float, float>> textBlockMoves;
    // Drawing requests in order: "move", "resize WxH", "redraw TextBlock now", ...
    std::vector<std::string> drawLog;
    // Monitors left of, above and right of the primary, so that the primary
    // is nowhere near the corner of the whole.
    MonitorLayout layout{{-1280, -1024, 2304, 768}, {0, 0, 1024, 768}};
    bool reportsBlockMoves = true;
};

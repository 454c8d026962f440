// Windows, input and monitors, recorded for the tests to inspect.

#include <algorithm>

#include "fakes/fake_platform.h"
#include "platform/windowing.h"

namespace ostrel::platform {

using fake::Fake;

int ShowMessage(const std::string& text, const std::string& caption, std::uint32_t style) {
    const bool optionsOpen = Fake().optionsWindowCreated && Fake().optionsWindowClosed == 0;
    Fake().messages.push_back(
        {text, caption, style, Fake().tickIntervalMs.has_value(), optionsOpen});
    if (Fake().whileMessageShown) {
        Fake().whileMessageShown();
    }
    return 1;
}

void StartTicking(std::int32_t intervalMs) {
    Fake().tickIntervalMs = intervalMs;
}

bool WindowExists(WindowHandle window) {
    return window == fake::FakePlatform::kSaverWindow ? !Fake().saverDestroyed
                                                      : Fake().clientRects.count(window) != 0;
}

WindowHandle SaverWindow() {
    return fake::FakePlatform::kSaverWindow;
}
void SetSaverCaption(const std::string& caption) {
    Fake().saverCaption = caption;
}
void SetSaverBackground(std::uint32_t colour) {
    Fake().saverBackground = colour;
}
void DestroySaverWindow() {
    Fake().saverDestroyed = true;
}
void EndProgram() {
    Fake().programEnded = true;
}

WindowHandle FindWindowTitled(const std::string& title) {
    const auto w = Fake().windowsByTitle.find(title);
    return w == Fake().windowsByTitle.end() ? 0 : w->second;
}

bool PlaceWindow(WindowHandle window, WindowHandle insertAfter, std::int32_t x, std::int32_t y,
                 std::int32_t cx, std::int32_t cy, std::uint32_t flags) {
    Fake().placements.push_back({window, insertAfter, x, y, cx, cy, flags});
    return true;
}

int ChangeCursorVisibility(bool show) {
    Fake().cursorCalls.push_back(show);
    return 0;
}

bool ReadClientRect(WindowHandle window, PixelRect& rect) {
    const bool found = Fake().clientRects.count(window) != 0;
    rect = found ? Fake().clientRects[window] : rect;
    return found;
}

std::int32_t ReadWindowWord(WindowHandle window, int index) {
    return static_cast<std::int32_t>(Fake().windowWords[{window, index}]);
}

std::int64_t WriteWindowWord(WindowHandle window, int index, std::int64_t value) {
    const std::int64_t old = Fake().windowWords[{window, index}];
    Fake().windowWords[{window, index}] = value;
    return old;
}

WindowHandle ChangeParent(WindowHandle child, WindowHandle parent) {
    Fake().parentChanges.emplace_back(child, parent);
    return 0;
}

void MoveTextBlock(float leftTwips, float topTwips) {
    Fake().textBlockMoves.emplace_back(leftTwips, topTwips);
    Fake().drawLog.push_back("move");
}

// Seven pixels a character of the longest line, sixteen a line.
TextSize MeasureText(const TextFont&, const std::string& text) {
    std::int32_t lines = 1, longest = 0, current = 0;
    for (char c : text) {
        current = c == '\r' ? (++lines, 0) : current + 1;
        longest = std::max(longest, current);
    }
    return TextSize{7 * longest, 16 * lines};
}

void RedrawPart(SaverPart part, bool now) {
    static const char* const kNames[] = {"InfoLabel", "NetworkLabel", "TextBlock", "Window"};
    Fake().drawLog.push_back(std::string("redraw ") + kNames[static_cast<int>(part)] +
                             (now ? " now" : ""));
}

void ResizeTextBlock(std::int32_t widthTwips, std::int32_t heightTwips) {
    Fake().drawLog.push_back("resize " + std::to_string(widthTwips) + "x" +
                             std::to_string(heightTwips));
}

double TwipsPerPixelX() {
    return Fake().twipsPerPixelX;
}
double TwipsPerPixelY() {
    return Fake().twipsPerPixelY;
}

PixelRect DesktopWindowRect() {
    return Fake().desktop;
}

bool EnumerateDisplayDevice(std::uint32_t index, DisplayDevice& device) {
    if (Fake().failAtDevice && *Fake().failAtDevice == index) {
        throw Failure{5, "Invalid procedure call or argument", ""};
    }
    if (index >= Fake().devices.size()) {
        return false;
    }
    device = Fake().devices[index].device;
    return true;
}

// Device names are unique: the first of the name answers.
bool ReadDisplaySettings(const std::string& deviceName, std::int32_t mode,
                         DisplaySettings& settings) {
    for (const auto& d : Fake().devices) {
        const auto& source = mode == kEnumCurrentSettings ? d.current : d.registry;
        if (d.device.name == deviceName && source) {
            settings = *source;
            return true;
        }
    }
    return false;
}

MonitorHandle MonitorAtPoint(std::int32_t x, std::int32_t y) {
    for (std::size_t i = 0; i < Fake().monitors.size(); ++i) {
        if (Fake().monitors[i].x == x && Fake().monitors[i].y == y) {
            return i + 1;
        }
    }
    return 0;
}

bool ReadMonitorRect(MonitorHandle monitor, PixelRect& rect) {
    const bool found = monitor != 0 && monitor <= Fake().monitors.size();
    rect = found ? Fake().monitors[monitor - 1].rect : rect;
    return found;
}

bool FontExists(const std::string& faceName) {
    return Fake().fonts.count(faceName) != 0;
}

}  // namespace ostrel::platform

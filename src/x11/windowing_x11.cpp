// Monitors, resolution and window queries over Xlib and RandR. The monitors
// are the parts of them that the saver's window covers, placed around the
// primary monitor's corner as the program's desktop coordinates expect.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>

#include <map>
#include <string>
#include <vector>

#include "x11/portable/monitor_layout.h"
#include "linux/portable/text_fields.h"
#include "platform/windowing.h"
#include "x11/x11_app.h"

namespace ostrel::x11 {

namespace {

constexpr char kDeviceNamePrefix[] = "\\\\.\\DISPLAY";

// The monitors RandR 1.5 reports, in root pixels; `primary` is left as it
// was when none is marked.
std::vector<platform::PixelRect> ReadMonitors(Display* d, Window root, std::size_t& primary) {
    std::vector<platform::PixelRect> monitors;
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XRRQueryExtension(d, &event, &error) || !XRRQueryVersion(d, &major, &minor) ||
        major * 100 + minor < 105) {
        return monitors;
    }
    int count = 0;
    XRRMonitorInfo* info = XRRGetMonitors(d, root, True, &count);
    for (int i = 0; info != nullptr && i < count; ++i) {
        if (info[i].primary) {
            primary = monitors.size();
        }
        monitors.push_back(
            {info[i].x, info[i].y, info[i].x + info[i].width, info[i].y + info[i].height});
    }
    if (info != nullptr) {
        XRRFreeMonitors(info);
    }
    return monitors;
}

std::map<std::pair<platform::WindowHandle, int>, std::int64_t> gWindowWords;
int gCursorCount = 0;
Cursor gInvisibleCursor = None;

Window ToWindow(platform::WindowHandle w) {
    return static_cast<Window>(static_cast<std::uint64_t>(w));
}

bool HasTitle(Display* d, Window w, const std::string& title) {
    char* name = nullptr;
    const bool same = XFetchName(d, w, &name) != 0 && name != nullptr && title == name;
    if (name != nullptr) {
        XFree(name);
    }
    return same;
}

// The window itself or, for a window manager's frame, the window inside it.
Window TitledWithin(Display* d, Window w, const std::string& title, int depth) {
    if (HasTitle(d, w, title)) {
        return w;
    }
    if (depth == 0) {
        return 0;
    }
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(d, w, &root, &parent, &children, &count) != 0) {
        for (unsigned i = 0; i < count && found == 0; ++i) {
            found = TitledWithin(d, children[i], title, depth - 1);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

}  // namespace

void MeasureScreen(Surface& s) {
    Display* d = s.display;
    const Window root = RootWindow(d, s.screen);
    std::size_t primary = SIZE_MAX;
    const std::vector<platform::PixelRect> monitors = ReadMonitors(d, root, primary);
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(d, s.window, root, 0, 0, &x, &y, &child);
    s.monitors = ArrangeMonitors(monitors, primary, {x, y, x + s.widthPixels, y + s.heightPixels});
    if (s.ownWindow) {
        // A window of its own is a desktop of its own: the text moves inside it.
        s.monitors = ArrangeMonitors({}, 0, {0, 0, s.widthPixels, s.heightPixels});
    }
    const char* resource = XGetDefault(d, "Xft", "dpi");
    const std::string xftDpi = resource != nullptr ? resource : "";
    s.dpiX = ScreenDotsPerInch(xftDpi, DisplayWidth(d, s.screen), DisplayWidthMM(d, s.screen));
    s.dpiY = ScreenDotsPerInch(xftDpi, DisplayHeight(d, s.screen), DisplayHeightMM(d, s.screen));
}

}  // namespace ostrel::x11

namespace ostrel::platform {

namespace {

constexpr double kTwipsPerInch = 1440;

const std::vector<PixelRect>& Monitors() {
    return x11::TheSurface().monitors.monitors;
}

}  // namespace

double TwipsPerPixelX() {
    return kTwipsPerInch / x11::TheSurface().dpiX;
}
double TwipsPerPixelY() {
    return kTwipsPerInch / x11::TheSurface().dpiY;
}

PixelRect DesktopWindowRect() {
    const x11::Surface& s = x11::TheSurface();
    const PixelRect& primary = s.monitors.monitors.at(s.monitors.primary);
    return PixelRect{0, 0, primary.right - primary.left, primary.bottom - primary.top};
}

bool EnumerateDisplayDevice(std::uint32_t index, DisplayDevice& device) {
    if (index >= Monitors().size()) {
        return false;
    }
    device.name = x11::kDeviceNamePrefix + std::to_string(index + 1);
    device.stateFlags = kDisplayDeviceAttachedToDesktop;
    return true;
}

bool ReadDisplaySettings(const std::string& deviceName, std::int32_t, DisplaySettings& settings) {
    const std::string prefix = x11::kDeviceNamePrefix;
    if (deviceName.size() <= prefix.size() || deviceName.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    std::uint64_t number = 0;
    if (!ReadDecimal(std::string_view(deviceName).substr(prefix.size()), number) || number < 1 ||
        number > Monitors().size()) {
        return false;
    }
    settings.positionX = Monitors()[number - 1].left;
    settings.positionY = Monitors()[number - 1].top;
    return true;
}

MonitorHandle MonitorAtPoint(std::int32_t x, std::int32_t y) {
    for (std::size_t i = 0; i < Monitors().size(); ++i) {
        const PixelRect& r = Monitors()[i];
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) {
            return i + 1;
        }
    }
    return 0;
}

bool ReadMonitorRect(MonitorHandle monitor, PixelRect& rect) {
    if (monitor < 1 || monitor > Monitors().size()) {
        return false;
    }
    rect = Monitors()[monitor - 1];
    return true;
}

WindowHandle FindWindowTitled(const std::string& title) {
    const x11::Surface& s = x11::TheSurface();
    Display* d = s.display;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(d, RootWindow(d, s.screen), &root, &parent, &children, &count) != 0) {
        for (unsigned i = 0; i < count && found == 0; ++i) {
            if (children[i] != s.window) {
                found = x11::TitledWithin(d, children[i], title, 1);
            }
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found == s.window ? 0 : static_cast<WindowHandle>(found);
}

bool WindowExists(WindowHandle window) {
    XWindowAttributes a;
    return window > 0 &&
           XGetWindowAttributes(x11::TheSurface().display, x11::ToWindow(window), &a) != 0;
}

bool ReadClientRect(WindowHandle window, PixelRect& rect) {
    XWindowAttributes a;
    if (window <= 0 ||
        XGetWindowAttributes(x11::TheSurface().display, x11::ToWindow(window), &a) == 0) {
        return false;
    }
    rect = PixelRect{0, 0, a.width, a.height};
    return true;
}

bool PlaceWindow(WindowHandle window, WindowHandle, std::int32_t, std::int32_t, std::int32_t cx,
                 std::int32_t cy, std::uint32_t flags) {
    // Only a window of its own is placed; where it goes on the screen is the
    // window manager's choice, and its own coordinates are what the saver uses.
    const x11::Surface& s = x11::TheSurface();
    if (!s.ownWindow || x11::ToWindow(window) != s.window) {
        return true;
    }
    if (cx > 0 && cy > 0) {
        XResizeWindow(s.display, s.window, static_cast<unsigned>(cx), static_cast<unsigned>(cy));
    }
    if ((flags & kSwpShowWindow) != 0) {
        XMapRaised(s.display, s.window);
    }
    return true;
}

int ChangeCursorVisibility(bool show) {
    // Only over a window of its own: XScreenSaver hides the pointer over its windows.
    x11::Surface& s = x11::TheSurface();
    x11::gCursorCount += show ? 1 : -1;
    if (!s.ownWindow) {
        return x11::gCursorCount;
    }
    if (x11::gCursorCount < 0) {
        if (x11::gInvisibleCursor == None) {
            const char empty[1] = {0};
            Pixmap blank = XCreateBitmapFromData(s.display, s.window, empty, 1, 1);
            XColor black{};
            x11::gInvisibleCursor =
                XCreatePixmapCursor(s.display, blank, blank, &black, &black, 0, 0);
            XFreePixmap(s.display, blank);
        }
        XDefineCursor(s.display, s.window, x11::gInvisibleCursor);
    } else {
        XUndefineCursor(s.display, s.window);
    }
    return x11::gCursorCount;
}

std::int32_t ReadWindowWord(WindowHandle window, int index) {
    return static_cast<std::int32_t>(x11::gWindowWords[{window, index}]);
}

std::int64_t WriteWindowWord(WindowHandle window, int index, std::int64_t value) {
    // X windows have no such words; they are kept for whoever reads them back.
    std::int64_t& word = x11::gWindowWords[{window, index}];
    const std::int64_t old = word;
    word = value;
    return old;
}

WindowHandle ChangeParent(WindowHandle child, WindowHandle parent) {
    const x11::Surface& s = x11::TheSurface();
    if (s.ownWindow && x11::ToWindow(child) == s.window && child != parent && parent > 0) {
        XReparentWindow(s.display, s.window, x11::ToWindow(parent), 0, 0);
    }
    return 0;
}

}  // namespace ostrel::platform

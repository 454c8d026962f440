// Monitors, resolution, the saver window's place and pointer, messages, and
// other programs' windows over Xlib and RandR. The monitors are the parts
// of them that the saver's window covers, placed around the primary
// monitor's corner as the program's desktop coordinates expect.

#include "x11/running_state.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xinerama.h>
#include <X11/extensions/Xrandr.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/windowing.h"
#include "x11/portable/text_lines.h"
#include "x11/portable/monitor_layout.h"

namespace ostrel::x11 {

namespace {

struct FreeMonitors {
    void operator()(XRRMonitorInfo* monitors) const { XRRFreeMonitors(monitors); }
};

// RandR tells monitors (not only outputs) from version 1.5 on.
constexpr std::pair<int, int> kMonitorsSinceRandr{1, 5};

// The monitors RandR 1.5 reports, in root pixels; `primary` is left as it
// was when none is marked.
std::vector<platform::PixelRect> ReadMonitors(Display* d, Window root, std::size_t& primary) {
    std::vector<platform::PixelRect> monitors;
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XRRQueryExtension(d, &event, &error) || !XRRQueryVersion(d, &major, &minor) ||
        std::pair(major, minor) < kMonitorsSinceRandr) {
        return monitors;
    }
    int count = 0;
    const std::unique_ptr<XRRMonitorInfo, FreeMonitors> info(XRRGetMonitors(d, root, True, &count));
    for (int i = 0; info != nullptr && i < count; ++i) {
        const XRRMonitorInfo& m = info.get()[i];
        if (m.primary) {
            primary = monitors.size();
        }
        monitors.push_back({m.x, m.y, m.x + m.width, m.y + m.height});
    }
    return monitors;
}

// The heads Xinerama reports, in root pixels: what a server that joins
// several screens into one root (Xvfb or Xephyr with +xinerama, older
// drivers) tells where RandR sees one monitor only.
std::vector<platform::PixelRect> ReadXineramaHeads(Display* d) {
    std::vector<platform::PixelRect> heads;
    int event = 0, error = 0;
    if (!XineramaQueryExtension(d, &event, &error) || !XineramaIsActive(d)) {
        return heads;
    }
    int count = 0;
    const XMemory<XineramaScreenInfo> info(XineramaQueryScreens(d, &count));
    for (int i = 0; info != nullptr && i < count; ++i) {
        const XineramaScreenInfo& h = info.get()[i];
        heads.push_back({h.x_org, h.y_org, h.x_org + h.width, h.y_org + h.height});
    }
    return heads;
}

Window ToWindow(platform::WindowHandle w) {
    return static_cast<Window>(static_cast<std::uint64_t>(w));
}

bool HasTitle(Display* d, Window w, const std::string& title) {
    char* fetched = nullptr;
    const bool got = XFetchName(d, w, &fetched) != 0;
    const XMemory<char> name(fetched);
    return got && name != nullptr && title == name.get();
}

// The window itself or, for a window manager's frame, the window inside it.
Window TitledWithin(Display* d, Window w, const std::string& title, int depth) {
    if (HasTitle(d, w, title)) {
        return w;
    }
    if (depth == 0) {
        return 0;
    }
    Window root = 0, parent = 0, *list = nullptr;
    unsigned count = 0;
    const bool listed = XQueryTree(d, w, &root, &parent, &list, &count) != 0;
    const XMemory<Window> children(list);
    Window found = 0;
    for (unsigned i = 0; listed && i < count && found == 0; ++i) {
        found = TitledWithin(d, children.get()[i], title, depth - 1);
    }
    return found;
}

}  // namespace

namespace {

// The window's rectangle in root pixels.
platform::PixelRect WindowOnRoot(RunningState& state) {
    Display* d = state.display();
    const Surface& s = state.surface;
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(d, s.window, RootWindow(d, s.screen), 0, 0, &x, &y, &child);
    return {x, y, x + s.widthPixels, y + s.heightPixels};
}

// The monitors and the primary's index; where the server marks none, the
// first one listed is the primary for every copy alike.
std::vector<platform::PixelRect> ReadMonitors(RunningState& state, std::size_t& primary) {
    Display* d = state.display();
    primary = SIZE_MAX;
    std::vector<platform::PixelRect> monitors =
        ReadMonitors(d, RootWindow(d, state.surface.screen), primary);
    if (monitors.size() < 2) {
        // Xinerama names no primary head: the first, where it starts, is.
        std::vector<platform::PixelRect> heads = ReadXineramaHeads(d);
        if (heads.size() > monitors.size()) {
            monitors = std::move(heads);
            primary = 0;
        }
    }
    if (primary >= monitors.size()) {
        primary = 0;
    }
    return monitors;
}

}  // namespace

platform::PixelRect MonitorAround(RunningState& state) {
    Display* d = state.display();
    const Surface& s = state.surface;
    const platform::PixelRect w = WindowOnRoot(state);
    const std::int32_t x = w.left + s.widthPixels / 2;
    const std::int32_t y = w.top + s.heightPixels / 2;
    std::size_t primary = 0;
    for (const platform::PixelRect& m : ReadMonitors(state, primary)) {
        if (x >= m.left && x < m.right && y >= m.top && y < m.bottom) {
            return m;
        }
    }
    return {0, 0, DisplayWidth(d, s.screen), DisplayHeight(d, s.screen)};
}

void MeasureScreen(RunningState& state) {
    Display* d = state.display();
    Surface& s = state.surface;
    if (s.own()) {
        // A window of its own is a desktop of its own: the text moves inside it.
        s.monitors = ArrangeMonitors({}, 0, {0, 0, s.widthPixels, s.heightPixels});
    } else {
        std::size_t primary = 0;
        const std::vector<platform::PixelRect> monitors = ReadMonitors(state, primary);
        s.monitors = ArrangeMonitors(monitors, primary, WindowOnRoot(state));
    }
    const char* resource = XGetDefault(d, "Xft", "dpi");
    const std::string xftDpi = resource != nullptr ? resource : "";
    s.dpiX = ScreenDotsPerInch(xftDpi, DisplayWidth(d, s.screen), DisplayWidthMM(d, s.screen));
    s.dpiY = ScreenDotsPerInch(xftDpi, DisplayHeight(d, s.screen), DisplayHeightMM(d, s.screen));
}

}  // namespace ostrel::x11

namespace ostrel::platform {

double TwipsPerPixelX(Windowing& windowing) {
    return kTwipsPerInch / windowing.state.surface.dpiX;
}
double TwipsPerPixelY(Windowing& windowing) {
    return kTwipsPerInch / windowing.state.surface.dpiY;
}

MonitorLayout ReadMonitorLayout(Windowing& windowing) {
    return SpanMonitors(windowing.state.surface.monitors);
}

void ShowMessage(Windowing&, const std::string& text, const std::string& caption, MessageIcon) {
    // There is no one to click a box under XScreenSaver: the message goes to
    // standard error, which XScreenSaver shows or logs, on one line.
    const std::string line = JoinLines(TextLines(caption + ": " + text), " ");
    std::fprintf(stderr, "%s\n", line.c_str());
}

void SetSaverCaption(Windowing& windowing, const std::string& caption) {
    const x11::RunningState& state = windowing.state;
    if (!state.surface.own()) {
        return;  // never rename a window it was given
    }
    Display* d = state.display();
    const Window w = state.surface.window;
    XStoreName(d, w, caption.c_str());
    XChangeProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False),
                    XInternAtom(d, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(caption.data()),
                    static_cast<int>(caption.size()));
}

void CoverDesktop(Windowing& windowing, const PixelRect& desktopRect) {
    // A window it was given already covers what it should. A window of its
    // own takes the desktop's size; where it goes on the screen is the window
    // manager's choice, and its own coordinates are what the saver uses.
    const x11::RunningState& state = windowing.state;
    if (!state.surface.own()) {
        return;
    }
    const std::int32_t width = desktopRect.right - desktopRect.left;
    const std::int32_t height = desktopRect.bottom - desktopRect.top;
    if (width > 0 && height > 0) {
        XResizeWindow(state.display(), state.surface.window, static_cast<unsigned>(width),
                      static_cast<unsigned>(height));
    }
    XMapRaised(state.display(), state.surface.window);
}

void EmbedInPreviewHost(Windowing&, WindowHandle, std::int32_t, std::int32_t) {
    // The preview's host is the window the program was given and draws in
    // already; it is never moved, resized or renamed.
}

void SetPointerVisible(Windowing& windowing, bool visible) {
    // Only over a window of its own: XScreenSaver hides the pointer over its windows.
    x11::RunningState& state = windowing.state;
    x11::Surface& s = state.surface;
    if (!s.own()) {
        return;
    }
    Display* d = state.display();
    if (visible) {
        XUndefineCursor(d, s.window);
        return;
    }
    if (!s.invisibleCursor) {
        const char empty[1] = {0};
        const x11::PixmapResource blank(d, XCreateBitmapFromData(d, s.window, empty, 1, 1));
        XColor black{};
        s.invisibleCursor = x11::CursorResource(
            d, XCreatePixmapCursor(d, blank.get(), blank.get(), &black, &black, 0, 0));
    }
    XDefineCursor(d, s.window, s.invisibleCursor.get());
}

WindowHandle FindWindowTitled(Windowing& windowing, const std::string& title) {
    const x11::RunningState& state = windowing.state;
    Display* d = state.display();
    const Window own = state.surface.window;
    Window root = 0, parent = 0, *list = nullptr;
    unsigned count = 0;
    const bool listed =
        XQueryTree(d, RootWindow(d, state.surface.screen), &root, &parent, &list, &count) != 0;
    const x11::XMemory<Window> children(list);
    Window found = 0;
    for (unsigned i = 0; listed && i < count && found == 0; ++i) {
        if (children.get()[i] != own) {
            found = x11::TitledWithin(d, children.get()[i], title, 1);
        }
    }
    return found == own ? 0 : static_cast<WindowHandle>(found);
}

bool WindowExists(Windowing& windowing, WindowHandle window) {
    XWindowAttributes a;
    return window > 0 &&
           XGetWindowAttributes(windowing.state.display(), x11::ToWindow(window), &a) != 0;
}

bool ReadClientRect(Windowing& windowing, WindowHandle window, PixelRect& rect) {
    XWindowAttributes a;
    if (window <= 0 ||
        XGetWindowAttributes(windowing.state.display(), x11::ToWindow(window), &a) == 0) {
        return false;
    }
    rect = PixelRect{0, 0, a.width, a.height};
    return true;
}

}  // namespace ostrel::platform

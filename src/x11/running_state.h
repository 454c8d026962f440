#pragma once
// The X11 program's running state, one object for the whole run: the
// connection and the window it draws in, the text block's picture, the
// loop, the text resources, the services the portable program asks, and the
// saver window itself. It is made in RunProgram and everything it made on
// the X server goes when it goes (the connection last).

// The program's own headers come before Xlib's, whose macros (None among
// them) would otherwise rename words of the program's own; every file of
// the front end includes this header before any of Xlib's.
#include "display/label.h"
#include "linux/file_descriptor.h"
#include "linux/network_counters.h"
#include "linux/settings_store.h"
#include "linux/system_info.h"
#include "platform/dialogs.h"
#include "platform/run_mode.h"
#include "platform/shell.h"
#include "platform/windowing.h"
#include "startup/saver_window.h"
#include "x11/portable/monitor_layout.h"

#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>

#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>

#include "x11/x11_resources.h"

namespace ostrel::x11 {
struct RunningState;
}

namespace ostrel::platform {

// The windowing and the options window's services reach the running state.
struct Windowing {
    x11::RunningState& state;
};
struct Dialogs {
    x11::RunningState& state;
};
// XScreenSaver keeps the password and nothing here opens links: no state.
struct Shell {};

}  // namespace ostrel::platform

namespace ostrel::x11 {

// Twips to whole pixels at a resolution; the one conversion of the front end.
inline int Pixels(double twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

struct PixelBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool Contains(int px, int py) const {
        return px >= x && px < x + width && py >= y && py < y + height;
    }
};

// The window the saver draws in: one of its own (-window), or one it was
// given (the root window, XScreenSaver's), which it never moves, resizes,
// names or destroys.
struct Surface {
    int screen = 0;
    Window window = 0;
    WindowResource ownWindow;  // set only for a window of its own
    Visual* visual = nullptr;
    Colormap colormap = 0;
    int depth = 0;
    std::int32_t widthPixels = 0;
    std::int32_t heightPixels = 0;
    CoveredMonitors monitors;
    std::int32_t dpiX = 96;
    std::int32_t dpiY = 96;
    CursorResource invisibleCursor;  // made the first time the pointer hides

    bool own() const { return static_cast<bool>(ownWindow); }
};

// The text block's picture and where it stands in the window.
struct Painter {
    GraphicsContext gc;
    PixmapResource picture;
    DrawResource draw;  // after the picture it draws in, so that it goes first
    int capacityWidth = 0;
    int capacityHeight = 0;
    PixelBox block;
    unsigned long backPixel = 0;
    bool ready = false;      // the window can be painted
    bool drawAll = false;    // the whole picture is to be drawn again
    int dirtyTop = INT_MAX;  // rows of the picture not yet copied to the window
    int dirtyBottom = INT_MIN;
};

// What a label looked like when it was last drawn in the picture.
struct DrawnLabel {
    bool drawn = false;
    Label look;
};

struct Loop {
    bool ticking = false;
    std::int32_t intervalMs = kTickIntervalMs;
    std::int64_t nextTickMs = 0;
    bool done = false;
    linux_kernel::FileDescriptor signals;  // SIGTERM and SIGINT, read in the loop
    Atom deleteWindow = None;
    bool printText = false;
    std::string printed;
    int endSignal = 0;  // the termination signal that ended the loop
};

struct CachedFont {
    platform::TextFont font;
    FontResource xft;
    // Pixels below the baseline to the underline's top, above it to the
    // strike-through's top, and each line's thickness.
    int underlineOffset = 1;
    int underlineThickness = 1;
    int strikeOffset = 3;
    int strikeThickness = 1;
};

struct MeasuredText {
    platform::TextFont font;
    std::string text;
    platform::TextSize size;
};

// Fonts, colours and answers kept for the run: the labels change font only
// at start-up, and the network line is measured five times a second and
// mostly reads the same.
struct TextResources {
    std::array<CachedFont, 4> fonts;
    std::size_t nextFont = 0;
    std::map<std::uint32_t, AllocatedColour> colours;
    std::array<MeasuredText, 4> measured;
    std::size_t nextMeasured = 0;
    std::map<std::string, bool> fontsFound;
};

struct RunningState {
    RunningState() = default;
    RunningState(const RunningState&) = delete;
    RunningState& operator=(const RunningState&) = delete;

    Display* display() const { return connection.get(); }

    DisplayConnection connection;  // first, so that it closes last
    Surface surface;
    TextResources text;
    Painter painter;
    std::array<DrawnLabel, 2> drawn;  // the information line, the network line
    Loop loop;

    platform::Windowing windowing{*this};
    platform::SettingsStore store;
    platform::SystemInfo system;
    platform::Network network;
    platform::Shell shell;
    platform::Dialogs dialogs{*this};
    SaverWindow saver{platform::Services{windowing, store, system, network, shell, dialogs}};
};

// Finds the monitors the window covers and the screen's resolution.
void MeasureScreen(RunningState& state);

// The monitor, in root pixels, that holds the window's centre; the screen
// where none does.
platform::PixelRect MonitorAround(RunningState& state);

// Runs the saver's start-up with the run request, then its loop until it
// ends; answers the exit status.
int RunSaver(RunningState& state, const platform::RunRequest& request);

// Draws a label's lines with its top-left corner at (x, y) of `draw`.
void DrawLabel(RunningState& state, XftDraw* draw, const Label& label, int x, int y);
// The pixel of a colour (0x00BBGGRR) for plain X drawing.
unsigned long PixelOf(RunningState& state, std::uint32_t colour);

}  // namespace ostrel::x11

#pragma once
// What the X11 files share: the connection and the window the saver draws
// in, with the monitors and resolution found at start-up; the text drawing;
// and the settings file behind the registry functions.

#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>

#include <cstdint>
#include <string>

#include "display/label.h"
#include "linux/settings_store.h"
#include "x11/portable/monitor_layout.h"

namespace ostrel::x11 {

// The window the saver draws in: one of its own (-window), or one it was
// given (the root window, XScreenSaver's), which it never moves, resizes,
// names or destroys.
struct Surface {
    Display* display = nullptr;
    int screen = 0;
    Window window = 0;
    bool ownWindow = false;
    Visual* visual = nullptr;
    Colormap colormap = 0;
    int depth = 0;
    std::int32_t widthPixels = 0;
    std::int32_t heightPixels = 0;
    MonitorLayout monitors;
    std::int32_t dpiX = 96;
    std::int32_t dpiY = 96;
};

Surface& TheSurface();

// Finds the monitors the window covers and the screen's resolution.
void MeasureScreen(Surface& surface);

// The program: options, settings, the window, the saver and its loop.
int RunProgram(int argc, char** argv);
// Runs the saver's load handler with a screen-saver command line ("/S" or
// "/P <window>"), then its loop until it ends; answers the exit status.
int RunSaver(const std::string& commandLine, bool printText);

// Text.
// Draws a label's lines with its top-left corner at (x, y) of `draw`.
void DrawLabel(XftDraw* draw, const Label& label, int x, int y);
// The pixel of a colour (0x00BBGGRR) for plain X drawing.
unsigned long PixelOf(std::uint32_t colour);
void ReleaseTextResources();

}  // namespace ostrel::x11

// The saver window over Xlib, and the program's run: the load handler runs
// with a screen-saver command line, then one loop waits in poll() on the X
// connection and on the termination signals, with the tick's deadline as
// its timeout, and hands events and ticks to the saver's handlers.
//
// The text block is a picture (a Pixmap) copied into the window: a label
// that changes is drawn again in the picture and only its rows are copied;
// a move copies the picture to its new place and paints over only the strip
// it uncovered. Nothing is drawn twice on the screen, so nothing flickers.

#include <X11/Xatom.h>
#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/app.h"
#include "platform/windowing.h"
#include "x11/x11_app.h"
#include "startup/saver_window.h"

namespace ostrel::x11 {

namespace {

Surface gSurface;
SaverWindow gSaver;

struct PixelBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool Contains(int px, int py) const {
        return px >= x && px < x + width && py >= y && py < y + height;
    }
};

// The text block's picture and where it stands in the window.
struct Painter {
    GC gc = nullptr;
    Pixmap picture = 0;
    XftDraw* draw = nullptr;
    int capacityWidth = 0;
    int capacityHeight = 0;
    PixelBox block;
    unsigned long backPixel = 0;
    bool ready = false;      // the window can be painted
    bool drawAll = false;    // the whole picture is to be drawn again
    int dirtyTop = INT_MAX;  // rows of the picture not yet copied to the window
    int dirtyBottom = INT_MIN;
};

struct Run {
    bool ticking = false;
    std::int32_t intervalMs = 100;
    std::int64_t nextTickMs = 0;
    bool done = false;
    int signalFd = -1;
    Atom deleteWindow = None;
    int pendingMoves = 0;  // pointer movements the block's own motion causes
    bool printText = false;
    std::string printed;
};

Painter gPaint;
Run gRun;

std::int64_t NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<std::int64_t>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

int Pixels(double twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

// Where the saver's window coordinates start inside the X window. Full
// screen, they start at the top-left corner of all monitors the window
// covers, which is the window's own corner unless the monitors leave a
// margin there.
int OffsetX() {
    return gSaver.previewMode ? 0 : gSaver.screens.allMonitors.left - gSurface.monitors.windowLeft;
}
int OffsetY() {
    return gSaver.previewMode ? 0 : gSaver.screens.allMonitors.top - gSurface.monitors.windowTop;
}

void Fill(const PixelBox& b) {
    if (b.width > 0 && b.height > 0) {
        XFillRectangle(gSurface.display, gSurface.window, gPaint.gc, b.x, b.y,
                       static_cast<unsigned>(b.width), static_cast<unsigned>(b.height));
    }
}

// Paints the background over the part of `area` outside `keep`: up to four strips.
void FillOutside(const PixelBox& area, const PixelBox& keep) {
    const int left = std::max(area.x, keep.x);
    const int right = std::min(area.x + area.width, keep.x + keep.width);
    const int top = std::max(area.y, keep.y);
    const int bottom = std::min(area.y + area.height, keep.y + keep.height);
    if (left >= right || top >= bottom) {
        Fill(area);
        return;
    }
    Fill({area.x, area.y, area.width, top - area.y});
    Fill({area.x, bottom, area.width, area.y + area.height - bottom});
    Fill({area.x, top, left - area.x, bottom - top});
    Fill({right, top, area.x + area.width - right, bottom - top});
}

void EnsureCapacity(int width, int height) {
    if (width <= gPaint.capacityWidth && height <= gPaint.capacityHeight) {
        return;
    }
    const int w = std::max({width, gPaint.capacityWidth, 1});
    const int h = std::max({height, gPaint.capacityHeight, 1});
    const Pixmap picture =
        XCreatePixmap(gSurface.display, gSurface.window, static_cast<unsigned>(w),
                      static_cast<unsigned>(h), static_cast<unsigned>(gSurface.depth));
    if (gPaint.draw == nullptr) {
        gPaint.draw = XftDrawCreate(gSurface.display, picture, gSurface.visual, gSurface.colormap);
    } else {
        XftDrawChange(gPaint.draw, picture);
    }
    if (gPaint.picture != 0) {
        XFreePixmap(gSurface.display, gPaint.picture);
    }
    gPaint.picture = picture;
    gPaint.capacityWidth = w;
    gPaint.capacityHeight = h;
    gPaint.drawAll = true;
}

void MarkDirty(int top, int bottom) {
    gPaint.dirtyTop = std::min(gPaint.dirtyTop, std::max(top, 0));
    gPaint.dirtyBottom = std::max(gPaint.dirtyBottom, std::min(bottom, gPaint.block.height));
}

void FillPicture(int top, int bottom) {
    XFillRectangle(gSurface.display, gPaint.picture, gPaint.gc, 0, top,
                   static_cast<unsigned>(std::max(gPaint.block.width, 1)),
                   static_cast<unsigned>(std::max(bottom - top, 0)));
}

void DrawLabelInPicture(const Label& label) {
    if (label.visible && !label.caption.empty()) {
        DrawLabel(gPaint.draw, label, Pixels(label.leftTwips, platform::TwipsPerPixelX()),
                  Pixels(label.topTwips, platform::TwipsPerPixelY()));
    }
}

// What a label looked like when it was last drawn in the picture.
struct DrawnLabel {
    const Label* label = nullptr;
    Label look;
};
DrawnLabel gDrawn[2];

bool SameLook(const Label& a, const Label& b) {
    return a.caption == b.caption && a.visible == b.visible && a.leftTwips == b.leftTwips &&
           a.topTwips == b.topTwips && a.heightTwips == b.heightTwips && a.font == b.font &&
           a.foreColour == b.foreColour;
}

// Notes a label as drawn; false when it was already drawn just so.
bool NoteDrawn(const Label& label) {
    DrawnLabel& drawn = gDrawn[&label == &gSaver.infoLabel ? 0 : 1];
    if (drawn.label == &label && SameLook(drawn.look, label)) {
        return false;
    }
    drawn.label = &label;
    drawn.look = label;
    return true;
}

void DrawPicture() {
    EnsureCapacity(gPaint.block.width, gPaint.block.height);
    FillPicture(0, gPaint.block.height);
    DrawLabelInPicture(gSaver.infoLabel);
    DrawLabelInPicture(gSaver.networkLabel);
    NoteDrawn(gSaver.infoLabel);
    NoteDrawn(gSaver.networkLabel);
    gPaint.drawAll = false;
    MarkDirty(0, gPaint.block.height);
}

// Draws one label's rows again, clipped to them, as the other platform
// repaints only the label's rows of the panel. A label that looks as it did
// (the network line while nothing flows) is left as it is.
void DrawLabelRows(const Label& label) {
    if (gPaint.drawAll || gPaint.picture == 0 || !NoteDrawn(label)) {
        return;
    }
    const double ty = platform::TwipsPerPixelY();
    const int top = std::max(0, static_cast<int>(std::floor(label.topTwips / ty)));
    const int bottom =
        std::min(gPaint.block.height,
                 static_cast<int>(std::ceil((label.topTwips + label.heightTwips) / ty)));
    if (top >= bottom) {
        return;
    }
    FillPicture(top, bottom);
    XRectangle clip{0, static_cast<short>(top), static_cast<unsigned short>(gPaint.block.width),
                    static_cast<unsigned short>(bottom - top)};
    XftDrawSetClipRectangles(gPaint.draw, 0, 0, &clip, 1);
    DrawLabelInPicture(label);
    XftDrawSetClip(gPaint.draw, nullptr);
    MarkDirty(top, bottom);
}

void CopyRows(int top, int bottom) {
    if (top < bottom && gPaint.block.width > 0) {
        XCopyArea(gSurface.display, gPaint.picture, gSurface.window, gPaint.gc, 0, top,
                  static_cast<unsigned>(gPaint.block.width), static_cast<unsigned>(bottom - top),
                  gPaint.block.x, gPaint.block.y + top);
    }
}

// Brings the window up to date with the picture.
void FlushDrawing() {
    if (!gPaint.ready) {
        return;
    }
    if (gPaint.drawAll) {
        DrawPicture();
    }
    CopyRows(gPaint.dirtyTop, gPaint.dirtyBottom);
    gPaint.dirtyTop = INT_MAX;
    gPaint.dirtyBottom = INT_MIN;
}

// Paints an area of the window that is new or was uncovered.
void PaintArea(const PixelBox& area) {
    if (!gPaint.ready) {
        return;
    }
    FillOutside(area, gPaint.block);
    if (gPaint.drawAll) {
        DrawPicture();
    }
    const int top = std::max(area.y, gPaint.block.y) - gPaint.block.y;
    const int bottom =
        std::min(area.y + area.height, gPaint.block.y + gPaint.block.height) - gPaint.block.y;
    CopyRows(top, bottom);
}

void PaintWholeWindow() {
    PaintArea({0, 0, gSurface.widthPixels, gSurface.heightPixels});
}

void PrintText() {
    if (!gRun.printText || gSaver.infoLabel.caption == gRun.printed || !gSaver.infoLabel.visible) {
        return;
    }
    gRun.printed = gSaver.infoLabel.caption;
    std::string out = gRun.printed;
    std::replace(out.begin(), out.end(), '\r', '\n');
    std::fputs((out + "\n\n").c_str(), stdout);
    std::fflush(stdout);
}

void OnPointerMoved(int x, int y) {
    // Over the text block the pointer is over the panel, whose movements
    // are not the saver window's.
    if (!gPaint.block.Contains(x, y)) {
        gSaver.OnMouseMove();
    }
}

void HandleEvent(const XEvent& e) {
    const bool own = gSurface.ownWindow && !gSaver.closed;
    switch (e.type) {
        case Expose:
            if (e.xexpose.window == gSurface.window) {
                PaintArea({e.xexpose.x, e.xexpose.y, e.xexpose.width, e.xexpose.height});
            }
            break;
        case MapNotify:
            if (e.xmap.window == gSurface.window && gSurface.ownWindow && !gPaint.ready) {
                gPaint.ready = true;
                PaintWholeWindow();
            }
            break;
        case ConfigureNotify:
            if (e.xconfigure.window == gSurface.window) {
                gSurface.widthPixels = e.xconfigure.width;
                gSurface.heightPixels = e.xconfigure.height;
            }
            break;
        case KeyPress:
            if (own) {
                gSaver.OnKeyDown();
            }
            break;
        case ButtonPress:
            if (own && !gPaint.block.Contains(e.xbutton.x, e.xbutton.y)) {
                gSaver.OnMouseDown();
            }
            break;
        case MotionNotify:
            if (own) {
                OnPointerMoved(e.xmotion.x, e.xmotion.y);
            }
            break;
        case ClientMessage:
            if (own && static_cast<Atom>(e.xclient.data.l[0]) == gRun.deleteWindow) {
                gSaver.Close();
            }
            break;
        case DestroyNotify:
            if (e.xdestroywindow.window == gSurface.window) {
                gPaint.ready = false;
                gSaver.OnDestroyed();
                gRun.done = true;
            }
            break;
        default:
            break;
    }
}

int IgnoreError(Display*, XErrorEvent*) {
    // A window that went away between a request and its answer is told by
    // its DestroyNotify; nothing else the program asks for can fail.
    return 0;
}

int ConnectionLost(Display*) {
    std::fputs("ostrel: the X connection was lost\n", stderr);
    std::_Exit(1);
}

// SIGTERM and SIGINT arrive as readable data on a descriptor that poll()
// watches; nothing runs inside a signal handler.
int WatchTerminationSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    if (sigprocmask(SIG_BLOCK, &signals, nullptr) != 0) {
        return -1;
    }
    return signalfd(-1, &signals, SFD_CLOEXEC | SFD_NONBLOCK);
}

void Tick() {
    gSaver.OnTick();
    // The animations announce the pointer movements that moving the block
    // makes the other platform report; X reports none, so the program
    // reports them itself, and the user's own movements count from the first.
    gRun.pendingMoves = gSaver.ignoredMouseMoves.count();
}

void RunLoop() {
    Display* d = gSurface.display;
    const int xfd = ConnectionNumber(d);
    // The connection is read only when poll() says it has something (or at
    // the start): events a reply brought along are already in the queue.
    bool readable = true;
    while (!gRun.done) {
        while (!gRun.done &&
               (XEventsQueued(d, QueuedAlready) > 0 || (readable && XPending(d) > 0))) {
            XEvent e;
            XNextEvent(d, &e);
            HandleEvent(e);
        }
        readable = false;
        // Movements the block's motion causes come after the tick that
        // moved it, as the other platform's system posts them.
        for (; gRun.pendingMoves > 0 && !gSaver.closed; --gRun.pendingMoves) {
            gSaver.OnMouseMove();
        }
        gRun.pendingMoves = 0;
        if (gRun.done) {
            break;
        }
        FlushDrawing();
        XFlush(d);
        PrintText();
        int timeoutMs = -1;
        if (gRun.ticking) {
            timeoutMs =
                static_cast<int>(std::clamp<std::int64_t>(gRun.nextTickMs - NowMs(), 0, INT_MAX));
        }
        pollfd fds[2] = {{xfd, POLLIN, 0}, {gRun.signalFd, POLLIN, 0}};
        const int n = poll(fds, gRun.signalFd >= 0 ? 2 : 1, timeoutMs);
        if (n > 0 && (fds[1].revents & POLLIN) != 0) {
            signalfd_siginfo info;
            while (read(gRun.signalFd, &info, sizeof info) == sizeof info) {
            }
            gSaver.Close();
            continue;
        }
        if (n > 0 && (fds[0].revents & (POLLHUP | POLLERR)) != 0) {
            ConnectionLost(d);
        }
        readable = n > 0 && (fds[0].revents & POLLIN) != 0;
        if (gRun.ticking && NowMs() >= gRun.nextTickMs) {
            // A late tick does not make the next ones come sooner.
            gRun.nextTickMs += gRun.intervalMs;
            const std::int64_t now = NowMs();
            if (gRun.nextTickMs <= now) {
                gRun.nextTickMs = now + gRun.intervalMs;
            }
            Tick();
        }
    }
}

}  // namespace

Surface& TheSurface() {
    return gSurface;
}

int RunSaver(const std::string& commandLine, bool printText) {
    Display* d = gSurface.display;
    XSetErrorHandler(IgnoreError);
    XSetIOErrorHandler(ConnectionLost);
    gRun.printText = printText;
    gRun.signalFd = WatchTerminationSignals();
    gPaint.gc = XCreateGC(d, gSurface.window, 0, nullptr);
    XSetGraphicsExposures(d, gPaint.gc, False);
    long events = ExposureMask | StructureNotifyMask;
    if (gSurface.ownWindow) {
        events |= KeyPressMask | ButtonPressMask | PointerMotionMask;
        gRun.deleteWindow = XInternAtom(d, "WM_DELETE_WINDOW", False);
        XSetWMProtocols(d, gSurface.window, &gRun.deleteWindow, 1);
    }
    XSelectInput(d, gSurface.window, events);
    const TextBlock& b = gSaver.textBlock;
    gPaint.block = {Pixels(b.leftTwips, platform::TwipsPerPixelX()),
                    Pixels(b.topTwips, platform::TwipsPerPixelY()),
                    Pixels(b.widthTwips, platform::TwipsPerPixelX()),
                    Pixels(b.heightTwips, platform::TwipsPerPixelY())};
    gPaint.drawAll = true;

    gSaver.Load(commandLine);
    if (!gSaver.closed && !gSurface.ownWindow) {
        gPaint.ready = true;
        PaintWholeWindow();
    }
    RunLoop();

    if (gSurface.ownWindow && gPaint.gc != nullptr) {
        XDestroyWindow(d, gSurface.window);
    }
    ReleaseTextResources();
    if (gPaint.draw != nullptr) {
        XftDrawDestroy(gPaint.draw);
    }
    if (gPaint.picture != 0) {
        XFreePixmap(d, gPaint.picture);
    }
    XFreeGC(d, gPaint.gc);
    XCloseDisplay(d);
    if (gRun.signalFd >= 0) {
        close(gRun.signalFd);
    }
    return 0;
}

}  // namespace ostrel::x11

namespace ostrel::platform {

using x11::gPaint;
using x11::gRun;
using x11::gSaver;
using x11::gSurface;

void StartTicking(std::int32_t intervalMs) {
    // The first tick comes at once; the period runs from here.
    gRun.ticking = true;
    gRun.intervalMs = intervalMs > 0 ? intervalMs : 100;
    gRun.nextTickMs = x11::NowMs();
}

void MoveTextBlock(float leftTwips, float topTwips) {
    const x11::PixelBox old = gPaint.block;
    gPaint.block.x = x11::OffsetX() + x11::Pixels(leftTwips, TwipsPerPixelX());
    gPaint.block.y = x11::OffsetY() + x11::Pixels(topTwips, TwipsPerPixelY());
    if (gPaint.block.x == old.x && gPaint.block.y == old.y) {
        return;
    }
    if (gPaint.ready) {
        if (gPaint.drawAll) {
            x11::DrawPicture();
        }
        x11::CopyRows(0, gPaint.block.height);
        gPaint.dirtyTop = INT_MAX;
        gPaint.dirtyBottom = INT_MIN;
        x11::FillOutside(old, gPaint.block);
    }
}

void ResizeTextBlock(std::int32_t widthTwips, std::int32_t heightTwips) {
    const x11::PixelBox old = gPaint.block;
    gPaint.block.width = std::max(0, x11::Pixels(widthTwips, TwipsPerPixelX()));
    gPaint.block.height = std::max(0, x11::Pixels(heightTwips, TwipsPerPixelY()));
    if (gPaint.block.width == old.width && gPaint.block.height == old.height) {
        return;
    }
    x11::EnsureCapacity(gPaint.block.width, gPaint.block.height);
    gPaint.drawAll = true;
    if (gPaint.ready) {
        x11::FillOutside(old, gPaint.block);
    }
}

void RedrawPart(SaverPart part, bool now) {
    switch (part) {
        case SaverPart::InfoLabel:
            x11::DrawLabelRows(gSaver.infoLabel);
            break;
        case SaverPart::NetworkLabel:
            x11::DrawLabelRows(gSaver.networkLabel);
            break;
        case SaverPart::TextBlock:
            gPaint.drawAll = true;
            break;
        case SaverPart::Window:
            // What changed there is what the block uncovered, painted as it moved.
            break;
    }
    if (now) {
        x11::FlushDrawing();
    }
}

int ShowMessage(const std::string& text, const std::string& caption, std::uint32_t) {
    // There is no one to click a box under XScreenSaver: the message goes to
    // standard error, which XScreenSaver shows or logs.
    std::string line = caption + ": " + text;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\r' || line[i] == '\n') {
            const bool pair = line[i] == '\r' && i + 1 < line.size() && line[i + 1] == '\n';
            line.replace(i, pair ? 2 : 1, " ");
        }
    }
    std::fprintf(stderr, "%s\n", line.c_str());
    return 1;
}

WindowHandle SaverWindow() {
    return static_cast<WindowHandle>(gSurface.window);
}

void SetSaverCaption(const std::string& caption) {
    if (!gSurface.ownWindow) {
        return;  // never rename a window it was given
    }
    XStoreName(gSurface.display, gSurface.window, caption.c_str());
    XChangeProperty(
        gSurface.display, gSurface.window, XInternAtom(gSurface.display, "_NET_WM_NAME", False),
        XInternAtom(gSurface.display, "UTF8_STRING", False), 8, PropModeReplace,
        reinterpret_cast<const unsigned char*>(caption.data()), static_cast<int>(caption.size()));
}

void SetSaverBackground(std::uint32_t colour) {
    gPaint.backPixel = x11::PixelOf(colour);
    XSetForeground(gSurface.display, gPaint.gc, gPaint.backPixel);
    gPaint.drawAll = true;
    x11::PaintWholeWindow();
}

void DestroySaverWindow() {
    // A window it was given stays; XScreenSaver owns it.
    gPaint.ready = false;
    gRun.ticking = false;
    gRun.done = true;
}

void EndProgram() {
    // Only a failure at start-up ends the program this way.
    XFlush(gSurface.display);
    std::exit(1);
}

}  // namespace ostrel::platform

// The saver window over Xlib, and the program's run: the saver's start-up
// runs with the run request, then one loop waits in poll() on the X
// connection and on the termination signals, with the tick's deadline as
// its timeout, and hands events and ticks to the saver's handlers.
//
// The text block is a picture (a Pixmap) copied into the window: a label
// that changes is drawn again in the picture and only its rows are copied;
// a move copies the picture to its new place and paints over only the strip
// it uncovered. Nothing is drawn twice on the screen, so nothing flickers.

#include "x11/running_state.h"

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

#include "platform/windowing.h"
#include "x11/portable/text_lines.h"

namespace ostrel::x11 {

namespace {

std::int64_t NowMs() {
    constexpr std::int64_t kMillisecondsPerSecond = 1000;
    constexpr std::int64_t kNanosecondsPerMillisecond = 1000000;
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<std::int64_t>(t.tv_sec) * kMillisecondsPerSecond +
           t.tv_nsec / kNanosecondsPerMillisecond;
}

// Where the saver's window coordinates start inside the X window. Full
// screen, they start at the top-left corner of all monitors the window
// covers, which is the window's own corner unless the monitors leave a
// margin there.
int OffsetX(const RunningState& state) {
    return state.saver.previewMode
               ? 0
               : state.saver.screens.allMonitors.left - state.surface.monitors.windowLeft;
}
int OffsetY(const RunningState& state) {
    return state.saver.previewMode
               ? 0
               : state.saver.screens.allMonitors.top - state.surface.monitors.windowTop;
}

// With the text kept on the primary monitor, a window that does not cover
// it (XScreenSaver's window for another monitor) shows only the background.
bool BlockShown(const RunningState& state) {
    return state.saver.previewMode || state.surface.monitors.primaryCovered ||
           (state.saver.settings.options & kConstrainToPrimary) == 0;
}

void Fill(RunningState& state, const PixelBox& b) {
    if (b.width > 0 && b.height > 0) {
        XFillRectangle(state.display(), state.surface.window, state.painter.gc.get(), b.x, b.y,
                       static_cast<unsigned>(b.width), static_cast<unsigned>(b.height));
    }
}

// Paints the background over the part of `area` outside `keep`: up to four strips.
void FillOutside(RunningState& state, const PixelBox& area, const PixelBox& keep) {
    const int left = std::max(area.x, keep.x);
    const int right = std::min(area.x + area.width, keep.x + keep.width);
    const int top = std::max(area.y, keep.y);
    const int bottom = std::min(area.y + area.height, keep.y + keep.height);
    if (left >= right || top >= bottom) {
        Fill(state, area);
        return;
    }
    Fill(state, {area.x, area.y, area.width, top - area.y});
    Fill(state, {area.x, bottom, area.width, area.y + area.height - bottom});
    Fill(state, {area.x, top, left - area.x, bottom - top});
    Fill(state, {right, top, area.x + area.width - right, bottom - top});
}

void EnsureCapacity(RunningState& state, int width, int height) {
    Painter& p = state.painter;
    if (width <= p.capacityWidth && height <= p.capacityHeight) {
        return;
    }
    const Surface& s = state.surface;
    const int w = std::max({width, p.capacityWidth, 1});
    const int h = std::max({height, p.capacityHeight, 1});
    PixmapResource picture(state.display(),
                           XCreatePixmap(state.display(), s.window, static_cast<unsigned>(w),
                                         static_cast<unsigned>(h), static_cast<unsigned>(s.depth)));
    if (!p.draw) {
        p.draw = DrawResource(state.display(),
                              XftDrawCreate(state.display(), picture.get(), s.visual, s.colormap));
    } else {
        XftDrawChange(p.draw.get(), picture.get());
    }
    p.picture = std::move(picture);
    p.capacityWidth = w;
    p.capacityHeight = h;
    p.drawAll = true;
}

void MarkDirty(Painter& p, int top, int bottom) {
    p.dirtyTop = std::min(p.dirtyTop, std::max(top, 0));
    p.dirtyBottom = std::max(p.dirtyBottom, std::min(bottom, p.block.height));
}

void FillPicture(RunningState& state, int top, int bottom) {
    const Painter& p = state.painter;
    XFillRectangle(state.display(), p.picture.get(), p.gc.get(), 0, top,
                   static_cast<unsigned>(std::max(p.block.width, 1)),
                   static_cast<unsigned>(std::max(bottom - top, 0)));
}

void DrawLabelInPicture(RunningState& state, const Label& label) {
    if (label.visible && !label.caption.empty()) {
        DrawLabel(state, state.painter.draw.get(), label,
                  Pixels(label.leftTwips, platform::TwipsPerPixelX(state.windowing)),
                  Pixels(label.topTwips, platform::TwipsPerPixelY(state.windowing)));
    }
}

bool SameLook(const Label& a, const Label& b) {
    return a.caption == b.caption && a.visible == b.visible && a.leftTwips == b.leftTwips &&
           a.topTwips == b.topTwips && a.heightTwips == b.heightTwips && a.font == b.font &&
           a.foreColour == b.foreColour;
}

// Notes a label as drawn; false when it was already drawn just so.
bool NoteDrawn(RunningState& state, const Label& label) {
    DrawnLabel& drawn = state.drawn[&label == &state.saver.infoLabel ? 0 : 1];
    if (drawn.drawn && SameLook(drawn.look, label)) {
        return false;
    }
    drawn.drawn = true;
    drawn.look = label;
    return true;
}

void DrawPicture(RunningState& state) {
    Painter& p = state.painter;
    EnsureCapacity(state, p.block.width, p.block.height);
    FillPicture(state, 0, p.block.height);
    DrawLabelInPicture(state, state.saver.infoLabel);
    DrawLabelInPicture(state, state.saver.networkLabel);
    NoteDrawn(state, state.saver.infoLabel);
    NoteDrawn(state, state.saver.networkLabel);
    p.drawAll = false;
    MarkDirty(p, 0, p.block.height);
}

// Draws one label's rows again, clipped to them, as the other platform
// repaints only the label's rows of the panel. A label that looks as it did
// (the network line while nothing flows) is left as it is.
void DrawLabelRows(RunningState& state, const Label& label) {
    Painter& p = state.painter;
    if (p.drawAll || !p.picture || !NoteDrawn(state, label)) {
        return;
    }
    const double ty = platform::TwipsPerPixelY(state.windowing);
    const int top = std::max(0, static_cast<int>(std::floor(label.topTwips / ty)));
    const int bottom = std::min(
        p.block.height, static_cast<int>(std::ceil((label.topTwips + label.heightTwips) / ty)));
    if (top >= bottom) {
        return;
    }
    FillPicture(state, top, bottom);
    XRectangle clip{0, static_cast<short>(top), static_cast<unsigned short>(p.block.width),
                    static_cast<unsigned short>(bottom - top)};
    XftDrawSetClipRectangles(p.draw.get(), 0, 0, &clip, 1);
    DrawLabelInPicture(state, label);
    XftDrawSetClip(p.draw.get(), nullptr);
    MarkDirty(p, top, bottom);
}

void CopyRows(RunningState& state, int top, int bottom) {
    const Painter& p = state.painter;
    if (top < bottom && p.block.width > 0 && BlockShown(state)) {
        XCopyArea(state.display(), p.picture.get(), state.surface.window, p.gc.get(), 0, top,
                  static_cast<unsigned>(p.block.width), static_cast<unsigned>(bottom - top),
                  p.block.x, p.block.y + top);
    }
}

// Brings the window up to date with the picture.
void FlushDrawing(RunningState& state) {
    Painter& p = state.painter;
    if (!p.ready) {
        return;
    }
    if (p.drawAll) {
        DrawPicture(state);
    }
    CopyRows(state, p.dirtyTop, p.dirtyBottom);
    p.dirtyTop = INT_MAX;
    p.dirtyBottom = INT_MIN;
}

// Paints an area of the window that is new or was uncovered.
void PaintArea(RunningState& state, const PixelBox& area) {
    Painter& p = state.painter;
    if (!p.ready) {
        return;
    }
    FillOutside(state, area, BlockShown(state) ? p.block : PixelBox{});
    if (p.drawAll) {
        DrawPicture(state);
    }
    const int top = std::max(area.y, p.block.y) - p.block.y;
    const int bottom = std::min(area.y + area.height, p.block.y + p.block.height) - p.block.y;
    CopyRows(state, top, bottom);
}

void PaintWholeWindow(RunningState& state) {
    PaintArea(state, {0, 0, state.surface.widthPixels, state.surface.heightPixels});
}

// -print-text: each new information text on standard output, its lines on
// lines of their own and a blank line after it.
void PrintText(RunningState& state) {
    Loop& loop = state.loop;
    const Label& info = state.saver.infoLabel;
    if (!loop.printText || info.caption == loop.printed || !info.visible) {
        return;
    }
    loop.printed = info.caption;
    const std::string out = JoinLines(TextLines(loop.printed), "\n");
    std::fputs((out + "\n\n").c_str(), stdout);
    std::fflush(stdout);
}

bool SameMonitors(const CoveredMonitors& a, const CoveredMonitors& b) {
    return a.monitors == b.monitors && a.primary == b.primary &&
           a.primaryCovered == b.primaryCovered && a.windowLeft == b.windowLeft &&
           a.windowTop == b.windowTop;
}

// The window was resized or moved (XScreenSaver fits its windows to the
// monitors again when they change; a dialog's preview pane grows with the
// dialog). Restacking changes nothing and is left alone.
void OnConfigured(RunningState& state, int widthPixels, int heightPixels) {
    Surface& s = state.surface;
    const CoveredMonitors before = s.monitors;
    const bool resized = s.widthPixels != widthPixels || s.heightPixels != heightPixels;
    s.widthPixels = widthPixels;
    s.heightPixels = heightPixels;
    MeasureScreen(state);
    if (!resized && SameMonitors(before, s.monitors)) {
        return;
    }
    state.saver.OnResized();
    // The block moved to the new area's centre and the window may have
    // grown: everything is painted again.
    PaintWholeWindow(state);
}

void HandleEvent(RunningState& state, const XEvent& e) {
    Surface& s = state.surface;
    Painter& p = state.painter;
    SaverWindow& saver = state.saver;
    const bool own = s.own() && !saver.closed;
    switch (e.type) {
        case Expose:
            if (e.xexpose.window == s.window) {
                PaintArea(state, {e.xexpose.x, e.xexpose.y, e.xexpose.width, e.xexpose.height});
            }
            break;
        case MapNotify:
            if (e.xmap.window == s.window && s.own() && !p.ready) {
                p.ready = true;
                PaintWholeWindow(state);
            }
            break;
        case ConfigureNotify:
            if (e.xconfigure.window == s.window) {
                OnConfigured(state, e.xconfigure.width, e.xconfigure.height);
            }
            break;
        case KeyPress:
            if (own) {
                saver.OnKeyDown();
            }
            break;
        case ButtonPress:
            if (own && !p.block.Contains(e.xbutton.x, e.xbutton.y)) {
                saver.OnMouseDown();
            }
            break;
        case MotionNotify:
            // Over the text block the pointer is over the panel, whose
            // movements are not the saver window's.
            if (own && !p.block.Contains(e.xmotion.x, e.xmotion.y)) {
                saver.OnMouseMove();
            }
            break;
        case ClientMessage:
            if (own && static_cast<Atom>(e.xclient.data.l[0]) == state.loop.deleteWindow) {
                saver.Close();
            }
            break;
        case DestroyNotify:
            if (e.xdestroywindow.window == s.window) {
                p.ready = false;
                saver.OnDestroyed();
                state.loop.done = true;
            }
            break;
        default:
            break;
    }
}

int ReportError(Display* d, XErrorEvent* e) {
    // Told, with the request that failed, and the program goes on: a window
    // that went away meanwhile is told by its DestroyNotify too.
    constexpr int kTextBytes = 256;
    char text[kTextBytes] = "";
    XGetErrorText(d, e->error_code, text, sizeof text);
    char request[kTextBytes] = "";
    const std::string code = std::to_string(e->request_code);
    XGetErrorDatabaseText(d, "XRequest", code.c_str(), code.c_str(), request, sizeof request);
    std::fprintf(stderr, "ostrel: X error: %s in request %s (%d.%d) on 0x%lx\n", text, request,
                 e->request_code, e->minor_code, e->resourceid);
    return 0;
}

int ConnectionLost(Display*) {
    std::fputs("ostrel: the X connection was lost\n", stderr);
    std::_Exit(1);
}

// SIGTERM and SIGINT arrive as readable data on a descriptor that poll()
// watches; nothing runs inside a signal handler.
linux_kernel::FileDescriptor WatchTerminationSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    if (sigprocmask(SIG_BLOCK, &signals, nullptr) != 0) {
        return {};
    }
    return linux_kernel::FileDescriptor(signalfd(-1, &signals, SFD_CLOEXEC | SFD_NONBLOCK));
}

void RunLoop(RunningState& state) {
    Display* d = state.display();
    Loop& loop = state.loop;
    const int xfd = ConnectionNumber(d);
    // The connection is read only when poll() says it has something (or at
    // the start): events a reply brought along are already in the queue.
    bool readable = true;
    while (!loop.done) {
        while (!loop.done &&
               (XEventsQueued(d, QueuedAlready) > 0 || (readable && XPending(d) > 0))) {
            XEvent e;
            XNextEvent(d, &e);
            HandleEvent(state, e);
        }
        readable = false;
        if (loop.done) {
            break;
        }
        FlushDrawing(state);
        XFlush(d);
        PrintText(state);
        int timeoutMs = -1;
        if (loop.ticking) {
            timeoutMs =
                static_cast<int>(std::clamp<std::int64_t>(loop.nextTickMs - NowMs(), 0, INT_MAX));
        }
        pollfd fds[2] = {{xfd, POLLIN, 0}, {loop.signals.get(), POLLIN, 0}};
        const int n = poll(fds, loop.signals.valid() ? 2 : 1, timeoutMs);
        if (n > 0 && (fds[1].revents & POLLIN) != 0) {
            signalfd_siginfo info;
            while (read(loop.signals.get(), &info, sizeof info) == sizeof info) {
                loop.endSignal = static_cast<int>(info.ssi_signo);
            }
            state.saver.Close();
            loop.done = true;
            continue;
        }
        if (n > 0 && (fds[0].revents & (POLLHUP | POLLERR)) != 0) {
            ConnectionLost(d);
        }
        readable = n > 0 && (fds[0].revents & POLLIN) != 0;
        if (loop.ticking && NowMs() >= loop.nextTickMs) {
            // A late tick does not make the next ones come sooner.
            loop.nextTickMs += loop.intervalMs;
            const std::int64_t now = NowMs();
            if (loop.nextTickMs <= now) {
                loop.nextTickMs = now + loop.intervalMs;
            }
            state.saver.OnTick();
        }
    }
}

}  // namespace

int RunSaver(RunningState& state, const platform::RunRequest& request) {
    Display* d = state.display();
    Surface& s = state.surface;
    Painter& p = state.painter;
    XSetErrorHandler(ReportError);
    XSetIOErrorHandler(ConnectionLost);
    state.loop.signals = WatchTerminationSignals();
    p.gc = GraphicsContext(d, XCreateGC(d, s.window, 0, nullptr));
    XSetGraphicsExposures(d, p.gc.get(), False);
    long events = ExposureMask | StructureNotifyMask;
    if (s.own()) {
        events |= KeyPressMask | ButtonPressMask | PointerMotionMask;
        state.loop.deleteWindow = XInternAtom(d, "WM_DELETE_WINDOW", False);
        XSetWMProtocols(d, s.window, &state.loop.deleteWindow, 1);
    }
    XSelectInput(d, s.window, events);
    const TextBlock& b = state.saver.textBlock;
    const double tx = platform::TwipsPerPixelX(state.windowing);
    const double ty = platform::TwipsPerPixelY(state.windowing);
    p.block = {Pixels(b.leftTwips, tx), Pixels(b.topTwips, ty), Pixels(b.widthTwips, tx),
               Pixels(b.heightTwips, ty)};
    p.drawAll = true;

    state.saver.Load(request);
    if (!state.saver.closed && !s.own()) {
        p.ready = true;
        PaintWholeWindow(state);
    }
    RunLoop(state);
    return 0;
}

}  // namespace ostrel::x11

namespace ostrel::platform {

void StartTicking(Windowing& windowing, std::int32_t intervalMs) {
    // The first tick comes at once; the period runs from here.
    x11::Loop& loop = windowing.state.loop;
    loop.ticking = true;
    loop.intervalMs = intervalMs > 0 ? intervalMs : kTickIntervalMs;
    loop.nextTickMs = x11::NowMs();
}

void MoveTextBlock(Windowing& windowing, float leftTwips, float topTwips) {
    x11::RunningState& state = windowing.state;
    x11::Painter& p = state.painter;
    const x11::PixelBox old = p.block;
    p.block.x = x11::OffsetX(state) + x11::Pixels(leftTwips, TwipsPerPixelX(windowing));
    p.block.y = x11::OffsetY(state) + x11::Pixels(topTwips, TwipsPerPixelY(windowing));
    if (p.block.x == old.x && p.block.y == old.y) {
        return;
    }
    if (p.ready) {
        if (p.drawAll) {
            x11::DrawPicture(state);
        }
        x11::CopyRows(state, 0, p.block.height);
        p.dirtyTop = INT_MAX;
        p.dirtyBottom = INT_MIN;
        x11::FillOutside(state, old, p.block);
    }
}

void ResizeTextBlock(Windowing& windowing, std::int32_t widthTwips, std::int32_t heightTwips) {
    x11::RunningState& state = windowing.state;
    x11::Painter& p = state.painter;
    const x11::PixelBox old = p.block;
    p.block.width = std::max(0, x11::Pixels(widthTwips, TwipsPerPixelX(windowing)));
    p.block.height = std::max(0, x11::Pixels(heightTwips, TwipsPerPixelY(windowing)));
    if (p.block.width == old.width && p.block.height == old.height) {
        return;
    }
    x11::EnsureCapacity(state, p.block.width, p.block.height);
    p.drawAll = true;
    if (p.ready) {
        x11::FillOutside(state, old, p.block);
    }
}

void RedrawPart(Windowing& windowing, SaverPart part, bool now) {
    x11::RunningState& state = windowing.state;
    switch (part) {
        case SaverPart::InfoLabel:
            x11::DrawLabelRows(state, state.saver.infoLabel);
            break;
        case SaverPart::NetworkLabel:
            x11::DrawLabelRows(state, state.saver.networkLabel);
            break;
        case SaverPart::TextBlock:
            state.painter.drawAll = true;
            break;
        case SaverPart::Window:
            // What changed there is what the block uncovered, painted as it moved.
            break;
    }
    if (now) {
        x11::FlushDrawing(state);
    }
}

void SetSaverBackground(Windowing& windowing, std::uint32_t colour) {
    x11::RunningState& state = windowing.state;
    x11::Painter& p = state.painter;
    p.backPixel = x11::PixelOf(state, colour);
    XSetForeground(state.display(), p.gc.get(), p.backPixel);
    p.drawAll = true;
    x11::PaintWholeWindow(state);
}

void DestroySaverWindow(Windowing& windowing) {
    // A window it was given stays; XScreenSaver owns it. A window of its
    // own goes with the running state.
    x11::RunningState& state = windowing.state;
    state.painter.ready = false;
    state.loop.ticking = false;
    state.loop.done = true;
}

void EndProgram(Windowing& windowing) {
    // Only a failure at start-up ends the program this way; the server frees
    // what the connection made when it closes.
    XFlush(windowing.state.display());
    std::exit(1);
}

// X reports no pointer movement when the block moves under a resting
// pointer: the saver has nothing to ignore.
bool ReportsPointerMovesOfMovingBlock(Windowing&) {
    return false;
}

}  // namespace ostrel::platform

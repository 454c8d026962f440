// The yardstick for the X11 program's own cost: the least a program of its
// kind must do. It paints the root window in one colour, keeps a small
// window with two lines of text and moves it on a 100 ms tick driven by
// poll(), reads /proc/net/dev every second tick and /proc/stat, /proc/meminfo
// and its own status once a second, as the saver does. Prints one line once
// its text is first on the screen.

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

volatile sig_atomic_t gStop = 0;

long long NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// Reads a whole file and keeps a byte of it, so that the read is not dropped.
unsigned ReadFile(const char* path) {
    static char buffer[1 << 16];
    const int fd = open(path, O_RDONLY);
    if (fd < 0) {
        return 0;
    }
    unsigned sum = 0;
    ssize_t n = 0;
    while ((n = read(fd, buffer, sizeof buffer)) > 0) {
        sum += static_cast<unsigned char>(buffer[n - 1]);
    }
    close(fd);
    return sum;
}

}  // namespace

int main() {
    signal(SIGTERM, [](int) { gStop = 1; });
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) {
        return 1;
    }
    const int screen = DefaultScreen(d);
    const Window root = RootWindow(d, screen);
    XSetWindowBackground(d, root, BlackPixel(d, screen));
    XClearWindow(d, root);
    XSetWindowAttributes a{};
    a.background_pixel = BlackPixel(d, screen);
    a.override_redirect = True;
    const Window block = XCreateWindow(d, root, 100, 100, 220, 40, 0, CopyFromParent, InputOutput,
                                       CopyFromParent, CWBackPixel | CWOverrideRedirect, &a);
    XSelectInput(d, block, ExposureMask);
    XMapWindow(d, block);
    GC gc = XCreateGC(d, block, 0, nullptr);
    XSetForeground(d, gc, WhitePixel(d, screen));
    bool printed = false;
    int x = 100, y = 100, dx = 3, dy = 2, tick = 0;
    long long next = NowMs();
    unsigned keep = 0;
    while (!gStop) {
        while (XPending(d) > 0) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == Expose) {
                XDrawString(d, block, gc, 4, 14, "minimal", 7);
                XDrawString(d, block, gc, 4, 30, "saver", 5);
                XFlush(d);
                if (!printed) {
                    std::puts("first text");
                    std::fflush(stdout);
                    printed = true;
                }
            }
        }
        pollfd fd{ConnectionNumber(d), POLLIN, 0};
        const long long wait = next - NowMs();
        poll(&fd, 1, wait > 0 ? static_cast<int>(wait) : 0);
        if (NowMs() < next) {
            continue;
        }
        next += 100;
        if (tick % 2 == 0) {
            keep += ReadFile("/proc/net/dev");
        }
        if (tick % 10 == 0) {
            keep +=
                ReadFile("/proc/stat") + ReadFile("/proc/meminfo") + ReadFile("/proc/self/status");
        }
        ++tick;
        x += dx;
        y += dy;
        if (x < 0 || x > 800) {
            dx = -dx;
        }
        if (y < 0 || y > 700) {
            dy = -dy;
        }
        XMoveWindow(d, block, x, y);
        XFlush(d);
    }
    XCloseDisplay(d);
    return keep == 1 ? 1 : 0;
}

// A window for the end-to-end tests to hand to the saver with -window-id,
// as XScreenSaver hands it one: made and mapped here, its id printed, and
// kept until the process is ended (which destroys the window).
// Usage: host_window WIDTH HEIGHT [X Y]

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3 && argc != 5) {
        std::fputs("usage: host_window WIDTH HEIGHT [X Y]\n", stderr);
        return 2;
    }
    const int width = std::atoi(argv[1]);
    const int height = std::atoi(argv[2]);
    const int x = argc == 5 ? std::atoi(argv[3]) : 0;
    const int y = argc == 5 ? std::atoi(argv[4]) : 0;
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr || width <= 0 || height <= 0) {
        return 1;
    }
    // White, so that the saver's own background shows where it paints.
    const Window w =
        XCreateSimpleWindow(d, DefaultRootWindow(d), x, y, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), 0, 0, WhitePixel(d, DefaultScreen(d)));
    XStoreName(d, w, "ostrel test host");
    XSelectInput(d, w, StructureNotifyMask);
    XMapWindow(d, w);
    for (;;) {
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == MapNotify) {
            std::printf("0x%lx\n", w);
            std::fflush(stdout);
        }
    }
}

// The program's run on X: reads its options and, without a window given, the
// settings file; lays the command line's settings over the stored ones for
// this run (or saves them), finds the window to draw in and starts the
// saver there, full screen or as a preview. A termination signal ends it
// after its clean-up, by that signal.

#include "x11/x11_program.h"
#include "x11/running_state.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/failure.h"
#include "linux/settings_store.h"
#include "settings/settings.h"
#include "x11/portable/saver_options.h"

namespace ostrel::x11 {

namespace {

std::int16_t Low16(std::uint32_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
}

// A colour as the user wrote it, in the stored form 0x00BBGGRR: any name
// or form the X server's colour database knows, or without a display the
// hexadecimal forms. One it cannot find is told and left out.
std::optional<std::uint32_t> LookUpColour(Display* d, const std::optional<std::string>& text,
                                          std::string_view option) {
    if (!text) {
        return std::nullopt;
    }
    std::uint32_t colour = 0;
    XColor c{};
    if (d != nullptr && XParseColor(d, DefaultColormap(d, DefaultScreen(d)), text->c_str(), &c)) {
        // X's components are 16 bits; the stored ones are their high bytes.
        constexpr int kToByte = 8;
        return static_cast<std::uint32_t>(c.blue >> kToByte) << 16 |
               static_cast<std::uint32_t>(c.green >> kToByte) << 8 |
               static_cast<std::uint32_t>(c.red >> kToByte);
    }
    if (d == nullptr && ReadHexColour(*text, colour)) {
        return colour;
    }
    std::fprintf(
        stderr,
        "ostrel: option \"-%.*s\" cannot take \"%s\": no such colour; its default is kept\n",
        static_cast<int>(option.size()), option.data(), text->c_str());
    return std::nullopt;
}

// Lays the command line's settings over the stored ones, in the record's
// own terms, and writes the record back to the store. A record that cannot
// be loaded is left as it is: the saver's start-up reports it.
void ApplySettingsChanges(RunningState& state, const SettingsChanges& c) {
    Settings s;
    try {
        LoadSettings(state.store, s);
    } catch (const Failure&) {
        return;
    }
    if (c.fontName) {
        s.fontName = *c.fontName;
    }
    if (c.fontSize) {
        s.fontSizePoints = static_cast<std::int16_t>(*c.fontSize);
    }
    if (const auto colour = LookUpColour(state.display(), c.fontColour, "fg")) {
        s.fontColour = *colour;
    }
    if (const auto colour = LookUpColour(state.display(), c.backColour, "bg")) {
        s.backgroundColour = *colour;
    }
    SetFontSettingsBits(s, static_cast<std::int32_t>(c.fontSettings.AppliedTo(
                               static_cast<std::uint32_t>(FontSettingsBits(s)))));
    s.displayItems = Low16(c.displayItems.AppliedTo(static_cast<std::uint16_t>(s.displayItems)));
    s.options = Low16(c.options.AppliedTo(static_cast<std::uint16_t>(s.options)));
    s.timeFormat = static_cast<std::uint8_t>(c.timeFormat.AppliedTo(s.timeFormat));
    if (c.animation) {
        s.animationType = static_cast<std::int16_t>(*c.animation);
    }
    if (c.randomness) {
        s.bounceRandomness = static_cast<std::int16_t>(*c.randomness);
    }
    if (c.description) {
        s.description = *c.description;
    }
    SaveSettings(state.store, state.windowing, s);
}

int SaveSettingsFile(RunningState& state) {
    state.store.keepInFile = true;
    Settings s;
    try {
        LoadSettings(state.store, s);
    } catch (const Failure& f) {
        std::fprintf(stderr, "ostrel: the settings cannot be saved: %s\n", f.description.c_str());
        return 1;
    }
    SaveSettings(state.store, state.windowing, s);
    std::printf("ostrel: settings saved in %s\n", state.store.path.c_str());
    return 0;
}

WindowResource MakeOwnWindow(Display* d, int screen, const SaverOptions& o) {
    XSetWindowAttributes a{};
    a.background_pixmap = None;  // the saver paints all of it: no flash of another colour
    a.bit_gravity = NorthWestGravity;
    WindowResource w(
        d, XCreateWindow(d, RootWindow(d, screen), 0, 0, static_cast<unsigned>(o.widthPixels),
                         static_cast<unsigned>(o.heightPixels), 0, CopyFromParent, InputOutput,
                         CopyFromParent, CWBackPixmap | CWBitGravity, &a));
    XClassHint hint{const_cast<char*>("ostrel"), const_cast<char*>("Ostrel")};
    XSetClassHint(d, w.get(), &hint);
    return w;
}

// The preview's text grows with its window against the window's monitor,
// as a picture of the whole screen would show it, but never below a size
// that can be read: a settings dialog's pane is a fraction of a monitor.
constexpr float kSmallestPreviewPoints = 8.0f;

double PreviewTextShare(RunningState& state) {
    const Surface& s = state.surface;
    const platform::PixelRect monitor = MonitorAround(state);
    const double across = static_cast<double>(s.widthPixels) / (monitor.right - monitor.left);
    const double down = static_cast<double>(s.heightPixels) / (monitor.bottom - monitor.top);
    return std::min({across, down, 1.0});
}

// Finds the window to draw in, then runs the saver there: the whole saver
// on a window it was given or made, the preview in a window named with
// -window-id.
int RunOnDisplay(RunningState& state, const SaverOptions& options,
                 std::uint32_t xscreensaverWindow) {
    Display* d = state.display();
    Surface& s = state.surface;
    s.screen = DefaultScreen(d);
    bool ownWindow = false;
    switch (options.target) {
        case DrawTarget::WindowId:
            s.window = options.windowId;
            break;
        case DrawTarget::Root:
            s.window = xscreensaverWindow != 0 ? xscreensaverWindow : RootWindow(d, s.screen);
            break;
        case DrawTarget::OwnWindow:
            ownWindow = true;
            break;
        case DrawTarget::Unchosen:
            s.window = xscreensaverWindow;
            ownWindow = xscreensaverWindow == 0;
            break;
    }
    if (ownWindow) {
        s.ownWindow = MakeOwnWindow(d, s.screen, options);
        s.window = s.ownWindow.get();
    }
    XWindowAttributes a;
    if (XGetWindowAttributes(d, s.window, &a) == 0) {
        std::fprintf(stderr, "ostrel: there is no window 0x%lx\n", s.window);
        return 1;
    }
    s.visual = a.visual;
    s.colormap = a.colormap;
    s.depth = a.depth;
    s.widthPixels = a.width;
    s.heightPixels = a.height;
    MeasureScreen(state);

    platform::RunRequest request;
    if (options.target == DrawTarget::WindowId) {
        request.mode = platform::RunMode::Preview;
        request.window = static_cast<platform::WindowHandle>(s.window);
        request.previewTextShare = PreviewTextShare(state);
        request.previewSmallestPoints = kSmallestPreviewPoints;
    } else {
        request.mode = platform::RunMode::FullScreen;
        // XScreenSaver starts one copy per monitor, each in a window of its
        // own: only a window of its own is the one saver on the display.
        request.singleInstance = ownWindow;
    }
    // Copies started together (one per monitor) draw apart.
    request.seedSalt = static_cast<std::uint32_t>(getpid());
    state.saver.tickIntervalMs = options.tickMs;
    state.loop.printText = options.printText;
    return RunSaver(state, request);
}

// The program's termination signals end it after its clean-up, by the
// signal itself, as whoever started it (XScreenSaver) expects to be told.
[[noreturn]] void EndBySignal(int signal) {
    std::signal(signal, SIG_DFL);
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, signal);
    std::raise(signal);
    sigprocmask(SIG_UNBLOCK, &signals, nullptr);
    std::_Exit(1);
}

}  // namespace

int RunProgram(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const SaverOptions options = ReadSaverOptions(arguments);
    if (options.help) {
        std::fputs(SaverUsage().c_str(), stdout);
        return 0;
    }
    for (const std::string& warning : options.warnings) {
        std::fprintf(stderr, "ostrel: %s\n", warning.c_str());
    }
    const char* given = std::getenv("XSCREENSAVER_WINDOW");
    const std::uint32_t xscreensaverWindow = given != nullptr ? ReadWindowId(given) : 0;
    const bool windowGiven = options.target == DrawTarget::WindowId ||
                             options.target == DrawTarget::Root ||
                             (options.target == DrawTarget::Unchosen && xscreensaverWindow != 0);
    int endSignal = 0;
    {
        // The state of the whole run, gone before a signal ends the process.
        const auto state = std::make_unique<RunningState>();
        // Where a window is given (XScreenSaver, its settings dialog) the
        // command line is the only source of settings: the dialog writes
        // nothing for a control left at its default, so a saved file
        // under it would show something other than what the dialog shows.
        if (!windowGiven || options.save) {
            linux_kernel::LoadSettingsFile(state->store, linux_kernel::SettingsFilePath());
        }
        // The display also names the colours, for -save too when there is one.
        state->connection.reset(
            XOpenDisplay(options.display.empty() ? nullptr : options.display.c_str()));
        if (options.settings.Any()) {
            ApplySettingsChanges(*state, options.settings);
        }
        if (options.save) {
            return SaveSettingsFile(*state);
        }
        Display* d = state->display();
        if (d == nullptr) {
            std::fprintf(stderr, "ostrel: cannot open display \"%s\"\n",
                         XDisplayName(options.display.c_str()));
            return 1;
        }
        if (options.synchronous) {
            XSynchronize(d, True);
        }
        const int status = RunOnDisplay(*state, options, xscreensaverWindow);
        if (status != 0) {
            return status;
        }
        endSignal = state->loop.endSignal;
    }
    if (endSignal != 0) {
        EndBySignal(endSignal);
    }
    return 0;
}

}  // namespace ostrel::x11

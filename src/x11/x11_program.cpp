// The program's run on X: reads its options and the settings file, lays the
// command line's settings over the file's for this run (or saves them),
// finds the window to draw in and starts the saver there, full screen or as
// a preview.

#include "x11/x11_program.h"
#include "x11/running_state.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
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
    if (c.fontColour) {
        s.fontColour = *c.fontColour;
    }
    if (c.backColour) {
        s.backgroundColour = *c.backColour;
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

}  // namespace

int RunProgram(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const SaverOptions options = ReadSaverOptions(arguments);
    if (options.help) {
        std::fputs(SaverUsage().c_str(), stdout);
        return 0;
    }
    if (!options.error.empty()) {
        std::fprintf(stderr, "ostrel: %s\n\n%s", options.error.c_str(), SaverUsage().c_str());
        return 1;
    }
    // The state of the whole run; the settings come first, as -save needs
    // no display.
    const auto state = std::make_unique<RunningState>();
    linux_kernel::LoadSettingsFile(state->store, linux_kernel::SettingsFilePath());
    if (options.settings.Any()) {
        ApplySettingsChanges(*state, options.settings);
    }
    if (options.save) {
        return SaveSettingsFile(*state);
    }

    state->connection.reset(
        XOpenDisplay(options.display.empty() ? nullptr : options.display.c_str()));
    Display* d = state->display();
    if (d == nullptr) {
        std::fprintf(stderr, "ostrel: cannot open display \"%s\"\n",
                     XDisplayName(options.display.c_str()));
        return 1;
    }
    Surface& s = state->surface;
    s.screen = DefaultScreen(d);
    const char* given = std::getenv("XSCREENSAVER_WINDOW");
    const std::uint32_t xscreensaverWindow = given != nullptr ? ReadWindowId(given) : 0;
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
    MeasureScreen(*state);

    // A window it was given that is at most half the screen each way is a
    // preview, such as the settings dialog's: the saver runs there as it
    // does in the other platform's preview, with its quarter-size text.
    const bool preview = !s.own() && s.window != RootWindow(d, s.screen) &&
                         s.widthPixels * 2 <= DisplayWidth(d, s.screen) &&
                         s.heightPixels * 2 <= DisplayHeight(d, s.screen);
    platform::RunRequest request;
    request.mode = preview ? platform::RunMode::Preview : platform::RunMode::FullScreen;
    request.window = preview ? static_cast<platform::WindowHandle>(s.window) : 0;
    state->loop.printText = options.printText;
    return RunSaver(*state, request);
}

}  // namespace ostrel::x11

#pragma once
// The services a front end gives the portable program, one per seam header.
// Each is an opaque type here: every front end (and the unit tests' fakes)
// defines it with whatever state it needs, and every seam function takes the
// service it asks as its first argument. Nothing in the program reaches a
// platform any other way, so no platform needs a global.

namespace ostrel::platform {

struct Windowing;      // windowing.h: the saver window, drawing, text, monitors
struct SettingsStore;  // settings_store.h: the stored settings
struct SystemInfo;     // sysinfo.h: identity, clocks, memory, processors, locale
struct Network;        // network.h: the interfaces' byte counters
struct Shell;          // shell.h: password change, opening links
struct Dialogs;        // dialogs.h: the options window and its choosers

// What the saver window and the options dialog are given, for their lifetime.
struct Services {
    Windowing& windowing;
    SettingsStore& store;
    SystemInfo& system;
    Network& network;
    Shell& shell;
    Dialogs& dialogs;
};

}  // namespace ostrel::platform

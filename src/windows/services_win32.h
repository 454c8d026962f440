#pragma once
// The Win32 front end's running state: one Program, made when the process
// starts and kept until it ends, holds the services the portable program
// is given, the saver window, the options window and what they draw with.
// The window procedures find it through their windows' user data.

#include <windows.h>

#include <array>
#include <cstdint>
#include <vector>

#include "platform/services.h"
#include "startup/saver_window.h"
#include "windows/options_win32.h"
#include "windows/paint_measurement.h"
#include "windows/portable/performance_data.h"
#include "windows/portable/registry_store.h"
#include "windows/text_drawing.h"

namespace ostrel::win32 {
struct Program;
}

namespace ostrel::platform {

struct Windowing {
    win32::Program& program;
};

struct SettingsStore {
    win32::RegistryAccess registry;
};

struct SystemInfo {
    // Keeps the size that fitted for the next reading of the processor times.
    PerformanceDataBuffer processorData;
};

struct Network {
    // The interface table as last read, kept at the size that fitted so
    // that the next reading needs one call.
    std::vector<std::uint8_t> table;
    // How often the interface table was asked for, for the measurements.
    long long tableCalls = 0;
};

struct Shell {};

struct Dialogs {
    win32::Program& program;
    // The colour chooser's custom colours, kept from one opening to the next.
    std::array<COLORREF, 16> customColours{};
};

}  // namespace ostrel::platform

namespace ostrel::win32 {

// The registry's calls over the ANSI functions of advapi32, so that text
// crosses in the system code page.
RegistryAccess SystemRegistry();

struct OptionsWindow {
    HWND hwnd = nullptr;
    OptionsDialog* dialog = nullptr;  // the dialog the window reports to
    bool busy = false;                // the busy pointer is up
    OptionsControls controls;
};

struct Program {
    explicit Program(HINSTANCE instance);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HINSTANCE instance;
    platform::Windowing windowing{*this};
    platform::SettingsStore store{SystemRegistry()};
    platform::SystemInfo system;
    platform::Network network;
    platform::Shell shell;
    platform::Dialogs dialogs{*this};
    SaverWindow saver;

    HWND saverHwnd = nullptr;
    HWND textBlockHwnd = nullptr;
    // The program's own top-level windows that are open; the message loop
    // ends when the last one goes.
    int openWindows = 0;
    TextFonts fonts;
    OptionsWindow options;
    bool commonControlsLoaded = false;
    // The screen's resolution stays as it was at start for a program that
    // declares itself DPI-aware; read once, not at each of the block's ten
    // moves a second.
    double twipsPerPixelX = ScreenTwipsPerPixel(LOGPIXELSX);
    double twipsPerPixelY = ScreenTwipsPerPixel(LOGPIXELSY);
    PaintCount paintCount;
};

// The program a window of it belongs to, kept in its user data; null
// before the window has been given it.
Program* ProgramOf(HWND hwnd);
void AttachProgram(HWND hwnd, Program& program);

// Creates the saver window, hidden, with its text block.
bool CreateSaverWindow(Program& program);
// Makes the program, creates the window, runs its start-up with the command
// line and then the message loop.
int RunProgram(HINSTANCE instance);

// Each of the program's own windows counts itself in on creation and out on
// destruction; the last one out ends the message loop.
void WindowOpened(Program& program);
void WindowClosed(Program& program);

// Registers the common controls (tab, trackbar, tooltips) once.
void LoadCommonControls(Program& program);

HWND Hwnd(platform::WindowHandle window);
platform::WindowHandle Handle(HWND hwnd);

// The message box style of an icon.
UINT MessageIconStyle(platform::MessageIcon icon);

}  // namespace ostrel::win32

#pragma once
// What the Win32 files share: the instance, the saver window and its state,
// and the count of the program's open top-level windows (the program ends
// when it reaches zero).

#include <windows.h>

namespace ostrel {
struct SaverWindow;
}

namespace ostrel::win32 {

// Creates the saver window, hidden, with its text block.
bool CreateSaverWindow(HINSTANCE instance);
// Creates the window, runs the load handler and the message loop.
int RunProgram(HINSTANCE instance);

HINSTANCE Instance();
HWND SaverHwnd();
HWND TextBlockHwnd();
SaverWindow& Saver();

// Each of the program's own windows counts itself in on creation and out on
// destruction; the last one out ends the message loop.
void WindowOpened();
void WindowClosed();

// The options window, for the message loop's dialog keys (Tab, Enter, Esc).
HWND OptionsHwnd();

}  // namespace ostrel::win32

#pragma once
// Functions of system libraries that only the options dialog needs, found at
// run time: linking them would load the shell, the common dialogs and the
// common controls into every full-screen start, which makes the saver
// noticeably slower to show its first text.

#include <windows.h>

namespace ostrel::win32 {

// The function, or null when the library or the function is missing. The
// library stays loaded for the rest of the process.
FARPROC SystemFunction(const char* library, const char* name);

template <typename Fn>
Fn SystemFunctionAs(const char* library, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(SystemFunction(library, name)));
}

// Registers the common controls (tab, trackbar, tooltips); true when done.
bool RegisterCommonControls();

}  // namespace ostrel::win32

#pragma once
// The X11 program's run, from its command line to its end.

namespace ostrel::x11 {

// Reads the options and the settings file, lays the command line's settings
// over the file's (or saves them), finds the window to draw in and runs the
// saver there; answers the exit status.
int RunProgram(int argc, char** argv);

}  // namespace ostrel::x11

#pragma once
// What the program was started to do, as each front end reads it from its
// own command line.

#include <optional>
#include <string>

#include "common/failure.h"
#include "platform/windowing.h"

namespace ostrel::platform {

enum class RunMode {
    FullScreen,      // the saver itself, over every monitor
    Preview,         // the saver inside another program's window
    Options,         // the options dialog
    ChangePassword,  // the system's password-change dialog
    None,            // nothing to do: the program ends at once
};

struct RunRequest {
    RunMode mode = RunMode::None;
    // Preview: the window to draw in. Change password: the window that owns
    // the system's dialog (0: none).
    WindowHandle window = 0;
    // The window's number could not be read (too large, say). The saver
    // reports it where it would have used the window.
    std::optional<Failure> windowFailure;
    // The arguments as the program received them, which the options
    // dialog's About tab can show.
    std::string arguments;
};

}  // namespace ostrel::platform

#pragma once
// What the program was started to do, as each front end reads it from its
// own command line.

#include <cstdint>
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
    // Full screen: whether a copy already running (a window with the
    // program's instance title) makes this one end at once. Where another
    // program gives the window and starts one copy per monitor, it does not.
    bool singleInstance = true;
    // Preview: the text's size as a share of the chosen size, and the
    // smallest size in points that share may give (never more than the
    // chosen size). Without a share the text is a quarter of its size.
    std::optional<double> previewTextShare;
    float previewSmallestPoints = 0.0f;
    // Mixed with the time of day into the random generator's seed, so that
    // copies started in the same instant move apart; 0 adds nothing.
    std::uint32_t seedSalt = 0;
};

}  // namespace ostrel::platform

#pragma once
// The system's password change and opening links.

#include <cstdint>
#include <string>

#include "platform/services.h"
#include "platform/windowing.h"

namespace ostrel::platform {

// Shows the system's password-change dialog for the screen saver, owned by
// `parent` (0: none). Raises a Failure when the password-change service
// cannot be loaded.
void ChangePassword(Shell& shell, WindowHandle parent);

// Opening an address or file with the user's handler for it: done, or the
// system's error number.
struct OpenResult {
    bool opened = false;
    std::int64_t errorNumber = 0;
};
OpenResult OpenWithShell(Shell& shell, const std::string& target);

}  // namespace ostrel::platform

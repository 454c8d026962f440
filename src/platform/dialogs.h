#pragma once
// Dialog windows of the program other than the saver window.

#include <string>

namespace ostrel::platform {

// Opens the options window modeless and without an owner.
void OpenOptionsWindow(const std::string& caption);

}  // namespace ostrel::platform

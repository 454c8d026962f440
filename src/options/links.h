#pragma once
// Opening the About tab's links with the user's own programs.

#include <cstdint>
#include <string>

#include "platform/services.h"

namespace ostrel {

// The message shown when the shell cannot open a link: it names the program
// the user should check, from the kind of link.
std::string LinkErrorText(std::int64_t result, const std::string& url);

// Opens the link under the busy pointer; a shell error is reported in a
// message box owned by the options dialog.
void ExecuteLink(platform::Shell& shell, platform::Dialogs& dialogs, const std::string& url);

}  // namespace ostrel

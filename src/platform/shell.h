#pragma once
// Services of the system's shell and password providers.

#include <cstdint>
#include <string>

namespace ostrel::platform {

// Shows the system's password-change dialog for the provider. Raises a
// Failure when the password-change service cannot be loaded.
void ChangePassword(const std::string& providerKey, std::int64_t parentWindow);

// Opens an address or file with the user's handler for it. Answers the
// shell's result: above 32 for success, else the shell's error number.
std::int64_t OpenWithShell(const std::string& target);

// The program's command-line arguments as received, without its own path.
std::string ProgramArguments();

}  // namespace ostrel::platform

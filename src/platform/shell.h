#pragma once
// Services of the system's shell and password providers.

#include <cstdint>
#include <string>

namespace ostrel::platform {

// Shows the system's password-change dialog for the provider. Raises a
// Failure when the password-change service cannot be loaded.
void ChangePassword(const std::string& providerKey, std::int64_t parentWindow);

}  // namespace ostrel::platform

#pragma once
// The computer's name, for the first line of the information text.

#include <string>

#include "platform/services.h"

namespace ostrel {

// The name as the system reports it, or "" when it cannot be read.
std::string QueryComputerName(platform::SystemInfo& system);

}  // namespace ostrel

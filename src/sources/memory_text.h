#pragma once
// The memory lines of the information text.

#include <string>

#include "platform/services.h"
#include "settings/settings.h"

namespace ostrel {

// One to three lines (page file, physical, virtual, as the settings' display
// items choose, with percentages when they ask for them), joined by carriage
// returns; or "memory query failed".
std::string MemoryText(platform::SystemInfo& system, const Settings& settings);

}  // namespace ostrel

#pragma once
// The memory lines of the information text.

#include <string>

namespace ostrel {

// One to three lines (page file, physical, virtual, as DisplayItems
// chooses), joined by carriage returns; or "memory query failed".
std::string MemoryString();

}  // namespace ostrel

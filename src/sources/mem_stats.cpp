#include "sources/mem_stats.h"

namespace ostrel {

// Placeholder until the memory source lands.
std::string MemoryString() {
    return "memory query failed";
}

}  // namespace ostrel

#pragma once
// Network interfaces.

#include <cstdint>
#include <vector>

#include "platform/services.h"

namespace ostrel::platform {

// The byte counters of one interface, as 32-bit counters that wrap.
struct InterfaceOctets {
    std::uint32_t received = 0;
    std::uint32_t sent = 0;
};

enum class InterfaceQuery {
    Read,          // `interfaces` holds every interface
    NotSupported,  // the platform keeps no such counters
    Failed,        // they could not be read this time; `interfaces` is empty
};

InterfaceQuery ReadInterfaceOctets(Network& network, std::vector<InterfaceOctets>& interfaces);

}  // namespace ostrel::platform

#include "sources/computer_name.h"

#include "platform/sysinfo.h"

namespace ostrel {

std::string QueryComputerName(platform::SystemInfo& system) {
    return platform::ComputerName(system).value_or("");
}

}  // namespace ostrel

#include "sources/ip_helper.h"

namespace ostrel {

// Placeholder until the network source lands.
std::string CIpHelper::Status() {
    return "??";
}

}  // namespace ostrel

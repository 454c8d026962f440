// Network interface counters from /proc/net/dev.

#include "linux/network_counters.h"

#include <cerrno>
#include <string>

#include "linux/portable/net_dev.h"
#include "linux/proc_files.h"

namespace ostrel::platform {

namespace {

constexpr std::size_t kLargestNetDevBytes = 1 << 20;

}  // namespace

InterfaceQuery ReadInterfaceOctets(Network& network, std::vector<InterfaceOctets>& interfaces) {
    interfaces.clear();
    const int error =
        linux_kernel::ReadWholeFile("/proc/net/dev", network.netDev, kLargestNetDevBytes);
    if (error != 0) {
        // A system without the file keeps no such counters.
        return error == ENOENT ? InterfaceQuery::NotSupported : InterfaceQuery::Failed;
    }
    return ReadNetDev(network.netDev, interfaces) ? InterfaceQuery::Read : InterfaceQuery::Failed;
}

}  // namespace ostrel::platform

// Network interface counters from /proc/net/dev.

#include <cerrno>
#include <string>

#include "linux/portable/net_dev.h"
#include "platform/network.h"
#include "linux/proc_files.h"

namespace ostrel::platform {

InterfaceQuery ReadInterfaceOctets(std::vector<InterfaceOctets>& interfaces) {
    interfaces.clear();
    static std::string text;
    if (!x11::ReadWholeFile("/proc/net/dev", text, 1 << 20)) {
        // A system without the file keeps no such counters.
        return errno == ENOENT ? InterfaceQuery::NotSupported : InterfaceQuery::Failed;
    }
    return ReadNetDev(text, interfaces) ? InterfaceQuery::Read : InterfaceQuery::Failed;
}

}  // namespace ostrel::platform

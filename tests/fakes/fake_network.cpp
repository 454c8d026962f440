#include "fakes/fake_network.h"

namespace ostrel::platform {

InterfaceQuery ReadInterfaceOctets(Network& n, std::vector<InterfaceOctets>& interfaces) {
    const bool read = n.answer == InterfaceQuery::Read;
    interfaces = read ? n.interfaces : std::vector<InterfaceOctets>{};
    return n.answer;
}

}  // namespace ostrel::platform

// The interface table of the IP helper library.

#include <windows.h>

#include <iphlpapi.h>

#include <algorithm>
#include <new>
#include <vector>

#include "common/failure.h"
#include "platform/network.h"
#include "windows/portable/interface_table.h"
#include "windows/services_win32.h"

namespace ostrel::platform {

static_assert(sizeof(MIB_IFROW) == kIfRowBytes);
static_assert(offsetof(MIB_IFTABLE, table) == kIfTableHeaderBytes);
static_assert(offsetof(MIB_IFROW, dwInOctets) == kIfRowInOctets);
static_assert(offsetof(MIB_IFROW, dwOutOctets) == kIfRowOutOctets);

namespace {

// One call for the table into the buffer; ERROR_INSUFFICIENT_BUFFER leaves
// the size it needs in `bytes`.
DWORD AskForTable(Network& network, ULONG& bytes) {
    ++network.tableCalls;
    std::vector<std::uint8_t>& table = network.table;
    bytes = static_cast<ULONG>(table.size());
    return GetIfTable(table.empty() ? nullptr : reinterpret_cast<MIB_IFTABLE*>(table.data()),
                      &bytes, FALSE);
}

}  // namespace

InterfaceQuery ReadInterfaceOctets(Network& network, std::vector<InterfaceOctets>& interfaces) {
    interfaces.clear();
    try {
        // The buffer that fitted last time is offered first: the table keeps
        // its size while the interfaces stay, so one call a reading is the
        // rule. One that has grown is asked again, once, at its new size.
        ULONG bytes = 0;
        DWORD status = AskForTable(network, bytes);
        if (status == ERROR_INSUFFICIENT_BUFFER) {
            network.table.resize(std::max<std::size_t>(bytes, kIfTableHeaderBytes));
            status = AskForTable(network, bytes);
        }
        if (status == ERROR_NOT_SUPPORTED) {
            return InterfaceQuery::NotSupported;
        }
        if (status != NO_ERROR) {
            return InterfaceQuery::Failed;
        }
        interfaces = ReadInterfaceTable(network.table.data(),
                                        std::min<std::size_t>(bytes, network.table.size()));
        return InterfaceQuery::Read;
    } catch (const Failure&) {
        return InterfaceQuery::Failed;
    } catch (const std::bad_alloc&) {
        return InterfaceQuery::Failed;
    }
}

}  // namespace ostrel::platform

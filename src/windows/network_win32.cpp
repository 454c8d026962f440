// The interface table of the IP helper library.

#include <windows.h>

#include <iphlpapi.h>

#include <algorithm>
#include <new>

#include "common/failure.h"
#include "platform/network.h"
#include "windows/portable/interface_table.h"
#include "windows/services_win32.h"

namespace ostrel::platform {

static_assert(sizeof(MIB_IFROW) == kIfRowBytes);
static_assert(offsetof(MIB_IFTABLE, table) == kIfTableHeaderBytes);
static_assert(offsetof(MIB_IFROW, dwInOctets) == kIfRowInOctets);
static_assert(offsetof(MIB_IFROW, dwOutOctets) == kIfRowOutOctets);

InterfaceQuery ReadInterfaceOctets(Network& network, std::vector<InterfaceOctets>& interfaces) {
    interfaces.clear();
    ULONG size = 0;
    ++network.tableCalls;
    if (GetIfTable(nullptr, &size, FALSE) == ERROR_NOT_SUPPORTED) {
        return InterfaceQuery::NotSupported;
    }
    try {
        std::vector<std::uint8_t> table(size);
        ULONG returned = size;
        ++network.tableCalls;
        if (GetIfTable(reinterpret_cast<MIB_IFTABLE*>(table.data()), &returned, FALSE) !=
            NO_ERROR) {
            return InterfaceQuery::Failed;
        }
        interfaces = ReadInterfaceTable(table.data(), std::min<std::size_t>(returned, size));
        return InterfaceQuery::Read;
    } catch (const Failure&) {
        return InterfaceQuery::Failed;
    } catch (const std::bad_alloc&) {
        return InterfaceQuery::Failed;
    }
}

}  // namespace ostrel::platform

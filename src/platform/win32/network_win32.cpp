// The interface table of the IP helper library.

#include <windows.h>

#include <iphlpapi.h>

#include "platform/network.h"

namespace ostrel::platform {

static_assert(sizeof(MIB_IFROW) == kIfRowBytes);
static_assert(offsetof(MIB_IFTABLE, table) == kIfTableHeaderBytes);
static_assert(offsetof(MIB_IFROW, dwInOctets) == kIfRowInOctets);
static_assert(offsetof(MIB_IFROW, dwOutOctets) == kIfRowOutOctets);

long QueryInterfaceTable(std::uint8_t* buffer, std::uint32_t& size) {
    ULONG n = size;
    const DWORD answer = GetIfTable(reinterpret_cast<MIB_IFTABLE*>(buffer), &n, FALSE);
    size = n;
    return static_cast<long>(answer);
}

}  // namespace ostrel::platform

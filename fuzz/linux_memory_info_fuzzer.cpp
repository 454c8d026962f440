// Fuzzes the memory figures' reader: any two texts, and files built from
// the input whose figures are known.

#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_bytes.h"
#include "property.h"
#include "linux/portable/memory_info.h"

namespace {

constexpr std::uint64_t kAddressSpace = 1ull << 47;

void CheckAnyText(std::string_view data) {
    // The first zero byte parts the two files.
    const std::size_t zero = data.find('\0');
    const std::string_view meminfo = data.substr(0, zero);
    const std::string_view status = zero == std::string_view::npos ? "" : data.substr(zero + 1);
    const ostrel::platform::MemoryStatus m =
        ostrel::MemoryStatusFrom(meminfo, status, kAddressSpace);
    PROPERTY(m.availPhys <= m.totalPhys);
    PROPERTY(m.availPageFile <= m.totalPageFile);
    PROPERTY(m.availVirtual <= m.totalVirtual);
    // Either a whole reading or nothing at all.
    PROPERTY(m.totalVirtual == kAddressSpace || m.totalVirtual == 0);
    if (m.totalVirtual == 0) {
        PROPERTY(m.totalPhys == 0 && m.totalPageFile == 0 && m.availPhys == 0);
    }
}

void CheckBuiltFiles(FuzzBytes in) {
    const unsigned long long total = in.Take(4), available = in.Take(4), limit = in.Take(4),
                             committed = in.Take(4), size = in.Take(4);
    const std::string meminfo = "MemTotal:  " + std::to_string(total) +
                                " kB\nMemFree: 1 kB\nMemAvailable:  " + std::to_string(available) +
                                " kB\nCommitLimit: " + std::to_string(limit) +
                                " kB\nCommitted_AS: " + std::to_string(committed) + " kB\n";
    const std::string status = "Name:\tx\nVmSize:\t" + std::to_string(size) + " kB\n";
    const ostrel::platform::MemoryStatus m =
        ostrel::MemoryStatusFrom(meminfo, status, kAddressSpace);
    PROPERTY(m.totalPhys == total * 1024);
    PROPERTY(m.availPhys == (available < total ? available : total) * 1024);
    PROPERTY(m.totalPageFile == limit * 1024);
    PROPERTY(m.availPageFile == (committed < limit ? (limit - committed) * 1024 : 0));
    PROPERTY(m.availVirtual == kAddressSpace - size * 1024);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckAnyText(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckBuiltFiles(FuzzBytes(data, size));
    return 0;
}

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "platform/linux_data/memory_info.h"

namespace ostrel {
namespace {

auto Fields(const platform::MemoryStatus& m) {
    return std::tuple(m.totalPhys, m.availPhys, m.totalPageFile, m.availPageFile, m.totalVirtual,
                      m.availVirtual);
}

constexpr std::uint64_t kAddressSpace = 140737488355328;  // 2^47

TEST(LinuxMemoryInfo, MapsEachLineToItsLinuxFigures) {
    struct Case {
        const char* meminfo;
        const char* status;
        platform::MemoryStatus expected;
    };
    const Case cases[] = {
        // Physical: MemTotal and MemAvailable; page file: CommitLimit and what
        // Committed_AS leaves; virtual: the address space and what VmSize leaves.
        // 1000 kB = 1,024,000 bytes throughout.
        {"MemTotal:       1000 kB\nMemFree:  100 kB\nMemAvailable: 400 kB\nBuffers: 20 kB\n"
         "Cached: 30 kB\nCommitLimit:  3000 kB\nCommitted_AS:  700 kB\n",
         "Name:\tostrel\nVmPeak:\t 9000 kB\nVmSize:\t 8000 kB\n",
         {1024000, 409600, 3072000, 2355200, kAddressSpace, kAddressSpace - 8192000}},
        // Before MemAvailable: free memory plus buffers and cache, 150 kB.
        {"MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 20 kB\nCached: 30 kB\n"
         "CommitLimit: 3000 kB\nCommitted_AS: 700 kB\n",
         "VmSize: 8000 kB\n",
         {1024000, 153600, 3072000, 2355200, kAddressSpace, kAddressSpace - 8192000}},
        // Commitments past the limit leave nothing.
        {"MemTotal: 1000 kB\nMemAvailable: 400 kB\nCommitLimit: 3000 kB\nCommitted_AS: 3500 kB\n",
         "VmSize: 8000 kB\n",
         {1024000, 409600, 3072000, 0, kAddressSpace, kAddressSpace - 8192000}},
        // Nothing to read physical memory from, or a figure that cannot be read.
        {"MemTotal: 1000 kB\nCommitLimit: 3000 kB\nCommitted_AS: 700 kB\n",
         "VmSize: 8000 kB\n",
         {}},
        {"MemTotal: 1000 MB\nMemAvailable: 400 kB\nCommitLimit: 3000 kB\nCommitted_AS: 700 kB\n",
         "VmSize: 8000 kB\n",
         {}},
        {"MemTotal: 18014398509481984 kB\nMemAvailable: 4 kB\nCommitLimit: 3 kB\n"
         "Committed_AS: 7 kB\n",
         "VmSize: 8 kB\n",
         {}},
        {"MemTotal: 1000 kB\nMemAvailable: 400 kB\nCommitLimit: 3000 kB\nCommitted_AS: 700 kB\n",
         "VmRSS: 8000 kB\n",
         {}},
        {"", "", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Fields(MemoryStatusFrom(c.meminfo, c.status, kAddressSpace)), Fields(c.expected))
            << c.meminfo;
    }
}

TEST(LinuxMemoryInfo, FieldsAreFoundByTheirWholeName) {
    std::array<KilobyteField, 3> fields{{{"Cached", {}}, {"SwapCached", {}}, {"Missing", {}}}};
    ReadKilobyteFields("SwapCached:  5 kB\nCached:  7 kB\nCached2: 9 kB\nNoColon 3 kB\n", fields);
    EXPECT_EQ(fields[0].bytes, 7168u);
    EXPECT_EQ(fields[1].bytes, 5120u);
    EXPECT_FALSE(fields[2].bytes.has_value());
}

}  // namespace
}  // namespace ostrel
